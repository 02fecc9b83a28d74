#include "Look.h"

namespace artwork::look
{
juce::Font font (float height, bool bold, float tracking)
{
    juce::Font f (height, bold ? juce::Font::bold : juce::Font::plain);
    f.setExtraKerningFactor (tracking);
    return f;
}

void engrave (juce::Graphics& g, const juce::String& text, juce::Rectangle<float> area,
              const juce::Font& f, juce::Justification justification, juce::Colour ink)
{
    g.setFont (f);
    g.setColour (juce::Colours::black.withAlpha (0.55f));
    g.drawText (text, area.translated (-0.4f, -0.8f), justification, false);
    g.setColour (juce::Colours::white.withAlpha (0.14f));
    g.drawText (text, area.translated (0.3f, 0.9f), justification, false);
    g.setColour (ink);
    g.drawText (text, area, justification, false);
}

void shadow (juce::Graphics& g, const juce::Path& shape, float radius, juce::Point<int> offset, float alpha)
{
    juce::DropShadow (juce::Colours::black.withAlpha (alpha), juce::jmax (1, juce::roundToInt (radius)), offset)
        .drawForPath (g, shape);
}

void grain (juce::Image& image, juce::Rectangle<int> area, int amount, juce::int64 seed)
{
    juce::Random random (seed);
    area = area.getIntersection (image.getBounds());
    juce::Image::BitmapData data (image, juce::Image::BitmapData::readWrite);

    for (int y = area.getY(); y < area.getBottom(); ++y)
        for (int x = area.getX(); x < area.getRight(); ++x)
        {
            const int delta = random.nextInt (2 * amount + 1) - amount;
            const auto c = data.getPixelColour (x, y);
            auto shift = [delta] (juce::uint8 v) { return (juce::uint8) juce::jlimit (0, 255, (int) v + delta); };
            data.setPixelColour (x, y, juce::Colour (shift (c.getRed()), shift (c.getGreen()), shift (c.getBlue()), c.getAlpha()));
        }
}

void brush (juce::Image& image, juce::Rectangle<int> area, float strength, juce::int64 seed)
{
    juce::Random random (seed);
    area = area.getIntersection (image.getBounds());
    juce::Image::BitmapData data (image, juce::Image::BitmapData::readWrite);

    for (int y = area.getY(); y < area.getBottom(); ++y)
    {
        // Each row gets its own slowly wandering brightness: long streaks.
        float level = random.nextFloat() * 2.0f - 1.0f;
        for (int x = area.getX(); x < area.getRight(); ++x)
        {
            level = 0.93f * level + 0.07f * (random.nextFloat() * 2.0f - 1.0f) * 3.0f;
            const auto c = data.getPixelColour (x, y);
            const auto brighter = level > 0 ? c.brighter (level * strength) : c.darker (-level * strength);
            data.setPixelColour (x, y, brighter.withAlpha (c.getAlpha()));
        }
    }
}

juce::ColourGradient chrome (juce::Rectangle<float> area, float brightness)
{
    juce::ColourGradient gradient (juce::Colour (0xfff4f6f8).withMultipliedBrightness (brightness), area.getTopLeft(),
                                   juce::Colour (0xff5b6168).withMultipliedBrightness (brightness), area.getBottomRight(), false);
    gradient.addColour (0.35, juce::Colour (0xffc9ced4).withMultipliedBrightness (brightness));
    gradient.addColour (0.55, juce::Colour (0xff8e959c).withMultipliedBrightness (brightness));
    gradient.addColour (0.8, juce::Colour (0xffd5d9dd).withMultipliedBrightness (brightness));
    return gradient;
}

void chromePart (juce::Graphics& g, const juce::Path& shape, float brightness, float outlineAlpha, float outlineWidth)
{
    g.setGradientFill (chrome (shape.getBounds(), brightness));
    g.fillPath (shape);
    g.setColour (juce::Colours::black.withAlpha (outlineAlpha));
    g.strokePath (shape, juce::PathStrokeType (outlineWidth));
}

void screw (juce::Graphics& g, juce::Point<float> centre, float radius, float slotAngle)
{
    const auto area = juce::Rectangle<float> (radius * 2, radius * 2).withCentre (centre);
    juce::Path head;
    head.addEllipse (area);
    shadow (g, head, 2.0f, { 0, 1 }, 0.6f);
    g.setGradientFill (chrome (area, 0.85f));
    g.fillPath (head);
    g.setColour (juce::Colours::black.withAlpha (0.5f));
    g.drawEllipse (area.reduced (0.25f), 0.6f);

    const auto along = juce::Point<float> (std::cos (slotAngle), std::sin (slotAngle)) * (radius * 0.78f);
    g.setColour (juce::Colour (0xff2a2d30));
    g.drawLine ({ centre - along, centre + along }, radius * 0.32f);
    g.setColour (juce::Colours::white.withAlpha (0.35f));
    g.drawLine ({ centre - along + juce::Point<float> (0.0f, radius * 0.2f), centre + along + juce::Point<float> (0.0f, radius * 0.2f) }, 0.5f);
}

void led (juce::Graphics& g, juce::Point<float> centre, float radius, juce::Colour colour, bool lit)
{
    const auto bezel = juce::Rectangle<float> (radius * 2.8f, radius * 2.8f).withCentre (centre);
    juce::Path ring;
    ring.addEllipse (bezel);
    shadow (g, ring, 2.5f, { 0, 1 }, 0.55f);
    g.setGradientFill (chrome (bezel, 0.9f));
    g.fillPath (ring);
    g.setColour (juce::Colours::black.withAlpha (0.55f));
    g.drawEllipse (bezel, 0.7f);

    const auto lens = juce::Rectangle<float> (radius * 2, radius * 2).withCentre (centre);
    if (lit)
    {
        juce::ColourGradient glow (colour.withAlpha (0.55f), centre, colour.withAlpha (0.0f), centre.translated (radius * 3.4f, 0), true);
        g.setGradientFill (glow);
        g.fillEllipse (lens.expanded (radius * 2.4f));

        juce::ColourGradient core (juce::Colour (0xfffff2d8), centre.translated (-radius * 0.2f, -radius * 0.25f),
                                   colour, centre.translated (radius, radius), true);
        core.addColour (0.35, colour.brighter (0.4f));
        g.setGradientFill (core);
        g.fillEllipse (lens);
    }
    else
    {
        juce::ColourGradient dark (colour.darker (1.6f), centre.translated (-radius * 0.3f, -radius * 0.3f),
                                   colour.darker (3.5f), centre.translated (radius, radius), true);
        g.setGradientFill (dark);
        g.fillEllipse (lens);
    }

    g.setColour (juce::Colours::black.withAlpha (0.6f));
    g.drawEllipse (lens, 0.6f);
    // Glass highlight.
    g.setColour (juce::Colours::white.withAlpha (lit ? 0.75f : 0.45f));
    g.fillEllipse (juce::Rectangle<float> (radius * 0.8f, radius * 0.55f).withCentre (centre.translated (-radius * 0.3f, -radius * 0.45f)));
}

void recess (juce::Graphics& g, juce::Rectangle<float> area, float corner, juce::Colour fill)
{
    // Light lower lip, then the dark cut, then the floor with an inner shadow.
    g.setColour (juce::Colours::white.withAlpha (0.16f));
    g.fillRoundedRectangle (area.translated (0.0f, 1.0f).expanded (0.5f), corner + 0.5f);
    g.setColour (juce::Colours::black.withAlpha (0.75f));
    g.fillRoundedRectangle (area.expanded (0.5f), corner + 0.5f);
    g.setColour (fill);
    g.fillRoundedRectangle (area.reduced (0.5f), corner);

    juce::Graphics::ScopedSaveState state (g);
    juce::Path inside;
    inside.addRoundedRectangle (area.reduced (0.5f), corner);
    g.reduceClipRegion (inside);
    juce::Path rim;
    rim.addRectangle (area.expanded (12.0f));
    rim.addRoundedRectangle (area.reduced (0.5f), corner);
    rim.setUsingNonZeroWinding (false);
    shadow (g, rim, 4.0f, { 1, 2 }, 0.55f);
}
} // namespace artwork::look
