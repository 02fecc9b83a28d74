// Every embedded image has the size, colour format and frames its control
// expects, so artwork and layout cannot drift apart.
#include <juce_gui_basics/juce_gui_basics.h>
#include <PandrelDialogBoxBinImg.h>
#include <PandrelModulationUpperPanelBinImg.h>
#include <PandrelTQ4418BinImg.h>

#include <gtest/gtest.h>

namespace
{
struct Expected
{
    const char* name;
    const char* data;
    int size;
    bool rgba;
    int frames;
    juce::Rectangle<int> place; // where the editor or panel draws a frame
};

#define IMAGE(ns, n) #n, ns::n##_png, ns::n##_pngSize
const Expected mainImages[] = {
    { IMAGE (PandrelTQ4418BinImg, bg_flanger), true, 1, { 0, 0, 325, 454 } },
    { IMAGE (PandrelTQ4418BinImg, about_fl), true, 1, { 0, 0, 325, 455 } },
    { IMAGE (PandrelTQ4418BinImg, bypass), false, 4, { 222, 354, 90, 99 } },
    { IMAGE (PandrelTQ4418BinImg, type), false, 3, { 106, 137, 48, 80 } },
    { IMAGE (PandrelTQ4418BinImg, rate), false, 101, { 19, 237, 55, 54 } },
    { IMAGE (PandrelTQ4418BinImg, rate_sync), true, 19, { 19, 237, 55, 54 } },
    { IMAGE (PandrelTQ4418BinImg, depth), false, 101, { 97, 207, 55, 54 } },
    { IMAGE (PandrelTQ4418BinImg, delay), false, 101, { 173, 207, 55, 54 } },
    { IMAGE (PandrelTQ4418BinImg, feedback), false, 101, { 251, 237, 55, 54 } },
    { IMAGE (PandrelTQ4418BinImg, mix), false, 101, { 14, 126, 73, 72 } },
    { IMAGE (PandrelTQ4418BinImg, level), false, 101, { 237, 126, 73, 72 } },
};
const Expected upperImages[] = {
    { IMAGE (PandrelModulationUpperPanelBinImg, file), false, 2, { 6, 3, 58, 26 } },
    { IMAGE (PandrelModulationUpperPanelBinImg, left), false, 2, { 263, 3, 29, 26 } },
    { IMAGE (PandrelModulationUpperPanelBinImg, right), false, 2, { 292, 3, 29, 26 } },
    { IMAGE (PandrelModulationUpperPanelBinImg, ab), false, 2, { 92, 35, 62, 23 } },
    { IMAGE (PandrelModulationUpperPanelBinImg, atob), false, 2, { 163, 30, 75, 25 } },
    { IMAGE (PandrelModulationUpperPanelBinImg, btoa), false, 2, { 163, 30, 75, 25 } },
    { IMAGE (PandrelModulationUpperPanelBinImg, stereo), false, 2, { 263, 62, 54, 22 } },
    { IMAGE (PandrelModulationUpperPanelBinImg, sync), false, 2, { 7, 62, 54, 22 } },
};
const juce::Rectangle<int> panel { 0, 0, 325, 454 }, button { 97, 307, 132, 51 };
const Expected dialogImages[] = {
    { IMAGE (PandrelDialogBoxBinImg, dialog_box_clean), true, 1, panel },
    { IMAGE (PandrelDialogBoxBinImg, file_browser_clean), true, 1, panel },
    { IMAGE (PandrelDialogBoxBinImg, browser_textonly_save_as), true, 1, panel },
    { IMAGE (PandrelDialogBoxBinImg, browser_textonly_load), true, 1, panel },
    { IMAGE (PandrelDialogBoxBinImg, browser_textonly_import), true, 1, panel },
    { IMAGE (PandrelDialogBoxBinImg, icononly_asterix), true, 1, panel },
    { IMAGE (PandrelDialogBoxBinImg, icononly_smile), true, 1, panel },
    { IMAGE (PandrelDialogBoxBinImg, icononly_frown), true, 1, panel },
    { IMAGE (PandrelDialogBoxBinImg, ok), true, 2, button },
    { IMAGE (PandrelDialogBoxBinImg, cancel), true, 2, button },
    { IMAGE (PandrelDialogBoxBinImg, save), true, 2, button },
    { IMAGE (PandrelDialogBoxBinImg, import), true, 2, button },
    { IMAGE (PandrelDialogBoxBinImg, newfolder), true, 2, button },
    { IMAGE (PandrelDialogBoxBinImg, download), true, 2, button },
    { IMAGE (PandrelDialogBoxBinImg, overwrite), true, 2, button },
};
#undef IMAGE

juce::Image decode (const Expected& e)
{
    return juce::ImageFileFormat::loadFrom (e.data, (size_t) e.size);
}

void checkGroup (const Expected* begin, const Expected* end, int listedInGroup)
{
    EXPECT_EQ (end - begin, listedInGroup) << "the group holds images no control expects, or misses some";
    for (auto* e = begin; e != end; ++e)
    {
        const auto image = decode (*e);
        ASSERT_TRUE (image.isValid()) << e->name;
        EXPECT_EQ (image.getWidth(), e->place.getWidth()) << e->name;
        EXPECT_EQ (image.getHeight(), e->place.getHeight() * e->frames) << e->name << ": frames must be the size of the control";
        EXPECT_EQ (image.getFormat(), e->rgba ? juce::Image::ARGB : juce::Image::RGB) << e->name;
    }
}
} // namespace

TEST (EmbeddedImages, EveryImageHasTheSizeFormatAndFramesOfItsControl)
{
    checkGroup (std::begin (mainImages), std::end (mainImages), PandrelTQ4418BinImg::namedResourceListSize);
    checkGroup (std::begin (upperImages), std::end (upperImages), PandrelModulationUpperPanelBinImg::namedResourceListSize);
    checkGroup (std::begin (dialogImages), std::end (dialogImages), PandrelDialogBoxBinImg::namedResourceListSize);
}

TEST (EmbeddedImages, OpaqueStripsMeetTheBackgroundWithoutASeam)
{
    // Along the border of every frame the strip shows the panel beneath it
    // (soft shadows may darken it by a few levels, no more).
    const auto background = decode (mainImages[0]);
    auto differs = [] (juce::Colour a, juce::Colour b)
    {
        return std::abs (a.getRed() - b.getRed()) > 6 || std::abs (a.getGreen() - b.getGreen()) > 6
            || std::abs (a.getBlue() - b.getBlue()) > 6;
    };
    for (const auto& group : { std::make_pair (std::begin (mainImages) + 2, std::end (mainImages)),
                               std::make_pair (std::begin (upperImages), std::end (upperImages)) })
        for (auto* e = group.first; e != group.second; ++e)
        {
            const auto strip = decode (*e);
            const auto place = e->place;
            for (int f = 0; f < e->frames; ++f)
            {
                int seams = 0;
                for (int x = 0; x < place.getWidth(); ++x)
                    for (int y : { 0, place.getHeight() - 1 })
                        seams += differs (strip.getPixelAt (x, f * place.getHeight() + y), background.getPixelAt (place.getX() + x, place.getY() + y));
                for (int y = 0; y < place.getHeight(); ++y)
                    for (int x : { 0, place.getWidth() - 1 })
                        seams += differs (strip.getPixelAt (x, f * place.getHeight() + y), background.getPixelAt (place.getX() + x, place.getY() + y));
                EXPECT_EQ (seams, 0) << e->name << " frame " << f;
            }
        }
}
