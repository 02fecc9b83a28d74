#pragma once

// What the host calls on the plug-in: an effect's parameter object and its
// GUI object. The three parameter versions form one table; a host that knows
// an older version simply uses a shorter prefix of it.

#include "AAX_ACFTypes.h"

class AAX_IParameter; // the plug-in's own parameter class; hosts only pass it along

class AAX_IACFEffectParameters : public IACFUnknown
{
public:
    virtual AAX_Result Initialize (IACFUnknown* controller) = 0;
    virtual AAX_Result Uninitialize() = 0;
    virtual AAX_Result NotificationReceived (AAX_CTypeID type, const void* data, std::uint32_t size) = 0;

    virtual AAX_Result GetNumberOfParameters (std::int32_t* outCount) const = 0;
    virtual AAX_Result GetMasterBypassParameter (AAX_IString* outID) const = 0;
    virtual AAX_Result GetParameterIsAutomatable (AAX_CParamID id, AAX_CBoolean* outAutomatable) const = 0;
    virtual AAX_Result GetParameterNumberOfSteps (AAX_CParamID id, std::int32_t* outSteps) const = 0;
    virtual AAX_Result GetParameterName (AAX_CParamID id, AAX_IString* outName) const = 0;
    virtual AAX_Result GetParameterNameOfLength (AAX_CParamID id, AAX_IString* outName,
                                                 std::int32_t length) const = 0;
    virtual AAX_Result GetParameterDefaultNormalizedValue (AAX_CParamID id, double* outValue) const = 0;
    virtual AAX_Result SetParameterDefaultNormalizedValue (AAX_CParamID id, double value) = 0;
    virtual AAX_Result GetParameterType (AAX_CParamID id, AAX_EParameterType* outType) const = 0;
    virtual AAX_Result GetParameterOrientation (AAX_CParamID id, AAX_EParameterOrientation* outOrientation) const = 0;
    virtual AAX_Result GetParameter (AAX_CParamID id, AAX_IParameter** outParameter) = 0;
    virtual AAX_Result GetParameterIndex (AAX_CParamID id, std::int32_t* outIndex) const = 0;
    virtual AAX_Result GetParameterIDFromIndex (std::int32_t index, AAX_IString* outID) const = 0;
    virtual AAX_Result GetParameterValueInfo (AAX_CParamID id, std::int32_t selector, std::int32_t* outValue) const = 0;
    virtual AAX_Result GetParameterValueFromString (AAX_CParamID id, double* outValue,
                                                    const AAX_IString& text) const = 0;
    virtual AAX_Result GetParameterStringFromValue (AAX_CParamID id, double value, AAX_IString* outText,
                                                    std::int32_t maxLength) const = 0;
    virtual AAX_Result GetParameterValueString (AAX_CParamID id, AAX_IString* outText,
                                                std::int32_t maxLength) const = 0;
    virtual AAX_Result GetParameterNormalizedValue (AAX_CParamID id, double* outValue) const = 0;
    virtual AAX_Result SetParameterNormalizedValue (AAX_CParamID id, double value) = 0;
    virtual AAX_Result SetParameterNormalizedRelative (AAX_CParamID id, double delta) = 0;
    virtual AAX_Result TouchParameter (AAX_CParamID id) = 0;
    virtual AAX_Result ReleaseParameter (AAX_CParamID id) = 0;
    virtual AAX_Result UpdateParameterTouch (AAX_CParamID id, AAX_CBoolean touched) = 0;
    virtual AAX_Result UpdateParameterNormalizedValue (AAX_CParamID id, double value, AAX_EUpdateSource source) = 0;
    virtual AAX_Result UpdateParameterNormalizedRelative (AAX_CParamID id, double delta) = 0;
    virtual AAX_Result GenerateCoefficients() = 0;
    virtual AAX_Result ResetFieldData (AAX_CFieldIndex field, void* data, std::uint32_t size) const = 0;

    virtual AAX_Result GetNumberOfChunks (std::int32_t* outCount) const = 0;
    virtual AAX_Result GetChunkIDFromIndex (std::int32_t index, AAX_CTypeID* outID) const = 0;
    virtual AAX_Result GetChunkSize (AAX_CTypeID id, std::uint32_t* outSize) const = 0;
    virtual AAX_Result GetChunk (AAX_CTypeID id, AAX_SPlugInChunk* outChunk) const = 0;
    virtual AAX_Result SetChunk (AAX_CTypeID id, const AAX_SPlugInChunk* chunk) = 0;
    virtual AAX_Result CompareActiveChunk (const AAX_SPlugInChunk* chunk, AAX_CBoolean* outIsEqual) const = 0;
    virtual AAX_Result GetNumberOfChanges (std::int32_t* outCount) const = 0;

    virtual AAX_Result TimerWakeup() = 0;
    virtual AAX_Result GetCurveData (AAX_CTypeID curve, const float* values, std::uint32_t count,
                                     float* outValues) const = 0;
    virtual AAX_Result GetCustomData (AAX_CTypeID type, std::uint32_t size, void* outData,
                                      std::uint32_t* outSize) const = 0;
    virtual AAX_Result SetCustomData (AAX_CTypeID type, std::uint32_t size, const void* data) = 0;
    virtual AAX_Result DoMIDITransfers() = 0;

protected:
    ~AAX_IACFEffectParameters() = default;
};

class AAX_IACFEffectParameters_V2 : public AAX_IACFEffectParameters
{
public:
    virtual AAX_Result RenderAudio_Hybrid (AAX_SHybridRenderInfo* info) = 0;
    virtual AAX_Result UpdateMIDINodes (AAX_CFieldIndex field, AAX_CMidiPacket& packet) = 0;
    virtual AAX_Result UpdateControlMIDINodes (AAX_CTypeID node, AAX_CMidiPacket& packet) = 0;

protected:
    ~AAX_IACFEffectParameters_V2() = default;
};

class AAX_IACFEffectParameters_V3 : public AAX_IACFEffectParameters_V2
{
public:
    virtual AAX_Result GetCurveDataMeterIds (AAX_CTypeID curve, std::uint32_t* outXMeter,
                                             std::uint32_t* outYMeter) const = 0;
    virtual AAX_Result GetCurveDataDisplayRange (AAX_CTypeID curve, float* outXMin, float* outXMax, float* outYMin,
                                                 float* outYMax) const = 0;

protected:
    ~AAX_IACFEffectParameters_V3() = default;
};

class AAX_IACFEffectGUI : public IACFUnknown
{
public:
    virtual AAX_Result Initialize (IACFUnknown* host) = 0;
    virtual AAX_Result Uninitialize() = 0;
    virtual AAX_Result NotificationReceived (AAX_CTypeID type, const void* data, std::uint32_t size) = 0;
    virtual AAX_Result SetViewContainer (IACFUnknown* container) = 0;
    virtual AAX_Result GetViewSize (AAX_Point* outSize) const = 0;
    virtual AAX_Result Draw (AAX_Rect* area) = 0;
    virtual AAX_Result TimerWakeup() = 0;
    virtual AAX_Result ParameterUpdated (AAX_CParamID id) = 0;
    virtual AAX_Result GetCustomLabel (AAX_EPlugInStrings which, AAX_IString* outLabel) const = 0;
    virtual AAX_Result SetControlHighlightInfo (AAX_CParamID id, AAX_CBoolean highlighted,
                                                AAX_EHighlightColor color) = 0;

protected:
    ~AAX_IACFEffectGUI() = default;
};
