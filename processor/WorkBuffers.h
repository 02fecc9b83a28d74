#pragma once

#include <vector>

// The four work arrays of the audio path: dry copies for the bypass ramp and
// the second copy the incoming model processes during a crossfade. Sized once
// in prepareToPlay, never on the audio thread.
class WorkBuffers
{
public:
    static constexpr int minimumLength = 16384;
    // A host may announce any block size; longer blocks go in pieces.
    static constexpr int maximumLength = 65536;

    // The block size announced, within minimumLength..maximumLength.
    static int lengthFor (int blockSize);

    // lengthFor (blockSize) zeroed floats each. When memory runs out nothing
    // is kept and the result is false: the buffers are released.
    bool allocate (int blockSize) noexcept;
    void release() noexcept;

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
