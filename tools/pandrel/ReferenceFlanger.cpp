#include "ReferenceFlanger.h"

void ReferenceFlanger::prepare (double rate)
{
    sampleRate = rate;
    increment = 0.5 / rate; // 0.5 Hz
    length = static_cast<int> (0.02 * rate) + 2;
    for (auto& channel : channels)
        channel.buffer.assign (static_cast<size_t> (length), 0.0);
}

double ReferenceFlanger::nextDelay()
{
    phase += increment;
    if (phase >= 1.0)
        phase -= 1.0;
    const double triangle = phase < 0.5 ? phase + phase : 2.0 - (phase + phase);
    return (0.001 + 0.005 * triangle) * sampleRate; // 1 to 6 ms
}

double ReferenceFlanger::next (Channel& channel, double x, double delaySamples, int index)
{
    double* const buffer = channel.buffer.data();
    buffer[index] = x + 0.5 * channel.feedback;

    double r = index - delaySamples;
    if (r < 0.0)
        r += length;
    const int i = static_cast<int> (r);
    const double frac = r - i;
    const int j = i + 1 == length ? 0 : i + 1;
    const double y = buffer[i] + frac * (buffer[j] - buffer[i]);

    channel.feedback = y;
    return 0.5 * x + 0.5 * y;
}

void ReferenceFlanger::process (float* x, int n)
{
    for (int k = 0; k < n; ++k)
    {
        const double d = nextDelay();
        x[k] = static_cast<float> (next (channels[0], x[k], d, writeIndex));
        if (++writeIndex == length)
            writeIndex = 0;
    }
}

void ReferenceFlanger::process (float* left, float* right, int n)
{
    for (int k = 0; k < n; ++k)
    {
        const double d = nextDelay();
        left[k] = static_cast<float> (next (channels[0], left[k], d, writeIndex));
        right[k] = static_cast<float> (next (channels[1], right[k], d, writeIndex));
        if (++writeIndex == length)
            writeIndex = 0;
    }
}
