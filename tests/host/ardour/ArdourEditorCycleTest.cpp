// Editors closed and reopened in ardour's window, for both formats. ardour's
// X error handler ends it on any error raised on a connection its toolkit
// does not own, such as the plug-in's; the plug-in asks the server about
// the host's windows and the window manager's frames, which their owners
// destroy whenever they like.
#include "ArdourEditorScreen.h"

// The long run (its own program, label ardour-long) has the cycles alone,
// 500 of them, under a name of its own.
#ifdef PANDREL_LONG_CYCLES
 #define PANDREL_EDITOR_CYCLES 500
 #define PANDREL_CYCLE_TEST EditorsClosedAndReopenedLong
#else
 #define PANDREL_EDITOR_CYCLES 30
 #define PANDREL_CYCLE_TEST EditorsClosedAndReopened
#endif

namespace
{
// The traced X errors raised by a request of the plug-in's (its module in
// the calls that led to it); ardour's toolkit traps its own.
juce::StringArray pluginErrors (const juce::String& traced)
{
    juce::StringArray errors;
    juce::String error;
    for (const auto& line : juce::StringArray::fromLines (traced))
    {
        if (line != "--")
        {
            error << line << "\n";
            continue;
        }
        if (error.contains (juce::String (ArdourSandbox::pluginName) + ".so"))
            errors.add (error);
        error.clear();
    }
    return errors;
}
} // namespace

#ifndef PANDREL_LONG_CYCLES
// As a window manager does with every window it manages and releases, a
// frame is made around the plug-in's window and destroyed again, two
// thousand times while the editor is open: every frame's move is heard by
// every client watching the screen, the plug-in's framework included, which
// walks up from its window to see whether the move was its own.
TEST_F (ArdourWithoutWindowManager, EditorOutlivesFramesAroundItsWindow)
{
    for (const auto& format : { vst3, vst2 })
    {
        SCOPED_TRACE (format.track);
        ASSERT_TRUE (openEditor (format));
        reframe (format, 2000);
        ASSERT_TRUE (until ("the editor to be drawn again", [&] { return ! locateEditor (format).isEmpty(); }));
        ASSERT_TRUE (screen->isArdourRunning()) << "ardour ended:\n" << tracedErrors();
        EXPECT_TRUE (pluginErrors (tracedErrors()).isEmpty()) << tracedErrors();
        ASSERT_TRUE (closeEditor (format));
    }
}
#endif

// Closed as a window manager's close button does, and opened again from the
// mixer strip; the window manager makes and destroys a frame each time.
// PANDREL_EDITOR_CYCLES sets the number of cycles.
TEST_F (ArdourWithWindowManager, PANDREL_CYCLE_TEST)
{
    const int cycles = juce::SystemStats::getEnvironmentVariable ("PANDREL_EDITOR_CYCLES", juce::String (PANDREL_EDITOR_CYCLES)).getIntValue();
    for (int cycle = 0; cycle < cycles; ++cycle)
        for (const auto& format : { vst3, vst2 })
        {
            SCOPED_TRACE (juce::String (format.track) + " cycle " + juce::String (cycle + 1));
            ASSERT_TRUE (openEditor (format));
            ASSERT_TRUE (closeEditor (format));
            ASSERT_TRUE (screen->isArdourRunning()) << "ardour ended:\n" << tracedErrors();
            ASSERT_TRUE (pluginErrors (tracedErrors()).isEmpty()) << tracedErrors();
        }
    std::cout << cycles << " cycles per format\n";
}
