// The headless tool's pictures, written beside the test program for people
// to look at (editor-screenshots/*.png).
#include "EditorScreenshots.h"

#include <gtest/gtest.h>

#include <map>

TEST (EditorScreenshots, EveryShotIsTheWholeWindowInItsOwnState)
{
    const auto folder = juce::File::getCurrentWorkingDirectory().getChildFile ("editor-screenshots");
    const auto written = EditorScreenshots::writeAll (folder);
    ASSERT_FALSE (written.isEmpty());
    EXPECT_EQ (written[0], "editor-defaults");
    EXPECT_TRUE (written.contains ("panel-about"));

    std::map<juce::String, juce::Image> shots;
    for (const auto& name : written)
    {
        shots[name] = juce::ImageFileFormat::loadFrom (folder.getChildFile (name + ".png"));
        EXPECT_EQ (shots[name].getBounds(), juce::Rectangle<int> (0, 0, 325, 454)) << name;
    }

    // The footswitch's lamp is lit at the defaults and dark with bypass off;
    // a panel covers the knobs.
    const auto& defaults = shots["editor-defaults"];
    EXPECT_NE (defaults.getPixelAt (267, 368), shots["editor-sync-type3-slotB-bypass-off"].getPixelAt (267, 368));
    for (const auto& [name, picture] : shots)
    {
        if (name.startsWith ("panel-"))
        {
            EXPECT_NE (picture.getPixelAt (50, 162), defaults.getPixelAt (50, 162)) << name;
        }
    }
}
