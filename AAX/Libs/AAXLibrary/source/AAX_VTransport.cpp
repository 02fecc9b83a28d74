#include "AAX_VTransport.h"

#include "AAX_Errors.h"
#include "AAX_HostQuery.h"

AAX_VTransport::AAX_VTransport (IACFUnknown* host)
    : v1 (AAX_HostQuery::query<AAX_IACFTransport> (host, IID_IAAXTransportV1)),
      v2 (AAX_HostQuery::query<AAX_IACFTransport_V2> (host, IID_IAAXTransportV2))
{
}

AAX_VTransport::~AAX_VTransport() = default;

AAX_Result AAX_VTransport::GetCurrentTempo (double* outBpm) const
{
    return v1 ? v1->GetCurrentTempo (outBpm) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VTransport::GetCurrentMeter (std::int32_t* outNumerator, std::int32_t* outDenominator) const
{
    return v1 ? v1->GetCurrentMeter (outNumerator, outDenominator) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VTransport::IsTransportPlaying (bool* outPlaying) const
{
    return v1 ? v1->IsTransportPlaying (outPlaying) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VTransport::GetCurrentTickPosition (std::int64_t* outTicks) const
{
    return v1 ? v1->GetCurrentTickPosition (outTicks) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VTransport::GetCurrentLoopPosition (bool* outLooping, std::int64_t* outStartTick,
                                                   std::int64_t* outEndTick) const
{
    return v1 ? v1->GetCurrentLoopPosition (outLooping, outStartTick, outEndTick) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VTransport::GetCurrentNativeSampleLocation (std::int64_t* outSample) const
{
    return v1 ? v1->GetCurrentNativeSampleLocation (outSample) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VTransport::GetCustomTickPosition (std::int64_t* outTicks, std::int64_t sampleLocation) const
{
    return v1 ? v1->GetCustomTickPosition (outTicks, sampleLocation) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VTransport::GetBarBeatPosition (std::int32_t* outBars, std::int32_t* outBeats,
                                               std::int64_t* outDisplayTicks, std::int64_t sampleLocation) const
{
    return v1 ? v1->GetBarBeatPosition (outBars, outBeats, outDisplayTicks, sampleLocation) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VTransport::GetTicksPerQuarter (std::uint32_t* outTicks) const
{
    return v1 ? v1->GetTicksPerQuarter (outTicks) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VTransport::GetCurrentTicksPerBeat (std::uint32_t* outTicks) const
{
    return v1 ? v1->GetCurrentTicksPerBeat (outTicks) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VTransport::GetTimelineSelectionStartPosition (std::int64_t* outSample) const
{
    return v2 ? v2->GetTimelineSelectionStartPosition (outSample) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VTransport::GetTimeCodeInfo (AAX_EFrameRate* outRate, std::int32_t* outOffset) const
{
    return v2 ? v2->GetTimeCodeInfo (outRate, outOffset) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VTransport::GetFeetFramesInfo (AAX_EFeetFramesRate* outRate, std::int64_t* outOffset) const
{
    return v2 ? v2->GetFeetFramesInfo (outRate, outOffset) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VTransport::IsMetronomeEnabled (std::int32_t* outEnabled) const
{
    return v2 ? v2->IsMetronomeEnabled (outEnabled) : AAX_ERROR_UNIMPLEMENTED;
}
