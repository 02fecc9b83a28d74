#pragma once

#include <cstddef>
#include <vector>

// The bench's yardstick: a minimal flanger (triangle LFO, linearly
// interpolated delay read, feedback, mix), per sample in double. Left as it
// is, so that a model's cost as a ratio to it means the same from one version
// of the engine to the next and from one machine to another.
class ReferenceFlanger
{
public:
    void prepare (double sampleRate);
    void process (float* x, int n);
    void process (float* left, float* right, int n);

private:
    struct Channel
    {
        std::vector<double> buffer;
        double feedback = 0.0;
    };

    double next (Channel& channel, double x, double delaySamples, int writeIndex);
    double nextDelay();

    double sampleRate = 48000.0;
    double phase = 0.0;
    double increment = 0.0;
    int length = 0;
    int writeIndex = 0;
    Channel channels[2];
};
