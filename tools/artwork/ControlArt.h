// One frame of each kind of control, drawn into a frame-sized area.
#pragma once

#include <juce_graphics/juce_graphics.h>

namespace artwork
{
// Knob geometry shared with the printed scales: the pointer sweeps 300
// degrees, from 7 o'clock (proportion 0) to 5 o'clock (proportion 1).
float knobRadius (juce::Rectangle<float> area);
float knobAngle (float proportion);

// Cream knob with a knurled skirt; the pointer at `proportion` of the sweep.
void paintKnob (juce::Graphics& g, juce::Rectangle<float> area, float proportion, juce::Colour pointerColour);

// Three-position toggle lever; position 0 up, 1 straight out, 2 down.
void paintTypeLever (juce::Graphics& g, juce::Rectangle<float> area, int position);

// Footswitch with its LED: the LED lights while on; held shows it pressed.
void paintFootswitch (juce::Graphics& g, juce::Rectangle<float> area, bool on, bool held);

// Small slide switch on the face; the lamp in its slot lights when on.
void paintSlideSwitch (juce::Graphics& g, juce::Rectangle<float> area, bool on);

// Where a header key sits inside its place (the panel draws a well around it).
juce::Rectangle<float> keyArea (juce::Rectangle<float> place, bool held);

// Rubber key of the header, with a caption or a drawn glyph.
enum class KeyGlyph { none, left, right };
void paintHeaderKey (juce::Graphics& g, juce::Rectangle<float> area, const juce::String& caption, KeyGlyph glyph, bool held);

// A/B selector: the active slot lit.
void paintSlotSelector (juce::Graphics& g, juce::Rectangle<float> area, bool slotB);

// Copy key "A > B" or "B > A".
void paintCopyKey (juce::Graphics& g, juce::Rectangle<float> area, bool fromB, bool held);

// Dialog button: plain, the accent colour for the usual answer, or a warning
// colour for an answer that destroys something.
enum class ButtonTone { plain, primary, warning };
void paintDialogButton (juce::Graphics& g, juce::Rectangle<float> area, const juce::String& caption, ButtonTone tone, bool held);
} // namespace artwork
