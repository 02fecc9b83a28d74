#pragma once

// The plug-in's view of the host controller of one effect instance.

#include "ACF/AAX_ACFTypes.h"

class AAX_IController
{
public:
    virtual ~AAX_IController() = default;

    virtual AAX_Result GetEffectID (AAX_IString* outID) const = 0;
    virtual AAX_Result GetSampleRate (AAX_CSampleRate* outRate) const = 0;
    virtual AAX_Result GetInputStemFormat (AAX_EStemFormat* outFormat) const = 0;
    virtual AAX_Result GetOutputStemFormat (AAX_EStemFormat* outFormat) const = 0;
    virtual AAX_Result GetSignalLatency (std::int32_t* outSamples) const = 0;
    virtual AAX_Result GetCycleCount (AAX_EProperty which, AAX_CPropertyValue* outCycles) const = 0;
    virtual AAX_Result GetTODLocation (AAX_CTimeOfDay* outLocation) const = 0;
    virtual AAX_Result SetSignalLatency (std::int32_t samples) = 0;
    virtual AAX_Result SetCycleCount (const AAX_EProperty* which, const AAX_CPropertyValue* values,
                                      std::int32_t count) = 0;
    virtual AAX_Result PostPacket (AAX_CFieldIndex port, const void* data, std::uint32_t size) = 0;
    virtual AAX_Result SendNotification (AAX_CTypeID type, const void* data, std::uint32_t size) = 0;
    virtual AAX_Result GetCurrentMeterValue (AAX_CTypeID meter, float* outValue) const = 0;
    virtual AAX_Result GetMeterPeakValue (AAX_CTypeID meter, float* outValue) const = 0;
    virtual AAX_Result ClearMeterPeakValue (AAX_CTypeID meter) const = 0;
    virtual AAX_Result GetMeterCount (std::uint32_t* outCount) const = 0;
    virtual AAX_Result GetMeterClipped (AAX_CTypeID meter, AAX_CBoolean* outClipped) const = 0;
    virtual AAX_Result ClearMeterClipped (AAX_CTypeID meter) const = 0;
    virtual AAX_Result GetNextMIDIPacket (AAX_CFieldIndex* outPort, AAX_CMidiPacket* outPacket) = 0;
    virtual AAX_Result GetHybridSignalLatency (std::int32_t* outSamples) const = 0;
    virtual AAX_Result GetCurrentAutomationTimestamp (AAX_CTransportCounter* outTimestamp) const = 0;
    virtual AAX_Result GetHostName (AAX_IString* outName) const = 0;
    virtual AAX_Result GetPlugInTargetPlatform (AAX_CTargetPlatform* outPlatform) const = 0;
    virtual AAX_Result GetIsAudioSuite (AAX_CBoolean* outIsAudioSuite) const = 0;
};
