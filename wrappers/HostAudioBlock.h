#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

#include <algorithm>

// Carries the host's channel buffers through a processor. Hosts hand separate
// input and output buffers, the same buffers (in place), or outputs that alias
// other inputs or each other, and may hand null channels. The inputs of a
// piece are all copied into a scratch buffer before any output is written, so
// every arrangement comes out right; blocks longer than the scratch are done
// in pieces. Only prepare and release allocate.
class HostAudioBlock
{
public:
    // Whatever block size a host announces, the scratch holds at most this.
    static constexpr int maximumFrames = 65536;

    void prepare (int numChannels, int maxFrames);
    void release();
    bool isPrepared() const { return frames > 0; }

    // Runs process (juce::AudioBuffer<float>&) over numFrames host frames:
    // numIns host inputs feed the scratch (missing ones are silence), the
    // scratch's first numOuts channels go back to the outputs, and host
    // outputs beyond them up to hostOuts are cleared.
    template <typename Process>
    void run (float* const* inputs, int numIns, float* const* outputs, int numOuts, int hostOuts, int numFrames,
              Process&& process)
    {
        const int channels = std::min (std::max (numIns, numOuts), scratch.getNumChannels());
        for (int start = 0; start < numFrames; start += frames)
        {
            const int n = std::min (frames, numFrames - start);
            for (int ch = 0; ch < channels; ++ch)
            {
                const float* in = inputs != nullptr && ch < numIns ? inputs[ch] : nullptr;
                if (in != nullptr)
                    scratch.copyFrom (ch, 0, in + start, n);
                else
                    scratch.clear (ch, 0, n);
            }

            juce::AudioBuffer<float> piece (scratch.getArrayOfWritePointers(), channels, n);
            process (piece);

            for (int ch = 0; ch < hostOuts; ++ch)
            {
                if (outputs == nullptr || outputs[ch] == nullptr)
                    continue;
                if (ch < std::min (numOuts, channels))
                    std::copy_n (scratch.getReadPointer (ch), n, outputs[ch] + start);
                else
                    std::fill_n (outputs[ch] + start, n, 0.0f);
            }
        }
    }

    // Silence on every non-null host output.
    static void clear (float* const* outputs, int hostOuts, int numFrames);

private:
    juce::AudioBuffer<float> scratch;
    int frames = 0;
};
