#include "HostAudioBlock.h"

void HostAudioBlock::prepare (int numChannels, int maxFrames)
{
    frames = std::clamp (maxFrames, 1, maximumFrames);
    scratch.setSize (std::max (1, numChannels), frames);
}

void HostAudioBlock::release()
{
    frames = 0;
    scratch.setSize (0, 0);
}

void HostAudioBlock::clear (float* const* outputs, int hostOuts, int numFrames)
{
    if (outputs == nullptr)
        return;
    for (int ch = 0; ch < hostOuts; ++ch)
        if (outputs[ch] != nullptr)
            std::fill_n (outputs[ch], numFrames, 0.0f);
}
