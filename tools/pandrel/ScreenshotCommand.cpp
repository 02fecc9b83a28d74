// pandrel screenshot [--out DIR]: PNG pictures of the editor at its defaults,
// at another setting and with each panel open.
#include "Commands.h"
#include "EditorScreenshots.h"

#include <cstdio>
#include <cstring>

int pandrel::runScreenshot (int argc, char** argv)
{
    juce::String outDir = "out";
    for (int i = 0; i < argc; ++i)
    {
        if (std::strcmp (argv[i], "--out") == 0 && i + 1 < argc)
        {
            outDir = argv[++i];
        }
        else
        {
            std::fprintf (stderr, "usage: pandrel screenshot [--out DIR]\n");
            return 2;
        }
    }

    juce::ScopedJuceInitialiser_GUI gui;
    const auto folder = juce::File::getCurrentWorkingDirectory().getChildFile (outDir);
    const auto written = EditorScreenshots::writeAll (folder);
    if (written.isEmpty())
    {
        std::fprintf (stderr, "screenshot: cannot write into %s\n", folder.getFullPathName().toRawUTF8());
        return 1;
    }

    std::printf ("Wrote %d pictures of the editor into %s:\n", written.size(), folder.getFullPathName().toRawUTF8());
    for (const auto& name : written)
        std::printf ("  %s.png\n", name.toRawUTF8());
    return 0;
}
