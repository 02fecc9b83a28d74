// Entry point of every test program: JUCE's message manager and, when a
// display is there, an X connection that tolerates a bare X server.
#include <gtest/gtest.h>
#include <juce_events/juce_events.h>

#include <X11/Xlib.h>
#include <cstdlib>

namespace
{
int ignoreXError (Display*, XErrorEvent*) { return 0; }
}

int main (int argc, char** argv)
{
    if (std::getenv ("DISPLAY") != nullptr)
    {
        // Under a bare Xvfb (no window manager) JUCE's windows raise errors
        // such as BadAtom that would otherwise end the program.
        XInitThreads();
        XSetErrorHandler (ignoreXError);
    }

    testing::InitGoogleTest (&argc, argv);
    juce::ScopedJuceInitialiser_GUI juce;
    return RUN_ALL_TESTS();
}
