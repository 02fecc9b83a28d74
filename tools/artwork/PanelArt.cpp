#include "PanelArt.h"

#include "ControlArt.h"
#include "Layout.h"
#include "Look.h"

namespace artwork
{
namespace
{
namespace c = look::colours;

constexpr int headerHeight = 59;

juce::Rectangle<float> toFloat (juce::Rectangle<int> r) { return r.toFloat(); }

void paintEnamel (juce::Graphics& g, juce::Rectangle<float> face)
{
    g.setGradientFill (juce::ColourGradient (c::enamelTop, face.getTopLeft(), c::enamelBottom, face.getBottomLeft(), false));
    g.fillRect (face);

    // Broad sheen of the glossy coat, from the upper left.
    juce::ColourGradient sheen (juce::Colours::white.withAlpha (0.10f), face.getTopLeft().translated (40, 20),
                                juce::Colours::white.withAlpha (0.0f), face.getTopLeft().translated (260, 300), true);
    g.setGradientFill (sheen);
    g.fillRect (face);

    // Darker towards the edges, where the coat rolls over the enclosure.
    juce::ColourGradient vignette (juce::Colours::transparentBlack, face.getCentre(),
                                   juce::Colours::black.withAlpha (0.32f), face.getTopLeft(), true);
    vignette.addColour (0.7, juce::Colours::transparentBlack);
    g.setGradientFill (vignette);
    g.fillRect (face);

    // Rolled edge of the enclosure.
    g.setColour (juce::Colours::black.withAlpha (0.55f));
    g.drawRoundedRectangle (face.reduced (0.5f), 6.0f, 1.2f);
    g.setColour (juce::Colours::white.withAlpha (0.10f));
    g.drawRoundedRectangle (face.reduced (1.8f), 5.0f, 0.8f);
}

void paintHeader (juce::Graphics& g)
{
    const auto header = juce::Rectangle<float> (0, 0, (float) layout::editorWidth, (float) headerHeight);
    g.setGradientFill (juce::ColourGradient (c::headerTop, header.getTopLeft(), c::headerBottom, header.getBottomLeft(), false));
    g.fillRect (header);

    // Chrome trim where the header meets the pedal face, and its shadow.
    juce::Path below;
    below.addRectangle (0, headerHeight - 1.0f, (float) layout::editorWidth, 2.0f);
    look::shadow (g, below, 4.0f, { 0, 2 }, 0.8f);
    g.setGradientFill (juce::ColourGradient (juce::Colour (0xff9ea4aa), 0, headerHeight - 2.0f,
                                             juce::Colour (0xff40454a), 0, headerHeight + 1.0f, false));
    g.fillRect (0.0f, headerHeight - 2.0f, (float) layout::editorWidth, 3.0f);
    g.setColour (juce::Colours::white.withAlpha (0.55f));
    g.drawHorizontalLine (headerHeight - 2, 0.0f, (float) layout::editorWidth);
}

void paintPresetWindow (juce::Graphics& g)
{
    // Back-lit display; the preset name is written on it in black.
    const auto window = toFloat (layout::presetName).reduced (1.0f, 1.0f);
    look::recess (g, window, 3.0f, juce::Colour (0xffd9d2b5));
    juce::ColourGradient light (juce::Colour (0x40fffbe8), window.getTopLeft(), juce::Colour (0x00fffbe8), window.getBottomLeft(), false);
    g.setGradientFill (light);
    g.fillRoundedRectangle (window.reduced (1.0f), 2.5f);
}

// Wells the header keys sit in, drawn with the panel so the keys' strips meet
// it without a seam.
void paintKeyWells (juce::Graphics& g)
{
    for (auto place : { layout::fileButton, layout::presetPrevious, layout::presetNext, layout::abCopy })
        look::recess (g, keyArea (place.toFloat(), false).expanded (1.5f, 1.0f).withBottom ((float) place.getBottom() - 1.5f),
                      4.0f, juce::Colour (0xff0c0d0f));
}

void paintHeaderCaptions (juce::Graphics& g)
{
    const auto small = look::font (8.5f, true, 0.18f);
    look::engrave (g, "COMPARE", { 8.0f, 35.0f, 80.0f, 23.0f }, small, juce::Justification::centredRight, c::engravingDim);
    look::engrave (g, "COPY", { 242.0f, 30.0f, 60.0f, 25.0f }, small, juce::Justification::centredLeft, c::engravingDim);
}

void paintTitle (juce::Graphics& g)
{
    const juce::Rectangle<float> area (64.0f, 63.0f, 197.0f, 58.0f);

    // Name plate lettering: the name large, the model number spaced out below
    // between two fine rules.
    look::engrave (g, "Pandrel", area.withHeight (34.0f), look::font (30.0f, true, 0.02f), juce::Justification::centred);

    const auto line = area.withTrimmedTop (35.0f).withHeight (14.0f);
    look::engrave (g, "TQ4418", line, look::font (11.0f, true, 0.45f), juce::Justification::centred);

    g.setColour (c::engraving.withAlpha (0.6f));
    const float y = line.getCentreY() + 0.5f;
    g.drawLine (line.getX() + 18.0f, y, line.getCentreX() - 32.0f, y, 0.8f);
    g.drawLine (line.getCentreX() + 32.0f, y, line.getRight() - 18.0f, y, 0.8f);
}

void labelBelow (juce::Graphics& g, const juce::String& text, juce::Rectangle<int> control, int gap, float width = 0.0f)
{
    auto area = toFloat (control).withY ((float) control.getBottom() + (float) gap).withHeight (11.0f);
    if (width > 0.0f)
        area = area.withSizeKeepingCentre (width, 11.0f);
    look::engrave (g, text, area, look::font (9.5f, true, 0.16f), juce::Justification::centred);
}

void paintTypeMarks (juce::Graphics& g)
{
    // A lead from the lever to each mark, then the mark itself, each fitting
    // its hot spot: a word of the model's character.
    struct Mark { juce::Rectangle<int> spot; const char* word; };
    const Mark marks[] = { { layout::type1Spot, "WARM" }, { layout::type2Spot, "JET" }, { layout::type3Spot, "CLASSIC" } };

    for (const auto& mark : marks)
    {
        const auto spot = toFloat (mark.spot);
        g.setColour (c::engraving.withAlpha (0.75f));
        g.fillEllipse (juce::Rectangle<float> (2.6f, 2.6f).withCentre ({ 151.0f, spot.getCentreY() }));
        g.drawLine (153.0f, spot.getCentreY(), 157.5f, spot.getCentreY(), 0.8f);
        look::engrave (g, mark.word, spot.translated (0.0f, 0.5f), look::font (8.6f, true, 0.06f), juce::Justification::centredLeft);
    }
}

// The flanger's sweep as an engraved line over a quiet line of lettering.
void paintSweepSignature (juce::Graphics& g, juce::Rectangle<float> area)
{
    const auto band = area.withHeight (14.0f);
    juce::Path sweep;
    for (int i = 0; i <= 200; ++i)
    {
        const float t = (float) i / 200.0f;
        const float x = band.getX() + t * band.getWidth();
        const float phase = juce::MathConstants<float>::twoPi * (1.5f * t + 4.5f * t * t);
        const float envelope = std::sin (juce::MathConstants<float>::pi * t);
        const float y = band.getCentreY() - std::sin (phase) * band.getHeight() * 0.42f * envelope;
        if (i == 0) sweep.startNewSubPath (x, y);
        else sweep.lineTo (x, y);
    }
    const juce::PathStrokeType stroke (1.1f, juce::PathStrokeType::curved, juce::PathStrokeType::rounded);
    g.setColour (juce::Colours::black.withAlpha (0.45f));
    g.strokePath (sweep, stroke, juce::AffineTransform::translation (-0.3f, -0.8f));
    juce::ColourGradient fade (c::engraving.withAlpha (0.0f), band.getTopLeft(), c::engraving.withAlpha (0.0f), band.getTopRight(), false);
    fade.addColour (0.2, c::engraving.withAlpha (0.85f));
    fade.addColour (0.8, c::engraving.withAlpha (0.85f));
    g.setGradientFill (fade);
    g.strokePath (sweep, stroke);

    look::engrave (g, "ANALOGUE FLANGER", area.withTrimmedTop (20.0f), look::font (8.0f, true, 0.3f),
                   juce::Justification::centred, c::engravingDim);
}

void paintFaceLettering (juce::Graphics& g)
{
    labelBelow (g, "SYNC", layout::syncSwitch, 2);
    labelBelow (g, "STEREO", layout::stereoSwitch, 2);
    labelBelow (g, "MIX", layout::mix, 0);
    labelBelow (g, "LEVEL", layout::level, 0);
    labelBelow (g, "TYPE", layout::type.withHeight (48), 1);
    labelBelow (g, "DEPTH", layout::depth, 0);
    labelBelow (g, "DELAY", layout::delay, 0);
    labelBelow (g, "RATE", layout::rate, 0);
    labelBelow (g, "FEEDBACK", layout::feedback, 0, 70.0f);

    // Under the footswitch's LED.
    look::engrave (g, "ON", { 285.0f, 359.0f, 20.0f, 10.0f }, look::font (7.5f, true, 0.2f), juce::Justification::centredLeft, c::engravingDim);

    paintSweepSignature (g, { 92.0f, 312.0f, 142.0f, 34.0f });
}
} // namespace

void paintMakerBadge (juce::Graphics& g, juce::Rectangle<float> area, bool engraved)
{
    // Emblem: a ring holding a swept comb, the flanger's signature, then the
    // maker's name.
    const float size = juce::jmin (area.getHeight() * 0.62f, 34.0f);
    const auto emblem = juce::Rectangle<float> (size, size).withCentre ({ area.getX() + size * 0.5f + 2.0f, area.getCentreY() });
    const auto ink = engraved ? c::engraving : juce::Colour (0xffe9e4d6);

    juce::Path ring;
    ring.addEllipse (emblem);
    if (engraved)
    {
        g.setColour (juce::Colours::black.withAlpha (0.45f));
        g.drawEllipse (emblem.translated (-0.4f, -0.8f), 2.0f);
    }
    g.setColour (ink);
    g.drawEllipse (emblem.reduced (1.0f), 2.0f);

    juce::Path wave;
    const auto inner = emblem.reduced (size * 0.2f);
    for (int i = 0; i <= 48; ++i)
    {
        const float t = (float) i / 48.0f;
        const float x = inner.getX() + t * inner.getWidth();
        const float phase = t * juce::MathConstants<float>::twoPi * (1.0f + 1.6f * t);
        const float y = inner.getCentreY() - std::sin (phase) * inner.getHeight() * 0.34f * (1.0f - 0.35f * t);
        if (i == 0) wave.startNewSubPath (x, y);
        else wave.lineTo (x, y);
    }
    if (engraved)
    {
        g.setColour (juce::Colours::black.withAlpha (0.45f));
        g.strokePath (wave, juce::PathStrokeType (1.8f, juce::PathStrokeType::curved, juce::PathStrokeType::rounded),
                      juce::AffineTransform::translation (-0.4f, -0.8f));
    }
    g.setColour (ink);
    g.strokePath (wave, juce::PathStrokeType (1.8f, juce::PathStrokeType::curved, juce::PathStrokeType::rounded));

    const auto words = area.withTrimmedLeft (size + 8.0f);
    const auto nameFont = look::font (size * 0.5f, true, 0.2f);
    if (engraved)
        look::engrave (g, "MORVID", words, nameFont, juce::Justification::centredLeft);
    else
    {
        g.setColour (ink);
        g.setFont (nameFont);
        g.drawText ("MORVID", words, juce::Justification::centredLeft, false);
    }
}

juce::Image paintPanelBase()
{
    juce::Image image (juce::Image::ARGB, layout::editorWidth, layout::editorHeight, true);
    {
        juce::Graphics g (image);
        const auto face = juce::Rectangle<float> (0.0f, (float) headerHeight - 2.0f, (float) layout::editorWidth,
                                                  (float) (layout::editorHeight - headerHeight + 2));
        paintEnamel (g, face);
    }
    look::grain (image, { 0, headerHeight, layout::editorWidth, layout::editorHeight - headerHeight }, 2, 4418);

    {
        juce::Graphics g (image);
        paintHeader (g);
    }
    look::brush (image, { 0, 0, layout::editorWidth, headerHeight - 2 }, 0.10f, 1977);
    look::grain (image, { 0, 0, layout::editorWidth, headerHeight - 2 }, 1, 17);

    juce::Graphics g (image);
    paintPresetWindow (g);
    paintKeyWells (g);
    paintHeaderCaptions (g);
    paintTitle (g);
    paintTypeMarks (g);
    paintFaceLettering (g);
    paintMakerBadge (g, toFloat (layout::aboutSpot).reduced (4.0f, 8.0f), true);
    return image;
}

void paintKnobScale (juce::Graphics& g, juce::Rectangle<float> knobArea, int steps)
{
    const auto centre = knobArea.getCentre();
    const float radius = knobRadius (knobArea);
    const float inner = radius + 3.0f;
    const float outer = radius + (knobArea.getWidth() > 60.0f ? 8.0f : 6.5f);

    for (int i = 0; i < steps; ++i)
    {
        const float angle = knobAngle ((float) i / (float) (steps - 1));
        const bool major = i == 0 || i == steps - 1 || (steps == 11 && i == 5);
        const auto direction = juce::Point<float> (std::sin (angle), -std::cos (angle));
        const auto from = centre + direction * inner;
        const auto to = centre + direction * (major ? outer + 0.5f : outer - 1.5f);

        g.setColour (juce::Colours::black.withAlpha (0.4f));
        g.drawLine ({ from.translated (-0.3f, -0.6f), to.translated (-0.3f, -0.6f) }, major ? 1.6f : 1.1f);
        g.setColour (c::engraving.withAlpha (major ? 0.95f : 0.8f));
        g.drawLine ({ from, to }, major ? 1.6f : 1.1f);
    }
}

juce::Image paintBackground (const juce::Image& panelBase)
{
    auto image = panelBase.createCopy();
    juce::Graphics g (image);
    for (auto knob : { layout::rate, layout::depth, layout::delay, layout::feedback, layout::mix, layout::level })
        paintKnobScale (g, knob.toFloat(), 11);
    return image;
}
} // namespace artwork
