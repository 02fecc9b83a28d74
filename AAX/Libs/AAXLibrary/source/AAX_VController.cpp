#include "AAX_VController.h"

#include "AAX_Errors.h"
#include "AAX_HostQuery.h"

AAX_VController::AAX_VController (IACFUnknown* host)
    : v1 (AAX_HostQuery::query<AAX_IACFController> (host, IID_IAAXControllerV1)),
      v2 (AAX_HostQuery::query<AAX_IACFController_V2> (host, IID_IAAXControllerV2)),
      v3 (AAX_HostQuery::query<AAX_IACFController_V3> (host, IID_IAAXControllerV3))
{
}

AAX_VController::~AAX_VController() = default;

AAX_Result AAX_VController::GetEffectID (AAX_IString* outID) const
{
    return v1 ? v1->GetEffectID (outID) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::GetSampleRate (AAX_CSampleRate* outRate) const
{
    return v1 ? v1->GetSampleRate (outRate) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::GetInputStemFormat (AAX_EStemFormat* outFormat) const
{
    return v1 ? v1->GetInputStemFormat (outFormat) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::GetOutputStemFormat (AAX_EStemFormat* outFormat) const
{
    return v1 ? v1->GetOutputStemFormat (outFormat) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::GetSignalLatency (std::int32_t* outSamples) const
{
    return v1 ? v1->GetSignalLatency (outSamples) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::GetCycleCount (AAX_EProperty which, AAX_CPropertyValue* outCycles) const
{
    return v1 ? v1->GetCycleCount (which, outCycles) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::GetTODLocation (AAX_CTimeOfDay* outLocation) const
{
    return v1 ? v1->GetTODLocation (outLocation) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::SetSignalLatency (std::int32_t samples)
{
    return v1 ? v1->SetSignalLatency (samples) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::SetCycleCount (const AAX_EProperty* which, const AAX_CPropertyValue* values,
                                           std::int32_t count)
{
    return v1 ? v1->SetCycleCount (which, values, count) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::PostPacket (AAX_CFieldIndex port, const void* data, std::uint32_t size)
{
    return v1 ? v1->PostPacket (port, data, size) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::SendNotification (AAX_CTypeID type, const void* data, std::uint32_t size)
{
    return v2 ? v2->SendNotification (type, data, size) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VController::GetCurrentMeterValue (AAX_CTypeID meter, float* outValue) const
{
    return v1 ? v1->GetCurrentMeterValue (meter, outValue) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::GetMeterPeakValue (AAX_CTypeID meter, float* outValue) const
{
    return v1 ? v1->GetMeterPeakValue (meter, outValue) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::ClearMeterPeakValue (AAX_CTypeID meter) const
{
    return v1 ? v1->ClearMeterPeakValue (meter) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::GetMeterCount (std::uint32_t* outCount) const
{
    return v1 ? v1->GetMeterCount (outCount) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::GetMeterClipped (AAX_CTypeID meter, AAX_CBoolean* outClipped) const
{
    return v1 ? v1->GetMeterClipped (meter, outClipped) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::ClearMeterClipped (AAX_CTypeID meter) const
{
    return v1 ? v1->ClearMeterClipped (meter) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::GetNextMIDIPacket (AAX_CFieldIndex* outPort, AAX_CMidiPacket* outPacket)
{
    return v1 ? v1->GetNextMIDIPacket (outPort, outPacket) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::GetHybridSignalLatency (std::int32_t* outSamples) const
{
    return v2 ? v2->GetHybridSignalLatency (outSamples) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VController::GetCurrentAutomationTimestamp (AAX_CTransportCounter* outTimestamp) const
{
    if (v2)
        return v2->GetCurrentAutomationTimestamp (outTimestamp);
    // Callers read the timestamp even on failure: leave a defined one.
    if (outTimestamp != nullptr)
        *outTimestamp = 0;
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VController::GetHostName (AAX_IString* outName) const
{
    return v2 ? v2->GetHostName (outName) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VController::GetPlugInTargetPlatform (AAX_CTargetPlatform* outPlatform) const
{
    return v3 ? v3->GetPlugInTargetPlatform (outPlatform) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VController::GetIsAudioSuite (AAX_CBoolean* outIsAudioSuite) const
{
    return v3 ? v3->GetIsAudioSuite (outIsAudioSuite) : AAX_ERROR_UNIMPLEMENTED;
}
