#pragma once

// The host's interfaces as a plug-in sees them. Each version derives from the
// one before and appends the operations it introduced; a plug-in asks for the
// highest version it needs and must cope with a host that offers fewer.
// Results are AAX_Result values; values come back through output pointers.

#include "AAX_ACFTypes.h"

#define AAX_ACF_INTERFACE_END(Name) \
protected:                          \
    ~Name() = default;

// Per-instance services: sample rate, stem formats, latency, packets, meters.
class AAX_IACFController : public IACFUnknown
{
public:
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
    virtual AAX_Result GetCurrentMeterValue (AAX_CTypeID meter, float* outValue) const = 0;
    virtual AAX_Result GetMeterPeakValue (AAX_CTypeID meter, float* outValue) const = 0;
    virtual AAX_Result ClearMeterPeakValue (AAX_CTypeID meter) const = 0;
    virtual AAX_Result GetMeterCount (std::uint32_t* outCount) const = 0;
    virtual AAX_Result GetMeterClipped (AAX_CTypeID meter, AAX_CBoolean* outClipped) const = 0;
    virtual AAX_Result ClearMeterClipped (AAX_CTypeID meter) const = 0;
    virtual AAX_Result GetNextMIDIPacket (AAX_CFieldIndex* outPort, AAX_CMidiPacket* outPacket) = 0;

    AAX_ACF_INTERFACE_END (AAX_IACFController)
};

class AAX_IACFController_V2 : public AAX_IACFController
{
public:
    virtual AAX_Result SendNotification (AAX_CTypeID type, const void* data, std::uint32_t size) = 0;
    virtual AAX_Result GetHybridSignalLatency (std::int32_t* outSamples) const = 0;
    virtual AAX_Result GetCurrentAutomationTimestamp (AAX_CTransportCounter* outTimestamp) const = 0;
    virtual AAX_Result GetHostName (AAX_IString* outName) const = 0;

    AAX_ACF_INTERFACE_END (AAX_IACFController_V2)
};

class AAX_IACFController_V3 : public AAX_IACFController_V2
{
public:
    virtual AAX_Result GetPlugInTargetPlatform (AAX_CTargetPlatform* outPlatform) const = 0;
    virtual AAX_Result GetIsAudioSuite (AAX_CBoolean* outIsAudioSuite) const = 0;

    AAX_ACF_INTERFACE_END (AAX_IACFController_V3)
};

// Tempo, meter and position of the host's timeline.
class AAX_IACFTransport : public IACFUnknown
{
public:
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

    AAX_ACF_INTERFACE_END (AAX_IACFTransport)
};

class AAX_IACFTransport_V2 : public AAX_IACFTransport
{
public:
    virtual AAX_Result GetTimelineSelectionStartPosition (std::int64_t* outSample) const = 0;
    virtual AAX_Result GetTimeCodeInfo (AAX_EFrameRate* outRate, std::int32_t* outOffset) const = 0;
    virtual AAX_Result GetFeetFramesInfo (AAX_EFeetFramesRate* outRate, std::int64_t* outOffset) const = 0;
    virtual AAX_Result IsMetronomeEnabled (std::int32_t* outEnabled) const = 0;

    AAX_ACF_INTERFACE_END (AAX_IACFTransport_V2)
};

// The host's window for the plug-in's view.
class AAX_IACFViewContainer : public IACFUnknown
{
public:
    virtual std::int32_t GetType() = 0; // AAX_EViewContainer_Type
    virtual void* GetPtr() = 0;
    virtual AAX_Result GetModifiers (std::uint32_t* outModifiers) = 0;
    virtual AAX_Result SetViewSize (AAX_Point& size) = 0;
    virtual AAX_Result HandleParameterMouseDown (AAX_CParamID id, std::uint32_t modifiers) = 0;
    virtual AAX_Result HandleParameterMouseDrag (AAX_CParamID id, std::uint32_t modifiers) = 0;
    virtual AAX_Result HandleParameterMouseUp (AAX_CParamID id, std::uint32_t modifiers) = 0;

