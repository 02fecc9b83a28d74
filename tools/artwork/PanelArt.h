// The editor's background: the metal header with the preset display, the
// enamel pedal face with its lettering, marks and the maker's badge.
#pragma once

#include <juce_graphics/juce_graphics.h>

namespace artwork
{
// Everything that does not move. Opaque strips start from this image, so a
// control's frames show exactly the panel beneath it.
juce::Image paintPanelBase();

// The scale printed around a knob; `steps` marks over the ~300 degree sweep.
void paintKnobScale (juce::Graphics& g, juce::Rectangle<float> knobArea, int steps);

// The finished background: the panel with every knob's scale.
juce::Image paintBackground (const juce::Image& panelBase);

// The maker's badge, also used on the about picture.
void paintMakerBadge (juce::Graphics& g, juce::Rectangle<float> area, bool engraved);
} // namespace artwork
