#pragma once

#include "AudioEffectX.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <atomic>

// The host's transport as JUCE's play head: each question asks the host for
// its time-info record. Hosts answer that call only while they process audio
// (some read thread-local transport state), so outside the process call the
// play head knows nothing.
class Vst2PlayHead : public juce::AudioPlayHead
{
public:
    explicit Vst2PlayHead (AudioEffectX& effectToAsk);

    juce::Optional<PositionInfo> getPosition() const override;

    // Set by the audio callback around the processor's processBlock.
    void setInsideProcess (bool isInside) { insideProcess.store (isInside, std::memory_order_relaxed); }

    // The fields of a host record that its flags mark valid; values a host
    // could not mean (non-finite, not positive) are left out.
    static PositionInfo positionFrom (const VstHostTimeInfo& info);

    // The fields asked of the host.
    static constexpr int wantedFields = VstTimeInfoFlag::ppqPositionValid | VstTimeInfoFlag::tempoValid
                                        | VstTimeInfoFlag::barsValid | VstTimeInfoFlag::cyclePositionValid
                                        | VstTimeInfoFlag::timeSignatureValid;

private:
    AudioEffectX& effect;
    std::atomic<bool> insideProcess { false };
};
