#include "Catalogue.h"

#include "ControlArt.h"
#include "DialogArt.h"
#include "Layout.h"
#include "Look.h"
#include "PanelArt.h"

#include <functional>

namespace artwork
{
namespace
{
namespace c = look::colours;

const juce::String mainGroup = "PandrelTQ4418BinImg";
const juce::String upperGroup = "PandrelModulationUpperPanelBinImg";
const juce::String dialogGroup = "PandrelDialogBoxBinImg";

using FramePainter = std::function<void (juce::Graphics&, juce::Rectangle<float>, int)>;

// Stacks `frames` frames of the control at `place`. Each frame starts from the
// panel beneath the control, so opaque strips join the background seamlessly.
juce::Image strip (const juce::Image& panel, juce::Rectangle<int> place, int frames,
                   juce::Image::PixelFormat format, const FramePainter& paintFrame)
{
    juce::Image result (format, place.getWidth(), place.getHeight() * frames, true);
    juce::Graphics out (result);

    for (int f = 0; f < frames; ++f)
    {
        juce::Image frame (juce::Image::ARGB, place.getWidth(), place.getHeight(), true);
        {
            juce::Graphics g (frame);
            if (panel.isValid())
                g.drawImageAt (panel.getClippedImage (place), 0, 0);
            paintFrame (g, frame.getBounds().toFloat(), f);
        }
        out.drawImageAt (frame, 0, f * place.getHeight());
    }
    return result;
}

void addKnob (std::vector<Artwork>& all, const juce::Image& panel, const char* name, juce::Rectangle<int> place,
              int frames, juce::Image::PixelFormat format, juce::Colour pointer)
{
    all.push_back ({ mainGroup, name,
                     strip (panel, place, frames, format, [frames, pointer] (juce::Graphics& g, juce::Rectangle<float> area, int f)
                            {
                                paintKnobScale (g, area, frames == 101 ? 11 : frames);
                                paintKnob (g, area, (float) f / (float) (frames - 1), pointer);
                            }),
                     frames });
}

void addKey (std::vector<Artwork>& all, const juce::Image& panel, const char* name, juce::Rectangle<int> place,
             const juce::String& caption, KeyGlyph glyph)
{
    all.push_back ({ upperGroup, name,
                     strip (panel, place, 2, juce::Image::RGB, [caption, glyph] (juce::Graphics& g, juce::Rectangle<float> area, int f)
                            { paintHeaderKey (g, area, caption, glyph, f == 1); }),
                     2 });
}

void addDialogButton (std::vector<Artwork>& all, const char* name, const juce::String& caption, ButtonTone tone)
{
    all.push_back ({ dialogGroup, name,
                     strip ({}, { 0, 0, 132, 51 }, 2, juce::Image::ARGB, [caption, tone] (juce::Graphics& g, juce::Rectangle<float> area, int f)
                            { paintDialogButton (g, area, caption, tone, f == 1); }),
                     2 });
}
} // namespace

std::vector<Artwork> paintAllArtwork()
{
    std::vector<Artwork> all;
    const auto panel = paintPanelBase();

    // Main panel.
    all.push_back ({ mainGroup, "bg_flanger", paintBackground (panel), 1 });
    all.push_back ({ mainGroup, "about_fl", paintAboutPicture(), 1 });
    all.push_back ({ mainGroup, "bypass",
                     strip (panel, layout::bypass, 4, juce::Image::RGB, [] (juce::Graphics& g, juce::Rectangle<float> area, int f)
                            { paintFootswitch (g, area, f >= 2, f % 2 == 1); }),
                     4 });
    all.push_back ({ mainGroup, "type",
                     strip (panel, layout::type, 3, juce::Image::RGB, [] (juce::Graphics& g, juce::Rectangle<float> area, int f)
                            { paintTypeLever (g, area, f); }),
                     3 });
    addKnob (all, panel, "rate", layout::rate, 101, juce::Image::RGB, c::pointer);
    addKnob (all, panel, "rate_sync", layout::rate, 19, juce::Image::ARGB, c::syncPointer);
    addKnob (all, panel, "depth", layout::depth, 101, juce::Image::RGB, c::pointer);
    addKnob (all, panel, "delay", layout::delay, 101, juce::Image::RGB, c::pointer);
    addKnob (all, panel, "feedback", layout::feedback, 101, juce::Image::RGB, c::pointer);
    addKnob (all, panel, "mix", layout::mix, 101, juce::Image::RGB, c::pointer);
    addKnob (all, panel, "level", layout::level, 101, juce::Image::RGB, c::pointer);

    // Upper strip.
    addKey (all, panel, "file", layout::fileButton, "FILE", KeyGlyph::none);
    addKey (all, panel, "left", layout::presetPrevious, {}, KeyGlyph::left);
    addKey (all, panel, "right", layout::presetNext, {}, KeyGlyph::right);
    all.push_back ({ upperGroup, "ab",
                     strip (panel, layout::abSwitch, 2, juce::Image::RGB, [] (juce::Graphics& g, juce::Rectangle<float> area, int f)
                            { paintSlotSelector (g, area, f == 1); }),
                     2 });
    for (const bool fromB : { false, true })
        all.push_back ({ upperGroup, fromB ? "btoa" : "atob",
                         strip (panel, layout::abCopy, 2, juce::Image::RGB, [fromB] (juce::Graphics& g, juce::Rectangle<float> area, int f)
                                { paintCopyKey (g, area, fromB, f == 1); }),
                         2 });
    for (const bool stereo : { true, false })
        all.push_back ({ upperGroup, stereo ? "stereo" : "sync",
                         strip (panel, stereo ? layout::stereoSwitch : layout::syncSwitch, 2, juce::Image::RGB,
                                [] (juce::Graphics& g, juce::Rectangle<float> area, int f) { paintSlideSwitch (g, area, f == 1); }),
                         2 });

    // Dialogs.
    all.push_back ({ dialogGroup, "dialog_box_clean", paintDialogBackground(), 1 });
    all.push_back ({ dialogGroup, "file_browser_clean", paintBrowserBackground(), 1 });
    all.push_back ({ dialogGroup, "browser_textonly_save_as", paintBrowserTitle ("SAVE PRESET AS"), 1 });
    all.push_back ({ dialogGroup, "browser_textonly_load", paintBrowserTitle ("LOAD PRESET"), 1 });
    all.push_back ({ dialogGroup, "browser_textonly_import", paintBrowserTitle ("IMPORT PRESET"), 1 });
    all.push_back ({ dialogGroup, "icononly_asterix", paintIconLayer (Icon::asterisk), 1 });
    all.push_back ({ dialogGroup, "icononly_smile", paintIconLayer (Icon::smile), 1 });
    all.push_back ({ dialogGroup, "icononly_frown", paintIconLayer (Icon::frown), 1 });
    addDialogButton (all, "ok", "OK", ButtonTone::primary);
    addDialogButton (all, "cancel", "CANCEL", ButtonTone::plain);
    addDialogButton (all, "save", "SAVE", ButtonTone::primary);
    addDialogButton (all, "import", "IMPORT", ButtonTone::primary);
    addDialogButton (all, "newfolder", "NEW FOLDER", ButtonTone::plain);
    addDialogButton (all, "download", "DOWNLOAD", ButtonTone::primary);
    addDialogButton (all, "overwrite", "OVERWRITE", ButtonTone::warning);

    return all;
}
} // namespace artwork
