#include "ImageStrip.h"

#include <cmath>

namespace morvid
{
bool ImageStrip::set (juce::Image strip, int frames, int minimumFrames)
{
    const bool usable = strip.isValid() && frames >= juce::jmax (1, minimumFrames) && strip.getHeight() >= frames;

    image = usable ? strip : juce::Image();
    numberOfFrames = usable ? frames : 0;
    imageWidth = usable ? strip.getWidth() : 0;
    frameHeight = usable ? strip.getHeight() / frames : 0;
    return usable;
}

int ImageStrip::sliderFrame (double value, double minimum, double maximum) const noexcept
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

void ImageStrip::draw (juce::Graphics& g, int frame, juce::Rectangle<int> destination) const
{
    if (numberOfFrames < 1)
        return;

    g.drawImage (image,
                 destination.getX(), destination.getY(), destination.getWidth(), destination.getHeight(),
                 0, frame * frameHeight, imageWidth, frameHeight,
                 false);
}
} // namespace morvid
