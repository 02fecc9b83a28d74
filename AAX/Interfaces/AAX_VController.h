#pragma once

// Forwards to the host controller, each operation to the interface version
// that introduced it; a version the host lacks answers -20004 (version 1) or
// -20009 (later versions).

#include "ACF/AAX_ACFHostInterfaces.h"
#include "ACFPtr.h"
#include "AAX_IController.h"

class AAX_VController : public AAX_IController
{
public:
    explicit AAX_VController (IACFUnknown* host);
    ~AAX_VController() override;

    AAX_Result GetEffectID (AAX_IString* outID) const override;
    AAX_Result GetSampleRate (AAX_CSampleRate* outRate) const override;
    AAX_Result GetInputStemFormat (AAX_EStemFormat* outFormat) const override;
    AAX_Result GetOutputStemFormat (AAX_EStemFormat* outFormat) const override;
    AAX_Result GetSignalLatency (std::int32_t* outSamples) const override;
    AAX_Result GetCycleCount (AAX_EProperty which, AAX_CPropertyValue* outCycles) const override;
    AAX_Result GetTODLocation (AAX_CTimeOfDay* outLocation) const override;
    AAX_Result SetSignalLatency (std::int32_t samples) override;
    AAX_Result SetCycleCount (const AAX_EProperty* which, const AAX_CPropertyValue* values,
                              std::int32_t count) override;
    AAX_Result PostPacket (AAX_CFieldIndex port, const void* data, std::uint32_t size) override;
    AAX_Result SendNotification (AAX_CTypeID type, const void* data, std::uint32_t size) override;
    AAX_Result GetCurrentMeterValue (AAX_CTypeID meter, float* outValue) const override;
    AAX_Result GetMeterPeakValue (AAX_CTypeID meter, float* outValue) const override;
    AAX_Result ClearMeterPeakValue (AAX_CTypeID meter) const override;
    AAX_Result GetMeterCount (std::uint32_t* outCount) const override;
    AAX_Result GetMeterClipped (AAX_CTypeID meter, AAX_CBoolean* outClipped) const override;
    AAX_Result ClearMeterClipped (AAX_CTypeID meter) const override;
    AAX_Result GetNextMIDIPacket (AAX_CFieldIndex* outPort, AAX_CMidiPacket* outPacket) override;
    AAX_Result GetHybridSignalLatency (std::int32_t* outSamples) const override;
    AAX_Result GetCurrentAutomationTimestamp (AAX_CTransportCounter* outTimestamp) const override;
    AAX_Result GetHostName (AAX_IString* outName) const override;
    AAX_Result GetPlugInTargetPlatform (AAX_CTargetPlatform* outPlatform) const override;
    AAX_Result GetIsAudioSuite (AAX_CBoolean* outIsAudioSuite) const override;

private:
    ACFPtr<AAX_IACFController> v1;
    ACFPtr<AAX_IACFController_V2> v2;
    ACFPtr<AAX_IACFController_V3> v3;
};
