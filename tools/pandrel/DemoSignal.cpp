#include "DemoSignal.h"

#include <cmath>
#include <vector>

namespace
{
// One plucked string: a noise burst circulating in a delay line with a
// two-point average, which damps the high partials first.
void pluck (juce::AudioBuffer<float>& out, juce::Random& random, double sampleRate, double hz, int start, float pan)
{
    const int period = juce::jmax (2, static_cast<int> (std::lround (sampleRate / hz)));
    std::vector<float> line (static_cast<size_t> (period));
    for (auto& v : line)
        v = random.nextFloat() * 2.0f - 1.0f;

    const float decay = 0.996f;
    const float leftGain = std::cos (pan * juce::MathConstants<float>::halfPi);
    const float rightGain = std::sin (pan * juce::MathConstants<float>::halfPi);
    size_t pos = 0;
    for (int n = start; n < out.getNumSamples(); ++n)
    {
        const size_t next = (pos + 1) % line.size();
        const float v = line[pos];
        line[pos] = decay * 0.5f * (v + line[next]);
        pos = next;
        out.addSample (0, n, v * leftGain);
        out.addSample (1, n, v * rightGain);
    }
}
} // namespace

juce::AudioBuffer<float> DemoSignal::make (double sampleRate, double seconds)
{
    const int length = static_cast<int> (sampleRate * seconds);
    juce::AudioBuffer<float> out (2, length);
    out.clear();
    juce::Random random (4418);

    // E major, A major, B major, E major: one strum a second, low to high.
    const double chords[4][6] = { { 82.41, 123.47, 164.81, 207.65, 246.94, 329.63 },
                                  { 110.00, 164.81, 220.00, 277.18, 329.63, 440.00 },
                                  { 123.47, 185.00, 246.94, 311.13, 369.99, 493.88 },
                                  { 82.41, 123.47, 164.81, 207.65, 246.94, 329.63 } };
    for (int c = 0; c < 4; ++c)
    {
        const int strum = static_cast<int> (sampleRate * (0.1 + 1.2 * c));
        for (int s = 0; s < 6; ++s)
            pluck (out, random, sampleRate, chords[c][s], strum + static_cast<int> (sampleRate * 0.012 * s),
                   0.25f + 0.1f * static_cast<float> (s));
    }

    const float peak = out.getMagnitude (0, length);
    if (peak > 0.0f)
        out.applyGain (0.5f / peak);
    return out;
}
