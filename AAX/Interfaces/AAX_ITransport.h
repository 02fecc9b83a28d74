#pragma once

// The plug-in's view of the host's transport.

#include "ACF/AAX_ACFTypes.h"

class AAX_ITransport
{
public:
    virtual ~AAX_ITransport() = default;

    virtual AAX_Result GetCurrentTempo (double* outBpm) const = 0;
    virtual AAX_Result GetCurrentMeter (std::int32_t* outNumerator, std::int32_t* outDenominator) const = 0;
    virtual AAX_Result IsTransportPlaying (bool* outPlaying) const = 0;
    virtual AAX_Result GetCurrentTickPosition (std::int64_t* outTicks) const = 0;
    virtual AAX_Result GetCurrentLoopPosition (bool* outLooping, std::int64_t* outStartTick,
                                               std::int64_t* outEndTick) const = 0;
    virtual AAX_Result GetCurrentNativeSampleLocation (std::int64_t* outSample) const = 0;
    virtual AAX_Result GetCustomTickPosition (std::int64_t* outTicks, std::int64_t sampleLocation) const = 0;
    virtual AAX_Result GetBarBeatPosition (std::int32_t* outBars, std::int32_t* outBeats, std::int64_t* outDisplayTicks,
                                           std::int64_t sampleLocation) const = 0;
    virtual AAX_Result GetTicksPerQuarter (std::uint32_t* outTicks) const = 0;
    virtual AAX_Result GetCurrentTicksPerBeat (std::uint32_t* outTicks) const = 0;
    virtual AAX_Result GetTimelineSelectionStartPosition (std::int64_t* outSample) const = 0;
    virtual AAX_Result GetTimeCodeInfo (AAX_EFrameRate* outRate, std::int32_t* outOffset) const = 0;
    virtual AAX_Result GetFeetFramesInfo (AAX_EFeetFramesRate* outRate, std::int64_t* outOffset) const = 0;
    virtual AAX_Result IsMetronomeEnabled (std::int32_t* outEnabled) const = 0;
};
