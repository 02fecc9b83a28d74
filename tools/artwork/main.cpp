// artwork: draws every embedded image of the editor and its panels.
//   artwork <resources folder> [--preview <folder>]
// writes <resources folder>/<group>/<name>.png for each image, and with
// --preview contact sheets and mock-ups for looking at them. The build never
// runs it: its PNGs are committed.
#include "Catalogue.h"
#include "Preview.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <cstdio>

int main (int argc, char** argv)
{
    if (argc != 2 && ! (argc == 4 && juce::String (argv[2]) == "--preview"))
    {
        std::fprintf (stderr, "usage: artwork <resources folder> [--preview <folder>]\n");
        return 2;
    }

    juce::ScopedJuceInitialiser_GUI juce;
    const auto resources = juce::File::getCurrentWorkingDirectory().getChildFile (argv[1]);
    const auto all = artwork::paintAllArtwork();

    for (const auto& artwork : all)
    {
        const auto file = resources.getChildFile (artwork.group).getChildFile (artwork.fileName + ".png");
        if (! artwork::writePng (artwork.image, file))
        {
            std::fprintf (stderr, "artwork: cannot write %s\n", file.getFullPathName().toRawUTF8());
            return 1;
        }
    }
    std::printf ("artwork: %d images in %s\n", (int) all.size(), resources.getFullPathName().toRawUTF8());

    if (argc == 4)
    {
        const auto folder = juce::File::getCurrentWorkingDirectory().getChildFile (argv[3]);
        if (! artwork::writePreviews (all, folder))
        {
            std::fprintf (stderr, "artwork: cannot write the previews to %s\n", folder.getFullPathName().toRawUTF8());
            return 1;
        }
        std::printf ("artwork: previews in %s\n", folder.getFullPathName().toRawUTF8());
    }
    return 0;
}
