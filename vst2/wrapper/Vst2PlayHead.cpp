#include "Vst2PlayHead.h"

#include <cmath>

Vst2PlayHead::Vst2PlayHead (AudioEffectX& effectToAsk) : effect (effectToAsk) {}

juce::Optional<juce::AudioPlayHead::PositionInfo> Vst2PlayHead::getPosition() const
{
    if (! insideProcess.load (std::memory_order_relaxed))
        return {};

    if (const auto* info = effect.getTimeInfo (wantedFields))
        return positionFrom (*info);
    return {};
}

juce::AudioPlayHead::PositionInfo Vst2PlayHead::positionFrom (const VstHostTimeInfo& info)
{
    namespace Flag = VstTimeInfoFlag;
    const auto has = [&info] (int flag) { return (info.flags & flag) != 0; };

    PositionInfo position;
    if (std::isfinite (info.samplePosition))
    {
        position.setTimeInSamples (static_cast<juce::int64> (info.samplePosition));
        if (std::isfinite (info.sampleRate) && info.sampleRate > 0.0)
            position.setTimeInSeconds (info.samplePosition / info.sampleRate);
    }

    if (has (Flag::tempoValid) && std::isfinite (info.tempo) && info.tempo > 0.0)
        position.setBpm (info.tempo);

    if (has (Flag::ppqPositionValid) && std::isfinite (info.ppqPosition))
        position.setPpqPosition (info.ppqPosition);

    if (has (Flag::barsValid) && std::isfinite (info.barStartPosition))
        position.setPpqPositionOfLastBarStart (info.barStartPosition);

    if (has (Flag::timeSignatureValid) && info.timeSignatureNumerator > 0 && info.timeSignatureDenominator > 0)
        position.setTimeSignature (TimeSignature { info.timeSignatureNumerator, info.timeSignatureDenominator });

    position.setIsPlaying (has (Flag::transportPlaying));
    position.setIsRecording (has (Flag::transportRecording));
    position.setIsLooping (has (Flag::cycleActive));

    if (has (Flag::cyclePositionValid) && std::isfinite (info.cycleStartPosition)
        && std::isfinite (info.cycleEndPosition))
        position.setLoopPoints (LoopPoints { info.cycleStartPosition, info.cycleEndPosition });

    return position;
}
