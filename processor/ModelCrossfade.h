#pragma once

#include <cstdint>

// The linear crossfade from the outgoing model's output to the incoming
// model's, over the same length as the bypass ramp.
class ModelCrossfade
{
public:
    static constexpr float floor = 1e-15f;

    void start (int16_t fadeLength);
    void stop();

    // Mixes n samples in place: the outgoing output in left/right, the
    // incoming one in altLeft/altRight (right and altRight null for mono).
    // True when the outgoing model's weight reached 0 within these samples.
    bool mix (float* left, float* right, const float* altLeft, const float* altRight, int n);

    // Weight of the outgoing model, 1 down to 0.
    float xfadeGain = 1.0f;
    float xfadeStep = 0.0f;
};