    AAX_ACF_INTERFACE_END (AAX_IACFViewContainer)
};

class AAX_IACFViewContainer_V2 : public AAX_IACFViewContainer
{
public:
    virtual AAX_Result HandleMultipleParametersMouseDown (const AAX_CParamID* ids, std::uint32_t count,
                                                          std::uint32_t modifiers) = 0;
    virtual AAX_Result HandleMultipleParametersMouseDrag (const AAX_CParamID* ids, std::uint32_t count,
                                                          std::uint32_t modifiers) = 0;
    virtual AAX_Result HandleMultipleParametersMouseUp (const AAX_CParamID* ids, std::uint32_t count,
                                                        std::uint32_t modifiers) = 0;

    AAX_ACF_INTERFACE_END (AAX_IACFViewContainer_V2)
};

// Automation: the host owns parameter values and confirms every change.
class AAX_IACFAutomationDelegate : public IACFUnknown
{
public:
    virtual AAX_Result RegisterParameter (AAX_CParamID id) = 0;
    virtual AAX_Result UnregisterParameter (AAX_CParamID id) = 0;
    virtual AAX_Result PostSetValueRequest (AAX_CParamID id, double normalizedValue) const = 0;
    virtual AAX_Result PostCurrentValue (AAX_CParamID id, double normalizedValue) const = 0;
    virtual AAX_Result PostTouchRequest (AAX_CParamID id) = 0;
    virtual AAX_Result PostReleaseRequest (AAX_CParamID id) = 0;
    virtual AAX_Result GetTouchState (AAX_CParamID id, AAX_CBoolean* outTouched) = 0;

    AAX_ACF_INTERFACE_END (AAX_IACFAutomationDelegate)
};

// Description: the collection the module fills at registration, with its
// effects, their components and property maps. Child objects are passed by
// their host unknown (null for none).
class AAX_IACFCollection : public IACFUnknown
{
public:
    virtual AAX_Result AddEffect (const char* effectID, IACFUnknown* effectDescriptor) = 0;
    virtual AAX_Result SetManufacturerName (const char* name) = 0;
    virtual AAX_Result AddPackageName (const char* name) = 0;
    virtual AAX_Result SetPackageVersion (std::uint32_t version) = 0;
    virtual AAX_Result SetProperties (IACFUnknown* propertyMap) = 0;

    AAX_ACF_INTERFACE_END (AAX_IACFCollection)
};

class AAX_IACFEffectDescriptor : public IACFUnknown
{
public:
    virtual AAX_Result AddComponent (IACFUnknown* componentDescriptor) = 0;
    virtual AAX_Result AddName (const char* name) = 0;
    virtual AAX_Result AddCategory (std::uint32_t category) = 0;
    virtual AAX_Result AddCategoryBypassParameter (std::uint32_t category, AAX_CParamID id) = 0;
    virtual AAX_Result AddProcPtr (void* procPtr, AAX_CProcPtrID procID) = 0;
    virtual AAX_Result SetProperties (IACFUnknown* propertyMap) = 0;
    virtual AAX_Result AddResourceInfo (AAX_EResourceType type, const char* info) = 0;
    virtual AAX_Result AddMeterDescription (AAX_CTypeID meter, const char* name, IACFUnknown* propertyMap) = 0;

    AAX_ACF_INTERFACE_END (AAX_IACFEffectDescriptor)
};

class AAX_IACFEffectDescriptor_V2 : public AAX_IACFEffectDescriptor
{
public:
    virtual AAX_Result AddControlMIDINode (AAX_CTypeID node, AAX_EMIDINodeType type, const char* name,
                                           std::uint32_t channelMask) = 0;

    AAX_ACF_INTERFACE_END (AAX_IACFEffectDescriptor_V2)
};

