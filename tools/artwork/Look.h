// The house look: palette and the drawing primitives every image shares
// (one light from the upper left, soft shadows, engraved lettering).
#pragma once

#include <juce_graphics/juce_graphics.h>

namespace artwork::look
{
namespace colours
{
inline const juce::Colour enamelTop { 0xff1b5a6e };
inline const juce::Colour enamelBottom { 0xff0b2e3b };
inline const juce::Colour engraving { 0xffeee5cc };
inline const juce::Colour engravingDim { 0xffb9c7c4 };
inline const juce::Colour headerTop { 0xff2e3236 };
inline const juce::Colour headerBottom { 0xff1a1c1f };
inline const juce::Colour dialogTop { 0xff2b2f34 };
inline const juce::Colour dialogBottom { 0xff1b1e21 };
inline const juce::Colour dialogText { 0xffd3d3d3 };
inline const juce::Colour cream { 0xffeee3c4 };
inline const juce::Colour creamShade { 0xffc2b28c };
inline const juce::Colour pointer { 0xff2a2119 };
inline const juce::Colour syncPointer { 0xffb02a1c };
inline const juce::Colour ledRed { 0xffff3b22 };
inline const juce::Colour ledAmber { 0xffffb545 };
inline const juce::Colour accent { 0xff2f8fa6 };
} // namespace colours

// Sans-serif font of the given height; bold when asked, with letter spacing.
juce::Font font (float height, bool bold, float tracking = 0.0f);

// Light lettering cut into the panel: a dark lip above, a faint light lip below.
void engrave (juce::Graphics& g, const juce::String& text, juce::Rectangle<float> area,
              const juce::Font& font, juce::Justification justification,
              juce::Colour ink = colours::engraving);

// Soft shadow of a shape, offset down and right from the upper-left light.
void shadow (juce::Graphics& g, const juce::Path& shape, float radius, juce::Point<int> offset, float alpha);

// Fine deterministic grain (dither) over an area, so gradients do not band.
void grain (juce::Image& image, juce::Rectangle<int> area, int amount, juce::int64 seed);

// Horizontal brushing over an area, for the metal header.
void brush (juce::Image& image, juce::Rectangle<int> area, float strength, juce::int64 seed);

// A chrome gradient across a circle or rectangle lit from the upper left.
juce::ColourGradient chrome (juce::Rectangle<float> area, float brightness = 1.0f);

// A chrome part: the shape filled with chrome() over its bounds, then a dark outline.
void chromePart (juce::Graphics& g, const juce::Path& shape, float brightness, float outlineAlpha, float outlineWidth);

// Slotted screw head.
void screw (juce::Graphics& g, juce::Point<float> centre, float radius, float slotAngle);

// Round LED in a chrome bezel; lit with a glow.
void led (juce::Graphics& g, juce::Point<float> centre, float radius, juce::Colour colour, bool lit);

// Recessed rectangle (display windows, wells): inner shadow, light lower lip.
void recess (juce::Graphics& g, juce::Rectangle<float> area, float corner, juce::Colour fill);
} // namespace artwork::look
