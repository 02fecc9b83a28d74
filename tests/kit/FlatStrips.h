// Test strips whose frames are flat colours that name their frame, and a way
// to read back which frame a control drew.
#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace kittest
{
inline juce::Colour frameColour (int frame)
{
    return juce::Colour ((juce::uint8) (40 + frame), (juce::uint8) (200 - frame), (juce::uint8) 90);
}

// `frames` frames of width x frameHeight, plus `leftoverRows` white rows below.
inline juce::Image flatStrip (int width, int frameHeight, int frames, int leftoverRows = 0)
{
    juce::Image strip (juce::Image::RGB, width, frameHeight * frames + leftoverRows, true);
    juce::Graphics g (strip);
    g.fillAll (juce::Colours::white);
    for (int f = 0; f < frames; ++f)
    {
        g.setColour (frameColour (f));
        g.fillRect (0, f * frameHeight, width, frameHeight);
    }
    return strip;
}

inline juce::Colour pixelOf (juce::Component& component, juce::Point<int> at)
{
    return component.createComponentSnapshot (component.getLocalBounds()).getPixelAt (at.x, at.y);
}

// The frame drawn at `at` (the centre by default); -1 when nothing was drawn.
inline int frameShown (juce::Component& component, juce::Point<int> at = { -1, -1 })
{
    if (at.x < 0)
        at = component.getLocalBounds().getCentre();
    const auto pixel = pixelOf (component, at);
    if (pixel.getAlpha() == 0)
        return -1;
    if (pixel.getGreen() != 200 - (pixel.getRed() - 40) || pixel.getBlue() != 90)
        return -2; // not a frame colour: a blend or the leftover rows
    return pixel.getRed() - 40;
}

// A left-button press or drag at a point of a component (or, with no
// buttons, a pointer over it).
inline juce::MouseEvent mouseAt (juce::Component& component, juce::Point<float> at, juce::Point<float> pressedAt, bool dragged,
                                 juce::ModifierKeys buttons = juce::ModifierKeys::leftButtonModifier,
                                 juce::Time now = juce::Time::getCurrentTime())
{
    return { juce::Desktop::getInstance().getMainMouseSource(), at, buttons,
             juce::MouseInputSource::defaultPressure, juce::MouseInputSource::defaultOrientation,
             juce::MouseInputSource::defaultRotation, juce::MouseInputSource::defaultTiltX,
             juce::MouseInputSource::defaultTiltY, &component, &component, now, pressedAt, now, 1, dragged };
}

// One mouse-wheel step over a component, each a moment after the last (a
// slider ignores a repeated event).
inline void wheelOver (juce::Component& component, float deltaY)
{
    static juce::int64 ms = 0;
    const auto centre = component.getLocalBounds().getCentre().toFloat();
    component.mouseWheelMove (mouseAt (component, centre, centre, false, {}, juce::Time (++ms)), { 0.0f, deltaY, false, false, false });
}
} // namespace kittest
