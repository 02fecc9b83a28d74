#include "HostTempo.h"

#include <cmath>

std::optional<float> readHostTempo (juce::AudioPlayHead* playHead, juce::AudioPlayHead::PositionInfo& record)
{
    if (playHead == nullptr)
        return std::nullopt;

    const auto position = playHead->getPosition();
    if (! position.hasValue())
        return std::nullopt;

    record = *position;
    const auto bpm = record.getBpm();
    if (! bpm.hasValue())
        return std::nullopt;

    const auto tempo = static_cast<float> (*bpm);
    if (! std::isfinite (tempo) || tempo <= 0.0f)
        return std::nullopt;
    return tempo;
}
