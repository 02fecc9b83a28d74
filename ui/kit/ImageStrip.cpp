#include "ImageStrip.h"

#include <cmath>

namespace morvid
{
int stripFrameHeight (const juce::Image& strip, int numberOfFrames) noexcept
{
    if (! strip.isValid() || numberOfFrames < 1)
        return 0;
    return strip.getHeight() / numberOfFrames;
}

int sliderFrameIndex (double value, double minimum, double maximum, int numberOfFrames) noexcept
{
    if (numberOfFrames < 1 || ! (maximum > minimum))
        return 0;

    const double proportion = (value - minimum) / (maximum - minimum);
    const double frame = std::ceil ((numberOfFrames - 1) * proportion);

    // The slider keeps its value inside the range; the clamp only guards the
    // source rectangle against a value that is not (NaN included).
    if (! (frame > 0.0))
        return 0;
    return frame >= numberOfFrames - 1 ? numberOfFrames - 1 : (int) frame;
}

void drawStripFrame (juce::Graphics& g, const juce::Image& strip, int frame,
                     int imageWidth, int frameHeight, juce::Rectangle<int> destination)
{
    if (! strip.isValid() || frameHeight <= 0 || imageWidth <= 0)
        return;

    g.drawImage (strip,
                 destination.getX(), destination.getY(), destination.getWidth(), destination.getHeight(),
                 0, frame * frameHeight, imageWidth, frameHeight,
                 false);
}
} // namespace morvid
