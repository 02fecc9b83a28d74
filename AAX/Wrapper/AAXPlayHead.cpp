#include "AAXPlayHead.h"

#include "AAX_Errors.h"
#include "AAX_ITransport.h"

#include <cmath>

juce::Optional<juce::AudioPlayHead::PositionInfo> AAXPlayHead::getPosition() const
{
    const auto* t = transport.load();
    if (t == nullptr || ! insideRender.load (std::memory_order_relaxed))
        return {};

    PositionInfo info;
    double bpm = 0.0;
    if (t->GetCurrentTempo (&bpm) == AAX_SUCCESS && std::isfinite (bpm) && bpm > 0.0)
        info.setBpm (bpm);

    std::int32_t numerator = 0, denominator = 0;
    if (t->GetCurrentMeter (&numerator, &denominator) == AAX_SUCCESS && numerator > 0 && denominator > 0)
        info.setTimeSignature (juce::AudioPlayHead::TimeSignature { numerator, denominator });

    bool playing = false;
    if (t->IsTransportPlaying (&playing) == AAX_SUCCESS)
        info.setIsPlaying (playing);

    std::int64_t sample = 0;
    if (t->GetCurrentNativeSampleLocation (&sample) == AAX_SUCCESS)
        info.setTimeInSamples (sample);

    return info;
}
