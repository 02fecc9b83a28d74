#include "DialogArt.h"

#include "ControlArt.h"
#include "Layout.h"
#include "Look.h"
#include "PanelArt.h"

namespace artwork
{
namespace
{
namespace c = look::colours;

juce::Image layer (int height = layout::editorHeight)
{
    return juce::Image (juce::Image::ARGB, layout::editorWidth, height, true);
}

// A dark card over a dimmed editor.
void card (juce::Graphics& g, juce::Rectangle<float> area, float dim)
{
    g.fillAll (juce::Colours::black.withAlpha (dim));

    juce::Path shape;
    shape.addRoundedRectangle (area, 10.0f);
    look::shadow (g, shape, 10.0f, { 0, 4 }, 0.8f);
    g.setGradientFill (juce::ColourGradient (c::dialogTop, area.getTopLeft(), c::dialogBottom, area.getBottomLeft(), false));
    g.fillPath (shape);

    g.setColour (juce::Colours::white.withAlpha (0.12f));
    g.drawRoundedRectangle (area.reduced (1.0f), 9.0f, 1.0f);
    g.setColour (juce::Colours::black);
    g.drawRoundedRectangle (area, 10.0f, 1.0f);

    // Accent rule along the top edge, in the pedal's colour.
    const auto rule = area.reduced (14.0f, 0.0f).withHeight (2.0f).translated (0.0f, 1.0f);
    juce::ColourGradient accent (c::accent.withAlpha (0.0f), rule.getTopLeft(), c::accent.withAlpha (0.0f), rule.getTopRight(), false);
    accent.addColour (0.5, c::accent);
    g.setGradientFill (accent);
    g.fillRect (rule);
}
} // namespace

juce::Image paintDialogBackground()
{
    auto image = layer();
    juce::Graphics g (image);
    // Dark enough around the card that a panel beneath (the browser with its
    // title and buttons) recedes instead of showing through, cut by the card.
    card (g, { 6.0f, 30.0f, 313.0f, 344.0f }, 0.8f);

    // Fine separator above the buttons.
    g.setColour (juce::Colours::black.withAlpha (0.5f));
    g.drawHorizontalLine (298, 22.0f, 303.0f);
    g.setColour (juce::Colours::white.withAlpha (0.07f));
    g.drawHorizontalLine (299, 22.0f, 303.0f);
    return image;
}

juce::Image paintBrowserBackground()
{
    auto image = layer();
    juce::Graphics g (image);
    card (g, { 4.0f, 2.0f, 317.0f, 446.0f }, 0.6f);

    // Well for the file list.
    look::recess (g, layout::browserList.toFloat().expanded (2.0f), 4.0f, juce::Colour (0xff121416));
    return image;
}

juce::Image paintBrowserTitle (const juce::String& title)
{
    auto image = layer();
    juce::Graphics g (image);
    const auto area = layout::browserTitle.toFloat().withTrimmedTop (6.0f);
    g.setFont (look::font (17.0f, true, 0.2f));
    g.setColour (juce::Colours::black.withAlpha (0.6f));
    g.drawText (title, area.translated (0.0f, 1.0f), juce::Justification::centred, false);
    g.setColour (c::dialogText);
    g.drawText (title, area, juce::Justification::centred, false);
    return image;
}

juce::Image paintIconLayer (Icon icon)
{
    auto image = layer();
    juce::Graphics g (image);

    // Drawn 12 px down by the panel: this centre lands at y 84, above the text.
    const juce::Point<float> centre (162.5f, 72.0f);
    const float r = 25.0f;
    const auto tint = icon == Icon::asterisk ? juce::Colour (0xffe0a63c)
                    : icon == Icon::smile    ? juce::Colour (0xff4fb38a)
                                             : juce::Colour (0xffd2553f);

    juce::Path disc;
    disc.addEllipse (juce::Rectangle<float> (r * 2, r * 2).withCentre (centre));
    look::shadow (g, disc, 6.0f, { 0, 2 }, 0.7f);
    g.setGradientFill (juce::ColourGradient (tint.brighter (0.25f), centre.translated (-r * 0.5f, -r * 0.7f),
                                             tint.darker (0.55f), centre.translated (r * 0.5f, r), false));
    g.fillPath (disc);
    g.setColour (juce::Colours::white.withAlpha (0.28f));
    g.drawEllipse (juce::Rectangle<float> (r * 2, r * 2).withCentre (centre).reduced (1.5f), 1.0f);
    g.setColour (juce::Colours::black.withAlpha (0.6f));
    g.drawEllipse (juce::Rectangle<float> (r * 2, r * 2).withCentre (centre), 1.0f);

    const auto ink = juce::Colour (0xfffdfaf2);
    const juce::PathStrokeType stroke (4.0f, juce::PathStrokeType::curved, juce::PathStrokeType::rounded);
    juce::Path symbol;

    if (icon == Icon::asterisk)
    {
        for (int i = 0; i < 3; ++i)
        {
            const float a = juce::MathConstants<float>::pi * (float) i / 3.0f + juce::MathConstants<float>::halfPi;
            const juce::Point<float> d (std::cos (a) * r * 0.5f, std::sin (a) * r * 0.5f);
            symbol.startNewSubPath (centre - d);
            symbol.lineTo (centre + d);
        }
    }
    else
    {
        const bool smiling = icon == Icon::smile;
        for (float side : { -1.0f, 1.0f })
        {
            symbol.addEllipse (juce::Rectangle<float> (1.0f, 2.0f).withCentre (centre.translated (side * r * 0.33f, -r * 0.25f)));
        }
        const float y = centre.y + r * (smiling ? 0.18f : 0.42f);
        const float bend = r * (smiling ? 0.32f : -0.26f);
        symbol.startNewSubPath (centre.x - r * 0.42f, y);
        symbol.quadraticTo (centre.x, y + bend, centre.x + r * 0.42f, y);
    }

    g.setColour (juce::Colours::black.withAlpha (0.3f));
    g.strokePath (symbol, stroke, juce::AffineTransform::translation (0.0f, 1.0f));
    g.setColour (ink);
    g.strokePath (symbol, stroke);
    return image;
}

juce::Image paintAboutPicture()
{
    auto image = layer (layout::aboutHeight);
    {
        juce::Graphics g (image);
        const auto all = image.getBounds().toFloat();
        g.setGradientFill (juce::ColourGradient (c::dialogTop, all.getTopLeft(), juce::Colour (0xff111315), all.getBottomLeft(), false));
        g.fillAll();

        // A wash of the pedal's enamel behind the name.
        juce::ColourGradient wash (c::enamelTop.withAlpha (0.55f), { 162.0f, 60.0f }, c::enamelTop.withAlpha (0.0f), { 162.0f, 230.0f }, true);
        g.setGradientFill (wash);
        g.fillAll();
    }
    look::grain (image, image.getBounds(), 1, 325);

    juce::Graphics g (image);
    const auto centreText = [&g] (const juce::String& text, juce::Rectangle<float> area, const juce::Font& f, juce::Colour colour)
    {
        g.setFont (f);
        g.setColour (juce::Colours::black.withAlpha (0.5f));
        g.drawText (text, area.translated (0.0f, 1.0f), juce::Justification::centred, false);
        g.setColour (colour);
        g.drawText (text, area, juce::Justification::centred, false);
    };

    centreText ("Pandrel", { 0.0f, 24.0f, 325.0f, 40.0f }, look::font (34.0f, true, 0.02f), c::engraving);
    centreText ("TQ4418", { 0.0f, 64.0f, 325.0f, 18.0f }, look::font (13.0f, true, 0.5f), c::engraving);
    centreText ("ANALOGUE FLANGER", { 0.0f, 84.0f, 325.0f, 14.0f }, look::font (9.0f, true, 0.35f), c::engravingDim);

    // The version is written right of this caption by the panel.
    g.setFont (look::font (13.0f, false));
    g.setColour (c::dialogText.withAlpha (0.75f));
    g.drawText ("Version", juce::Rectangle<float> (80.0f, 112.0f, 66.0f, 16.0f).translated (0.0f, -1.5f),
                juce::Justification::bottomRight, false);

    // Three knobs of the pedal as a still life.
    const float y = 150.0f;
    paintKnob (g, { 54.0f, y + 6.0f, 73.0f, 72.0f }, 0.35f, c::pointer);
    paintKnob (g, { 126.0f, y, 73.0f, 72.0f }, 0.7f, c::pointer);
    paintKnob (g, { 198.0f, y + 6.0f, 73.0f, 72.0f }, 0.5f, c::pointer);

    // What a flanger does: comb-filter responses, the notches gliding apart
    // as the delay sweeps.
    const juce::Rectangle<float> plot (36.0f, 262.0f, 253.0f, 46.0f);
    const float delays[] = { 0.0011f, 0.00075f, 0.0005f };
    for (int line = 2; line >= 0; --line)
    {
        juce::Path response;
        for (int i = 0; i <= 500; ++i)
        {
            const float t = (float) i / 500.0f;
            const float phase = juce::MathConstants<float>::twoPi * 6000.0f * t * delays[line];
            const float magnitude = std::abs (std::cos (phase * 0.5f)); // 1 + delayed copy, normalised
            const juce::Point<float> p (plot.getX() + t * plot.getWidth(), plot.getBottom() - magnitude * plot.getHeight());
            if (i == 0) response.startNewSubPath (p);
            else response.lineTo (p);
        }
        if (line == 0)
        {
            auto area = response;
            area.lineTo (plot.getBottomRight());
            area.lineTo (plot.getBottomLeft());
            area.closeSubPath();
            g.setGradientFill (juce::ColourGradient (c::accent.withAlpha (0.35f), plot.getTopLeft(), c::accent.withAlpha (0.0f), plot.getBottomLeft(), false));
            g.fillPath (area);
        }
        g.setColour (c::accent.brighter (0.4f).withAlpha (line == 0 ? 0.95f : 0.35f));
        g.strokePath (response, juce::PathStrokeType (line == 0 ? 1.4f : 1.0f, juce::PathStrokeType::curved));
    }
    g.setColour (juce::Colours::white.withAlpha (0.12f));
    g.drawHorizontalLine ((int) plot.getBottom(), plot.getX(), plot.getRight());

    g.setColour (juce::Colours::white.withAlpha (0.08f));
    g.drawHorizontalLine (336, 40.0f, 285.0f);

    paintMakerBadge (g, { 100.0f, 350.0f, 130.0f, 52.0f }, false);

    g.setFont (look::font (10.5f, false, 0.05f));
    g.setColour (c::dialogText.withAlpha (0.7f));
    g.drawText ("Three analogue flanger models in one pedal.", juce::Rectangle<float> (0.0f, 406.0f, 325.0f, 14.0f), juce::Justification::centred, false);
    g.setColour (c::dialogText.withAlpha (0.45f));
    g.setFont (look::font (9.5f, false, 0.05f));
    g.drawText ("Click anywhere to close", juce::Rectangle<float> (0.0f, 428.0f, 325.0f, 14.0f), juce::Justification::centred, false);
    return image;
}
} // namespace artwork
