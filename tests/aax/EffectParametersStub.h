#pragma once

// Every operation of an effect's parameter object answering "unsupported",
// over any base that declares them: the host's view of a parameter object or
// the plug-in's AAX_IEffectParameters. Tests override what they look at.

#include "AAX_ACFEffect.h"

namespace aaxhost
{
inline constexpr AAX_Result unsupported = -20009;

template <class Base>
class EffectParametersStub : public Base
{
public:
    using Base::Base;

    AAX_Result Initialize (IACFUnknown*) override { return unsupported; }
    AAX_Result Uninitialize() override { return unsupported; }
    AAX_Result NotificationReceived (AAX_CTypeID, const void*, std::uint32_t) override { return unsupported; }
    AAX_Result GetNumberOfParameters (std::int32_t*) const override { return unsupported; }
    AAX_Result GetMasterBypassParameter (AAX_IString*) const override { return unsupported; }
    AAX_Result GetParameterIsAutomatable (AAX_CParamID, AAX_CBoolean*) const override { return unsupported; }
    AAX_Result GetParameterNumberOfSteps (AAX_CParamID, std::int32_t*) const override { return unsupported; }
    AAX_Result GetParameterName (AAX_CParamID, AAX_IString*) const override { return unsupported; }
    AAX_Result GetParameterNameOfLength (AAX_CParamID, AAX_IString*, std::int32_t) const override
    {
        return unsupported;
    }
    AAX_Result GetParameterDefaultNormalizedValue (AAX_CParamID, double*) const override { return unsupported; }
    AAX_Result SetParameterDefaultNormalizedValue (AAX_CParamID, double) override { return unsupported; }
    AAX_Result GetParameterType (AAX_CParamID, AAX_EParameterType*) const override { return unsupported; }
    AAX_Result GetParameterOrientation (AAX_CParamID, AAX_EParameterOrientation*) const override
    {
        return unsupported;
    }
    AAX_Result GetParameter (AAX_CParamID, AAX_IParameter**) override { return unsupported; }
    AAX_Result GetParameterIndex (AAX_CParamID, std::int32_t*) const override { return unsupported; }
    AAX_Result GetParameterIDFromIndex (std::int32_t, AAX_IString*) const override { return unsupported; }
    AAX_Result GetParameterValueInfo (AAX_CParamID, std::int32_t, std::int32_t*) const override
    {
        return unsupported;
    }
    AAX_Result GetParameterValueFromString (AAX_CParamID, double*, const AAX_IString&) const override
    {
        return unsupported;
    }
    AAX_Result GetParameterStringFromValue (AAX_CParamID, double, AAX_IString*, std::int32_t) const override
    {
        return unsupported;
    }
    AAX_Result GetParameterValueString (AAX_CParamID, AAX_IString*, std::int32_t) const override
    {
        return unsupported;
    }
    AAX_Result GetParameterNormalizedValue (AAX_CParamID, double*) const override { return unsupported; }
    AAX_Result SetParameterNormalizedValue (AAX_CParamID, double) override { return unsupported; }
    AAX_Result SetParameterNormalizedRelative (AAX_CParamID, double) override { return unsupported; }
    AAX_Result TouchParameter (AAX_CParamID) override { return unsupported; }
    AAX_Result ReleaseParameter (AAX_CParamID) override { return unsupported; }
    AAX_Result UpdateParameterTouch (AAX_CParamID, AAX_CBoolean) override { return unsupported; }
    AAX_Result UpdateParameterNormalizedValue (AAX_CParamID, double, AAX_EUpdateSource) override
    {
        return unsupported;
    }
    AAX_Result UpdateParameterNormalizedRelative (AAX_CParamID, double) override { return unsupported; }
    AAX_Result GenerateCoefficients() override { return unsupported; }
    AAX_Result ResetFieldData (AAX_CFieldIndex, void*, std::uint32_t) const override { return unsupported; }
    AAX_Result GetNumberOfChunks (std::int32_t*) const override { return unsupported; }
    AAX_Result GetChunkIDFromIndex (std::int32_t, AAX_CTypeID*) const override { return unsupported; }
    AAX_Result GetChunkSize (AAX_CTypeID, std::uint32_t*) const override { return unsupported; }
    AAX_Result GetChunk (AAX_CTypeID, AAX_SPlugInChunk*) const override { return unsupported; }
    AAX_Result SetChunk (AAX_CTypeID, const AAX_SPlugInChunk*) override { return unsupported; }
    AAX_Result CompareActiveChunk (const AAX_SPlugInChunk*, AAX_CBoolean*) const override { return unsupported; }
    AAX_Result GetNumberOfChanges (std::int32_t*) const override { return unsupported; }
    AAX_Result TimerWakeup() override { return unsupported; }
    AAX_Result GetCurveData (AAX_CTypeID, const float*, std::uint32_t, float*) const override { return unsupported; }
    AAX_Result GetCustomData (AAX_CTypeID, std::uint32_t, void*, std::uint32_t*) const override
    {
        return unsupported;
    }
    AAX_Result SetCustomData (AAX_CTypeID, std::uint32_t, const void*) override { return unsupported; }
    AAX_Result DoMIDITransfers() override { return unsupported; }
    AAX_Result RenderAudio_Hybrid (AAX_SHybridRenderInfo*) override { return unsupported; }
    AAX_Result UpdateMIDINodes (AAX_CFieldIndex, AAX_CMidiPacket&) override { return unsupported; }
    AAX_Result UpdateControlMIDINodes (AAX_CTypeID, AAX_CMidiPacket&) override { return unsupported; }
    AAX_Result GetCurveDataMeterIds (AAX_CTypeID, std::uint32_t*, std::uint32_t*) const override
    {
        return unsupported;
    }
    AAX_Result GetCurveDataDisplayRange (AAX_CTypeID, float*, float*, float*, float*) const override
    {
        return unsupported;
    }
};
} // namespace aaxhost
