#pragma once

// Forwards to the host transport by interface version (see AAX_VController).

#include "ACF/AAX_ACFHostInterfaces.h"
#include "ACFPtr.h"
#include "AAX_ITransport.h"

class AAX_VTransport : public AAX_ITransport
{
public:
    explicit AAX_VTransport (IACFUnknown* host);
    ~AAX_VTransport() override;

    AAX_Result GetCurrentTempo (double* outBpm) const override;
    AAX_Result GetCurrentMeter (std::int32_t* outNumerator, std::int32_t* outDenominator) const override;
    AAX_Result IsTransportPlaying (bool* outPlaying) const override;
    AAX_Result GetCurrentTickPosition (std::int64_t* outTicks) const override;
    AAX_Result GetCurrentLoopPosition (bool* outLooping, std::int64_t* outStartTick,
                                       std::int64_t* outEndTick) const override;
    AAX_Result GetCurrentNativeSampleLocation (std::int64_t* outSample) const override;
    AAX_Result GetCustomTickPosition (std::int64_t* outTicks, std::int64_t sampleLocation) const override;
    AAX_Result GetBarBeatPosition (std::int32_t* outBars, std::int32_t* outBeats, std::int64_t* outDisplayTicks,
                                   std::int64_t sampleLocation) const override;
    AAX_Result GetTicksPerQuarter (std::uint32_t* outTicks) const override;
    AAX_Result GetCurrentTicksPerBeat (std::uint32_t* outTicks) const override;
    AAX_Result GetTimelineSelectionStartPosition (std::int64_t* outSample) const override;
    AAX_Result GetTimeCodeInfo (AAX_EFrameRate* outRate, std::int32_t* outOffset) const override;
    AAX_Result GetFeetFramesInfo (AAX_EFeetFramesRate* outRate, std::int64_t* outOffset) const override;
    AAX_Result IsMetronomeEnabled (std::int32_t* outEnabled) const override;

private:
    ACFPtr<AAX_IACFTransport> v1;
    ACFPtr<AAX_IACFTransport_V2> v2;
};