class AAX_IACFComponentDescriptor : public IACFUnknown
{
public:
    virtual AAX_Result Clear() = 0;
    virtual AAX_Result AddAudioIn (AAX_CFieldIndex field) = 0;
    virtual AAX_Result AddAudioOut (AAX_CFieldIndex field) = 0;
    virtual AAX_Result AddAudioBufferLength (AAX_CFieldIndex field) = 0;
    virtual AAX_Result AddSampleRate (AAX_CFieldIndex field) = 0;
    virtual AAX_Result AddClock (AAX_CFieldIndex field) = 0;
    virtual AAX_Result AddSideChainIn (AAX_CFieldIndex field) = 0;
    virtual AAX_Result AddDataInPort (AAX_CFieldIndex field, std::uint32_t packetSize, AAX_EDataInPortType type) = 0;
    virtual AAX_Result AddAuxOutputStem (AAX_CFieldIndex field, std::int32_t stemFormat, const char* name) = 0;
    virtual AAX_Result AddPrivateData (AAX_CFieldIndex field, std::int32_t dataSize, std::uint32_t options) = 0;
    virtual AAX_Result AddDmaInstance (AAX_CFieldIndex field, AAX_EDmaMode mode) = 0;
    virtual AAX_Result AddMeters (AAX_CFieldIndex field, const AAX_CTypeID* meterIDs, std::uint32_t count) = 0;
    virtual AAX_Result AddMIDINode (AAX_CFieldIndex field, AAX_EMIDINodeType type, const char* name,
                                    std::uint32_t channelMask) = 0;
    virtual AAX_Result AddReservedField (AAX_CFieldIndex field, std::uint32_t fieldType) = 0;
    virtual AAX_Result AddProcessProc_Native (AAX_CProcessProc process, IACFUnknown* propertyMap,
                                              AAX_CInstanceInitProc instanceInit, AAX_CBackgroundProc background,
                                              AAX_CSelector* outSelector) = 0;
    virtual AAX_Result AddProcessProc_TI (const char* dllName, const char* processName, IACFUnknown* propertyMap,
                                          const char* instanceInitName, const char* backgroundName,
                                          AAX_CSelector* outSelector) = 0;

    AAX_ACF_INTERFACE_END (AAX_IACFComponentDescriptor)
};

class AAX_IACFComponentDescriptor_V2 : public AAX_IACFComponentDescriptor
{
public:
    virtual AAX_Result AddTemporaryData (AAX_CFieldIndex field, std::uint32_t dataElementSize) = 0;

    AAX_ACF_INTERFACE_END (AAX_IACFComponentDescriptor_V2)
};

class AAX_IACFPropertyMap : public IACFUnknown
{
public:
    virtual AAX_CBoolean GetProperty (AAX_EProperty property, AAX_CPropertyValue* outValue) const = 0;
    virtual AAX_Result AddProperty (AAX_EProperty property, AAX_CPropertyValue value) = 0;
    virtual AAX_Result RemoveProperty (AAX_EProperty property) = 0;

    AAX_ACF_INTERFACE_END (AAX_IACFPropertyMap)
};

class AAX_IACFPropertyMap_V2 : public AAX_IACFPropertyMap
{
public:
    virtual AAX_Result AddPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad* ids,
                                               std::uint32_t count) = 0;
    virtual AAX_CBoolean GetPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad** outIDs,
                                                 std::uint32_t* outCount) const = 0;

    AAX_ACF_INTERFACE_END (AAX_IACFPropertyMap_V2)
};

// Diagnostics into the host's log.
class AAX_IACFHostServices : public IACFUnknown
{
public:
    virtual AAX_Result Assert (const char* file, std::int32_t line, const char* note) = 0;
    virtual AAX_Result Trace (std::int32_t priority, const char* message) = 0;

    AAX_ACF_INTERFACE_END (AAX_IACFHostServices)
};

class AAX_IACFHostServices_V2 : public AAX_IACFHostServices
{
public:
    virtual AAX_Result StackTrace (std::int32_t traceType, std::int32_t stackTraceType, const char* message) = 0;

    AAX_ACF_INTERFACE_END (AAX_IACFHostServices_V2)
};

#undef AAX_ACF_INTERFACE_END
