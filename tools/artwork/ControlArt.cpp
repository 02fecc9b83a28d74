#include "ControlArt.h"

#include "Look.h"

namespace artwork
{
namespace
{
namespace c = look::colours;

juce::Point<float> along (float angle, float distance)
{
    return { std::sin (angle) * distance, -std::cos (angle) * distance };
}

void fillCircle (juce::Graphics& g, juce::Point<float> centre, float radius)
{
    g.fillEllipse (juce::Rectangle<float> (radius * 2, radius * 2).withCentre (centre));
}

juce::Path circle (juce::Point<float> centre, float radius)
{
    juce::Path p;
    p.addEllipse (juce::Rectangle<float> (radius * 2, radius * 2).withCentre (centre));
    return p;
}

juce::Path hexagon (juce::Point<float> centre, float radius, float rotation)
{
    juce::Path p;
    p.addPolygon (centre, 6, radius, rotation);
    return p;
}
} // namespace

float knobRadius (juce::Rectangle<float> area)
{
    return area.getWidth() > 60.0f ? 24.5f : 18.0f;
}

float knobAngle (float proportion)
{
    return juce::degreesToRadians (-150.0f + 300.0f * proportion);
}

void paintKnob (juce::Graphics& g, juce::Rectangle<float> area, float proportion, juce::Colour pointerColour)
{
    const auto centre = area.getCentre();
    const float r = knobRadius (area);
    const float angle = knobAngle (proportion);
    const auto body = circle (centre, r);

    look::shadow (g, body, r * 0.22f, { 1, 2 }, 0.75f);

    // Skirt, lit from the upper left.
    juce::ColourGradient skirt (juce::Colour (0xfff7efd6), centre + juce::Point<float> (-r, -r) * 0.75f,
                                juce::Colour (0xff9d8c66), centre + juce::Point<float> (r, r) * 0.8f, false);
    skirt.addColour (0.5, c::creamShade);
    g.setGradientFill (skirt);
    g.fillPath (body);

    // Knurls turn with the knob; the light does not.
    const int ridges = r > 20.0f ? 44 : 36;
    for (int i = 0; i < ridges; ++i)
    {
        const float a = angle + juce::MathConstants<float>::twoPi * (float) i / (float) ridges;
        const float facing = 0.5f + 0.5f * std::cos (a + juce::MathConstants<float>::pi * 0.75f);
        g.setColour (juce::Colours::black.withAlpha (0.10f + 0.12f * (1.0f - facing)));
        g.drawLine ({ centre + along (a, r * 0.80f), centre + along (a, r - 0.6f) }, 0.9f);
        g.setColour (juce::Colours::white.withAlpha (0.22f * facing));
        g.drawLine ({ centre + along (a + 0.04f, r * 0.80f), centre + along (a + 0.04f, r - 0.8f) }, 0.6f);
    }
    g.setColour (juce::Colours::black.withAlpha (0.45f));
    g.drawEllipse (juce::Rectangle<float> (r * 2, r * 2).withCentre (centre).reduced (0.3f), 0.8f);

    // Domed top face.
    const float top = r * 0.76f;
    const auto face = juce::Rectangle<float> (top * 2, top * 2).withCentre (centre);
    look::shadow (g, circle (centre, top), 1.5f, { 0, 1 }, 0.35f);
    juce::ColourGradient dome (juce::Colour (0xfffffbee), centre + juce::Point<float> (-top * 0.35f, -top * 0.45f),
                               juce::Colour (0xffcfc09b), centre + juce::Point<float> (top * 0.7f, top * 0.8f), true);
    dome.addColour (0.45, c::cream);
    g.setGradientFill (dome);
    g.fillEllipse (face);

    juce::ColourGradient rim (juce::Colours::white.withAlpha (0.8f), face.getTopLeft(),
                              juce::Colours::black.withAlpha (0.35f), face.getBottomRight(), false);
    g.setGradientFill (rim);
    g.drawEllipse (face.reduced (0.4f), 0.8f);

    // Pointer line cut into the top and down the skirt.
    const auto from = centre + along (angle, r * 0.22f);
    const auto to = centre + along (angle, r * 0.97f);
    const float width = juce::jmax (1.8f, r * 0.12f);
    g.setColour (juce::Colours::white.withAlpha (0.55f));
    g.drawLine ({ from.translated (0.3f, 0.7f), to.translated (0.3f, 0.7f) }, width);
    g.setColour (pointerColour);
    g.drawLine ({ from, to }, width);

    // Specular spot on the dome.
    juce::ColourGradient spot (juce::Colours::white.withAlpha (0.7f), centre + juce::Point<float> (-top * 0.35f, -top * 0.5f),
                               juce::Colours::white.withAlpha (0.0f), centre + juce::Point<float> (-top * 0.35f + top * 0.6f, -top * 0.5f), true);
    g.setGradientFill (spot);
    g.fillEllipse (face.reduced (top * 0.15f));
}

void paintTypeLever (juce::Graphics& g, juce::Rectangle<float> area, int position)
{
    // Bushing level with the middle mark; the bat's tip reaches the upper
    // and lower marks.
    const auto pivot = area.getTopLeft() + juce::Point<float> (26.0f, 22.5f);

    const auto nut = hexagon (pivot, 12.0f, 0.0f);
    look::shadow (g, nut, 3.0f, { 1, 2 }, 0.7f);
    look::chromePart (g, nut, 0.95f, 0.5f, 0.7f);

    const auto bush = circle (pivot, 7.0f);
    look::chromePart (g, bush, 0.7f, 0.6f, 0.7f);
    g.setColour (juce::Colour (0xff1d2023));
    fillCircle (g, pivot, 4.2f);

    if (position == 1)
    {
        // Straight out at the viewer: only the rounded end shows.
        look::shadow (g, circle (pivot, 5.5f), 3.0f, { 2, 3 }, 0.6f);
        g.setGradientFill (juce::ColourGradient (juce::Colours::white, pivot.translated (-2.0f, -2.5f),
                                                 juce::Colour (0xff6b7178), pivot.translated (4.0f, 5.0f), true));
        fillCircle (g, pivot, 5.5f);
        g.setColour (juce::Colours::black.withAlpha (0.5f));
        g.drawEllipse (juce::Rectangle<float> (11.0f, 11.0f).withCentre (pivot), 0.6f);
        return;
    }

    const float direction = position == 0 ? -1.0f : 1.0f;
    const auto tip = pivot.translated (0.0f, direction * 16.0f);

    juce::Path bat;
    bat.startNewSubPath (pivot.translated (-3.4f, 0.0f));
    bat.lineTo (tip.translated (-2.3f, 0.0f));
    bat.lineTo (tip.translated (2.3f, 0.0f));
    bat.lineTo (pivot.translated (3.4f, 0.0f));
    bat.closeSubPath();
    look::shadow (g, bat, 3.0f, { 3, 3 }, 0.55f);
    juce::ColourGradient metal (juce::Colour (0xff7a8087), pivot.translated (-3.4f, 0.0f), juce::Colour (0xff50565c), pivot.translated (3.4f, 0.0f), false);
    metal.addColour (0.3, juce::Colours::white);
    metal.addColour (0.6, juce::Colour (0xffa9afb5));
    g.setGradientFill (metal);
    g.fillPath (bat);

    const auto ball = circle (tip, 4.0f);
    look::shadow (g, ball, 2.5f, { 2, 2 }, 0.6f);
    g.setGradientFill (juce::ColourGradient (juce::Colours::white, tip.translated (-1.5f, -1.8f),
                                             juce::Colour (0xff5d636a), tip.translated (3.0f, 3.5f), true));
    g.fillPath (ball);
    g.setColour (juce::Colours::black.withAlpha (0.45f));
    g.strokePath (ball, juce::PathStrokeType (0.6f));
}

void paintFootswitch (juce::Graphics& g, juce::Rectangle<float> area, bool on, bool held)
{
    look::led (g, area.getTopLeft() + juce::Point<float> (45.0f, 14.0f), 4.2f, c::ledRed, on);

    const auto centre = area.getTopLeft() + juce::Point<float> (45.0f, 60.0f);

    // Mounting nut.
    const auto nut = hexagon (centre, 29.0f, juce::MathConstants<float>::pi / 6.0f);
    look::shadow (g, nut, 5.0f, { 2, 3 }, 0.75f);
    look::chromePart (g, nut, 0.9f, 0.55f, 0.8f);

    // Threaded collar.
    const auto collar = circle (centre, 22.0f);
    g.setGradientFill (look::chrome (collar.getBounds(), 0.62f));
    g.fillPath (collar);
    for (float radius = 21.0f; radius > 19.0f; radius -= 1.0f)
    {
        g.setColour (juce::Colours::black.withAlpha (0.25f));
        g.drawEllipse (juce::Rectangle<float> (radius * 2, radius * 2).withCentre (centre), 0.5f);
    }

    // Plunger: a domed cap that sinks a little while held.
    const float cap = held ? 16.5f : 17.5f;
    const auto capCentre = centre.translated (0.0f, held ? 1.0f : 0.0f);
    const auto capPath = circle (capCentre, cap);
    look::shadow (g, capPath, held ? 2.0f : 4.0f, { held ? 0 : 1, held ? 1 : 3 }, 0.7f);
    const float brightness = held ? 0.82f : 1.0f;
    juce::ColourGradient dome (juce::Colours::white.withMultipliedBrightness (brightness), capCentre.translated (-cap * 0.35f, -cap * 0.45f),
                               juce::Colour (0xff4f555c).withMultipliedBrightness (brightness), capCentre.translated (cap * 0.8f, cap * 0.9f), true);
    dome.addColour (0.5, juce::Colour (0xffa7adb3).withMultipliedBrightness (brightness));
    dome.addColour (0.8, juce::Colour (0xff7b8188).withMultipliedBrightness (brightness));
    g.setGradientFill (dome);
    g.fillPath (capPath);
    g.setColour (juce::Colours::black.withAlpha (0.55f));
    g.strokePath (capPath, juce::PathStrokeType (0.8f));

    // Rings turned into the cap.
    for (float ring : { 0.72f, 0.45f })
    {
        g.setColour (juce::Colours::black.withAlpha (0.18f));
        g.drawEllipse (juce::Rectangle<float> (cap * 2 * ring, cap * 2 * ring).withCentre (capCentre), 0.8f);
        g.setColour (juce::Colours::white.withAlpha (0.25f));
        g.drawEllipse (juce::Rectangle<float> (cap * 2 * ring, cap * 2 * ring).withCentre (capCentre.translated (0.0f, 0.8f)), 0.6f);
    }
}

void paintSlideSwitch (juce::Graphics& g, juce::Rectangle<float> area, bool on)
{
    const auto slot = area.withSizeKeepingCentre (42.0f, 10.0f);
    look::recess (g, slot, 5.0f, juce::Colour (0xff0a0c0d));

    if (on)
    {
        // Lamp behind the slot, seen where the thumb has uncovered it.
        const auto lamp = slot.withTrimmedRight (slot.getWidth() * 0.5f).reduced (3.0f, 2.5f);
        juce::ColourGradient glow (c::ledAmber, lamp.getCentre(), c::ledAmber.withAlpha (0.0f), lamp.getCentre().translated (11.0f, 0.0f), true);
        g.setGradientFill (glow);
        g.fillRoundedRectangle (lamp.expanded (3.0f, 1.5f), 3.0f);
        g.setColour (c::ledAmber.brighter (0.5f));
        g.fillRoundedRectangle (lamp, 2.0f);
    }

    const float thumbWidth = 19.0f;
    const auto thumb = juce::Rectangle<float> (thumbWidth, 14.0f)
                           .withCentre ({ on ? slot.getRight() - thumbWidth * 0.5f + 1.0f : slot.getX() + thumbWidth * 0.5f - 1.0f, slot.getCentreY() });
    juce::Path body;
    body.addRoundedRectangle (thumb, 3.0f);
    look::shadow (g, body, 2.0f, { 1, 1 }, 0.7f);
    look::chromePart (g, body, 0.95f, 0.55f, 0.7f);
    for (int i = -2; i <= 2; ++i)
    {
        const float x = thumb.getCentreX() + (float) i * 2.6f;
        g.setColour (juce::Colours::black.withAlpha (0.35f));
        g.drawLine (x, thumb.getY() + 3.5f, x, thumb.getBottom() - 3.5f, 0.8f);
        g.setColour (juce::Colours::white.withAlpha (0.5f));
        g.drawLine (x + 0.8f, thumb.getY() + 3.5f, x + 0.8f, thumb.getBottom() - 3.5f, 0.5f);
    }
}

namespace
{
void keyBody (juce::Graphics& g, juce::Rectangle<float> key, bool held, float corner)
{
    // The key sits in a well of the panel; its shadow stays inside the well.
    juce::Path body;
    body.addRoundedRectangle (key, corner);
    look::shadow (g, body, 1.0f, { 0, held ? 0 : 1 }, 0.8f);
    g.setGradientFill (juce::ColourGradient (held ? juce::Colour (0xff2a2e32) : juce::Colour (0xff4a5056), key.getTopLeft(),
                                             held ? juce::Colour (0xff1f2225) : juce::Colour (0xff25292d), key.getBottomLeft(), false));
    g.fillPath (body);
    g.setColour (juce::Colours::white.withAlpha (held ? 0.06f : 0.18f));
    g.drawRoundedRectangle (key.reduced (0.8f).withTrimmedBottom (1.0f), corner, 0.8f);
    g.setColour (juce::Colours::black.withAlpha (0.8f));
    g.drawRoundedRectangle (key, corner, 0.8f);
}

juce::Path arrow (juce::Point<float> centre, bool pointsLeft)
{
    const float w = 4.5f, h = 5.5f;
    juce::Path p;
    if (pointsLeft)
        p.addTriangle (centre.x - w, centre.y, centre.x + w, centre.y - h, centre.x + w, centre.y + h);
    else
        p.addTriangle (centre.x + w, centre.y, centre.x - w, centre.y - h, centre.x - w, centre.y + h);
    return p;
}
} // namespace

juce::Rectangle<float> keyArea (juce::Rectangle<float> area, bool held)
{
    return area.reduced (3.0f, 3.5f).translated (0.0f, held ? 0.5f : -0.5f);
}

void paintHeaderKey (juce::Graphics& g, juce::Rectangle<float> area, const juce::String& caption, KeyGlyph glyph, bool held)
{
    const auto key = keyArea (area, held);
    keyBody (g, key, held, 3.0f);

    const auto ink = held ? juce::Colour (0xffffc66e) : c::engraving;
    const auto centre = key.getCentre().translated (0.0f, held ? 0.5f : 0.0f);
    if (glyph != KeyGlyph::none)
    {
        g.setColour (ink);
        g.fillPath (arrow (centre, glyph == KeyGlyph::left));
    }
    if (caption.isNotEmpty())
    {
        g.setColour (ink);
        g.setFont (look::font (10.0f, true, 0.2f));
        g.drawText (caption, key.translated (0.0f, held ? 0.5f : 0.0f), juce::Justification::centred, false);
    }
}

void paintSlotSelector (juce::Graphics& g, juce::Rectangle<float> area, bool slotB)
{
    const auto well = area.reduced (1.5f, 2.0f);
    look::recess (g, well, 4.0f, juce::Colour (0xff0d0f11));

    const auto inner = well.reduced (2.0f);
    const auto half = inner.withWidth (inner.getWidth() * 0.5f);
    const auto a = half, b = half.withX (half.getRight());
    const auto lit = slotB ? b : a;

    // The active half is a raised, back-lit key; the other stays dark.
    juce::Path raised;
    raised.addRoundedRectangle (lit.reduced (0.5f), 3.0f);
    look::shadow (g, raised, 2.0f, { 0, 1 }, 0.8f);
    g.setGradientFill (juce::ColourGradient (juce::Colour (0xff4f565c), lit.getTopLeft(), juce::Colour (0xff2a2e33), lit.getBottomLeft(), false));
    g.fillPath (raised);
    g.setColour (juce::Colours::white.withAlpha (0.2f));
    g.drawRoundedRectangle (lit.reduced (1.2f).withTrimmedBottom (0.8f), 2.5f, 0.7f);

    const auto font = look::font (12.0f, true, 0.0f);
    g.setFont (font);
    for (const auto& [box, text, active] : { std::tuple { a, "A", ! slotB }, std::tuple { b, "B", slotB } })
    {
        if (active)
        {
            g.setColour (c::ledAmber.withAlpha (0.35f));
            g.drawText (text, box.translated (0.0f, 0.5f).expanded (1.0f), juce::Justification::centred, false);
        }
        g.setColour (active ? c::ledAmber : juce::Colour (0xff6b7177));
        g.drawText (text, box, juce::Justification::centred, false);
    }
}

void paintCopyKey (juce::Graphics& g, juce::Rectangle<float> area, bool fromB, bool held)
{
    const auto key = keyArea (area, held);
    keyBody (g, key, held, 3.0f);

    const auto ink = held ? juce::Colour (0xffffc66e) : c::engraving;
    const auto centre = key.getCentre().translated (0.0f, held ? 0.5f : 0.0f);
    g.setColour (ink);
    g.setFont (look::font (12.0f, true, 0.0f));
    g.drawText (fromB ? "B" : "A", juce::Rectangle<float> (16.0f, 16.0f).withCentre (centre.translated (-17.0f, 0.0f)), juce::Justification::centred, false);
    g.drawText (fromB ? "A" : "B", juce::Rectangle<float> (16.0f, 16.0f).withCentre (centre.translated (17.0f, 0.0f)), juce::Justification::centred, false);

    juce::Path shaft;
    shaft.startNewSubPath (centre.translated (-7.0f, 0.0f));
    shaft.lineTo (centre.translated (5.0f, 0.0f));
    g.strokePath (shaft, juce::PathStrokeType (1.6f));
    g.fillPath (arrow (centre.translated (5.5f, 0.0f), false), juce::AffineTransform::scale (0.75f, 0.75f, centre.x + 5.5f, centre.y));
}

void paintDialogButton (juce::Graphics& g, juce::Rectangle<float> area, const juce::String& caption, ButtonTone tone, bool held)
{
    const auto key = area.reduced (6.0f, 7.0f).translated (0.0f, held ? 1.0f : 0.0f);
    juce::Path body;
    body.addRoundedRectangle (key, 7.0f);
    look::shadow (g, body, held ? 2.0f : 4.0f, { 0, held ? 1 : 2 }, 0.75f);

    const auto top = tone == ButtonTone::primary ? juce::Colour (0xff3a9fb6)
                   : tone == ButtonTone::warning ? juce::Colour (0xffb4503c)
                                                 : juce::Colour (0xff4b5157);
    const auto bottom = tone == ButtonTone::primary ? juce::Colour (0xff1d6577)
                      : tone == ButtonTone::warning ? juce::Colour (0xff6e2a1f)
                                                    : juce::Colour (0xff2b2f34);
    g.setGradientFill (juce::ColourGradient (held ? top.darker (0.35f) : top, key.getTopLeft(),
                                             held ? bottom.darker (0.35f) : bottom, key.getBottomLeft(), false));
    g.fillPath (body);
    g.setColour (juce::Colours::white.withAlpha (held ? 0.06f : 0.22f));
    g.drawRoundedRectangle (key.reduced (1.0f).withTrimmedBottom (1.0f), 6.0f, 1.0f);
    g.setColour (juce::Colours::black.withAlpha (0.85f));
    g.drawRoundedRectangle (key, 7.0f, 1.0f);

    const auto text = key.translated (0.0f, held ? 0.5f : 0.0f);
    g.setFont (look::font (caption.length() > 7 ? 12.5f : 14.0f, true, 0.12f));
    g.setColour (juce::Colours::black.withAlpha (0.45f));
    g.drawText (caption, text.translated (0.0f, 1.0f), juce::Justification::centred, false);
    g.setColour (held ? c::dialogText.darker (0.2f) : juce::Colour (0xfff2f2f2));
    g.drawText (caption, text, juce::Justification::centred, false);
}
} // namespace artwork
