#include "Preview.h"

#include "FileReplacement.h"
#include "Layout.h"
#include "PandrelVersion.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace artwork
{
namespace
{
const Artwork& find (const std::vector<Artwork>& all, const juce::String& name)
{
    for (const auto& artwork : all)
        if (artwork.fileName == name)
            return artwork;
    jassertfalse;
    return all.front();
}

// Frame f of a strip.
juce::Image stripFrame (const Artwork& artwork, int frame)
{
    const int height = artwork.image.getHeight() / artwork.frames;
    return artwork.image.getClippedImage ({ 0, frame * height, artwork.image.getWidth(), height });
}

// The editor's default settings drawn over the background, as a check of how
// strips and panel meet.
juce::Image paintEditorMockup (const std::vector<Artwork>& all)
{
    juce::Image mockup (juce::Image::ARGB, layout::editorWidth, layout::editorHeight, true);
    juce::Graphics g (mockup);
    g.drawImageAt (find (all, "bg_flanger").image, 0, 0);

    // The processor's defaults: effect on, type 1, rate 0.2, depth 0.2,
    // delay 0, feedback, mix and level 0.5, stereo and sync off.
    struct Placed { const char* name; juce::Rectangle<int> place; int frame; };
    const Placed placed[] = {
        { "file", layout::fileButton, 0 }, { "left", layout::presetPrevious, 0 }, { "right", layout::presetNext, 0 },
        { "ab", layout::abSwitch, 0 }, { "atob", layout::abCopy, 0 }, { "bypass", layout::bypass, 2 },
        { "stereo", layout::stereoSwitch, 0 }, { "sync", layout::syncSwitch, 0 }, { "type", layout::type, 0 },
        { "rate", layout::rate, 20 }, { "depth", layout::depth, 20 }, { "delay", layout::delay, 0 },
        { "feedback", layout::feedback, 50 }, { "mix", layout::mix, 50 }, { "level", layout::level, 50 },
    };
    for (const auto& p : placed)
        g.drawImageAt (stripFrame (find (all, p.name), p.frame), p.place.getX(), p.place.getY());
    return mockup;
}

void checkerboard (juce::Graphics& g, juce::Rectangle<int> area)
{
    g.setColour (juce::Colour (0xff8a8a8a));
    g.fillRect (area);
    g.setColour (juce::Colour (0xff6e6e6e));
    for (int y = area.getY(); y < area.getBottom(); y += 8)
        for (int x = area.getX() + ((y - area.getY()) / 8 % 2) * 8; x < area.getRight(); x += 16)
            g.fillRect (juce::Rectangle<int> (x, y, 8, 8).getIntersection (area));
}

// Frames shown on a sheet: all of a short strip, every tenth of a long one.
juce::Array<int> sheetFrames (const Artwork& artwork)
{
    juce::Array<int> frames;
    const int step = artwork.frames > 20 ? 10 : 1;
    for (int f = 0; f < artwork.frames; f += step)
        frames.add (f);
    return frames;
}

juce::Image contactSheet (const std::vector<Artwork>& all, const juce::String& group)
{
    constexpr int width = 1400, gap = 10, captionHeight = 16;

    // Lay out once to find the height, then draw.
    struct Entry { const Artwork* artwork; juce::Point<int> at; };
    std::vector<Entry> entries;
    int x = gap, y = gap, rowHeight = 0;
    for (const auto& artwork : all)
    {
        if (artwork.group != group)
            continue;
        const int frameHeight = artwork.image.getHeight() / artwork.frames;
        const int w = juce::jmax (160, sheetFrames (artwork).size() * (artwork.image.getWidth() + 4));
        const int h = captionHeight + frameHeight;
        if (x + w > width)
        {
            x = gap;
            y += rowHeight + gap;
            rowHeight = 0;
        }
        entries.push_back ({ &artwork, { x, y } });
        x += w + gap;
        rowHeight = juce::jmax (rowHeight, h);
    }

    juce::Image sheet (juce::Image::RGB, width, y + rowHeight + gap, true);
    juce::Graphics g (sheet);
    g.fillAll (juce::Colour (0xff3c3f42));
    for (const auto& entry : entries)
    {
        const auto& artwork = *entry.artwork;
        g.setColour (juce::Colours::white);
        g.setFont (12.0f);
        const auto caption = artwork.fileName + "  " + juce::String (artwork.image.getWidth()) + "x"
                           + juce::String (artwork.image.getHeight())
                           + (artwork.image.hasAlphaChannel() ? "  RGBA" : "  RGB")
                           + "  " + juce::String (artwork.frames) + (artwork.frames == 1 ? " frame" : " frames");
        g.drawText (caption, entry.at.x, entry.at.y, 400, captionHeight - 2, juce::Justification::topLeft);

        int fx = entry.at.x;
        for (int f : sheetFrames (artwork))
        {
            const auto frame = stripFrame (artwork, f);
            checkerboard (g, { fx, entry.at.y + captionHeight, frame.getWidth(), frame.getHeight() });
            g.drawImageAt (frame, fx, entry.at.y + captionHeight);
            fx += frame.getWidth() + 4;
        }
    }
    return sheet;
}

// A real label as the kit places it, painted onto a picture.
void paintLabel (juce::Graphics& g, juce::LookAndFeel& lookAndFeel, const juce::String& text,
                 juce::Rectangle<int> bounds, juce::Colour colour, juce::Justification justification)
{
    juce::Label label ({}, text);
    label.setLookAndFeel (&lookAndFeel);
    label.setColour (juce::Label::textColourId, colour);
    label.setJustificationType (justification);
    label.setBounds (bounds);
    g.drawImageAt (label.createComponentSnapshot (label.getLocalBounds()), bounds.getX(), bounds.getY());
    label.setLookAndFeel (nullptr);
}

juce::Image editorWithPresetName (const std::vector<Artwork>& all, juce::LookAndFeel& lookAndFeel)
{
    auto editor = paintEditorMockup (all);
    juce::Graphics g (editor);
    paintLabel (g, lookAndFeel, "Init*", layout::presetName, juce::Colours::black, juce::Justification::centredLeft);
    return editor;
}

juce::Image alertMockup (const std::vector<Artwork>& all, juce::LookAndFeel& lookAndFeel, const juce::Image& editor)
{
    auto picture = editor.createCopy();
    juce::Graphics g (picture);
    g.drawImageAt (find (all, "dialog_box_clean").image, 0, 0);
    g.drawImageAt (find (all, "icononly_asterix").image, 0, layout::iconLayerOffsetY);
    paintLabel (g, lookAndFeel, "Are you sure you want to overwrite this preset?\n\n\"Bass/Slow Sweep.mdtz\"",
                layout::dialogMessage, juce::Colour (211, 211, 211), juce::Justification::centred);
    g.drawImageAt (stripFrame (find (all, "ok"), 0), layout::dialogButtonLeft.getX(), layout::dialogButtonLeft.getY());
    g.drawImageAt (stripFrame (find (all, "cancel"), 1), layout::dialogButtonRight.getX(), layout::dialogButtonRight.getY());
    return picture;
}

juce::Image browserMockup (const std::vector<Artwork>& all, const juce::Image& editor)
{
    auto picture = editor.createCopy();
    juce::Graphics g (picture);
    g.drawImageAt (find (all, "file_browser_clean").image, 0, 0);
    g.drawImageAt (find (all, "browser_textonly_save_as").image, 0, 0);
    g.drawImageAt (stripFrame (find (all, "newfolder"), 0), layout::browserNewFolder.getX(), layout::browserNewFolder.getY());
    g.drawImageAt (stripFrame (find (all, "save"), 0), layout::browserOk.getX(), layout::browserOk.getY());
    g.drawImageAt (stripFrame (find (all, "cancel"), 0), layout::browserCancel.getX(), layout::browserCancel.getY());
    return picture;
}

juce::Image aboutMockup (const std::vector<Artwork>& all, juce::LookAndFeel& lookAndFeel)
{
    auto picture = find (all, "about_fl").image.createCopy();
    juce::Graphics g (picture);
    paintLabel (g, lookAndFeel, juce::String (PandrelVersion::text) + " (64bit)", layout::aboutVersion, juce::Colour (211, 211, 211), juce::Justification::bottomLeft);
    return picture;
}

// Chosen frames at three times their size, to judge the details.
juce::Image detailSheet (const std::vector<Artwork>& all)
{
    constexpr int zoom = 3;
    const std::pair<const char*, int> picks[] = { { "type", 0 }, { "type", 1 }, { "type", 2 }, { "mix", 35 }, { "depth", 70 },
                                                  { "rate_sync", 9 }, { "bypass", 0 }, { "bypass", 3 }, { "ab", 1 },
                                                  { "stereo", 1 }, { "sync", 0 }, { "atob", 0 }, { "left", 1 } };
    juce::Image sheet (juce::Image::RGB, 1400, 620, true);
    juce::Graphics g (sheet);
    g.fillAll (juce::Colour (0xff202224));
    int x = 10, y = 10, rowHeight = 0;
    for (const auto& [name, frame] : picks)
    {
        const auto picture = stripFrame (find (all, name), frame);
        const int w = picture.getWidth() * zoom, h = picture.getHeight() * zoom;
        if (x + w > sheet.getWidth())
        {
            x = 10;
            y += rowHeight + 10;
            rowHeight = 0;
        }
        g.drawImage (picture, x, y, w, h, 0, 0, picture.getWidth(), picture.getHeight());
        x += w + 10;
        rowHeight = juce::jmax (rowHeight, h);
    }
    return sheet;
}

// Side by side, and the editor also at twice the size for the details.
juce::Image row (std::initializer_list<juce::Image> pictures)
{
    int width = 0, height = 0;
    for (const auto& p : pictures)
    {
        width += p.getWidth() + 10;
        height = juce::jmax (height, p.getHeight());
    }
    juce::Image result (juce::Image::RGB, width + 10, height + 20, true);
    juce::Graphics g (result);
    g.fillAll (juce::Colour (0xff202224));
    int x = 10;
    for (const auto& p : pictures)
    {
        g.drawImageAt (p, x, 10);
        x += p.getWidth() + 10;
    }
    return result;
}
} // namespace

bool writePng (const juce::Image& image, const juce::File& file)
{
    if (! file.getParentDirectory().createDirectory())
        return false;
    juce::MemoryOutputStream png;
    return juce::PNGImageFormat().writeImageToStream (image, png)
        && FileReplacement::replaceWith (file, png.getMemoryBlock());
}

bool writePreviews (const std::vector<Artwork>& all, const juce::File& folder)
{
    juce::LookAndFeel_V3 lookAndFeel;
    const auto editor = editorWithPresetName (all, lookAndFeel);

    bool ok = true;
    ok = writePng (contactSheet (all, "PandrelTQ4418BinImg"), folder.getChildFile ("contact-main.png")) && ok;
    ok = writePng (contactSheet (all, "PandrelModulationUpperPanelBinImg"), folder.getChildFile ("contact-upper.png")) && ok;
    ok = writePng (contactSheet (all, "PandrelDialogBoxBinImg"), folder.getChildFile ("contact-dialog.png")) && ok;
    ok = writePng (detailSheet (all), folder.getChildFile ("details-3x.png")) && ok;
    ok = writePng (editor.rescaled (editor.getWidth() * 2, editor.getHeight() * 2, juce::Graphics::highResamplingQuality),
                   folder.getChildFile ("mockup-editor-2x.png")) && ok;
    ok = writePng (row ({ editor, alertMockup (all, lookAndFeel, editor), browserMockup (all, editor), aboutMockup (all, lookAndFeel) }),
                   folder.getChildFile ("mockup-panels.png")) && ok;
    return ok;
}
} // namespace artwork
