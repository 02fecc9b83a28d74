#pragma once

#include <vector>

// The four work arrays of the audio path: dry copies for the bypass ramp and
// the second copy the incoming model processes during a crossfade. Sized once
// in prepareToPlay, never on the audio thread.
class WorkBuffers
{
public:
    static constexpr int minimumLength = 16384;

    // max(blockSize, 16384) zeroed floats each.
    void allocate (int blockSize);
    void release();

    // 0 when unprepared.
    int capacity() const { return length; }

    float* dryL() { return dryLeft.data(); }
    float* dryR() { return dryRight.data(); }
    float* altL() { return altLeft.data(); }
    float* altR() { return altRight.data(); }

private:
    std::vector<float> dryLeft, dryRight, altLeft, altRight;
    int length = 0;
};
