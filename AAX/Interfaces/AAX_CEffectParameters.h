#pragma once

// The plug-in side of an AAX effect's parameter model: what the host asks for
// parameter values, names, texts, automation updates, state chunks and
// coefficient packets. It owns the parameters, a packet dispatcher, a chunk
// parser and wrappers of the host's controller, transport and automation. A
// subclass adds its parameters and packets in EffectInit.

#include "AAX_CChunkDataParser.h"
#include "AAX_CPacketDispatcher.h"
#include "AAX_CParameterManager.h"
#include "AAX_IEffectParameters.h"

#include <cstdint>
#include <memory>
#include <set>
#include <string>

class AAX_IController;
class AAX_ITransport;
class AAX_VAutomationDelegate;
class AAX_VController;
class AAX_VTransport;

class AAX_CEffectParameters : public AAX_IEffectParameters
{
public:
    // 'elck': the parameter chunk.
    static constexpr AAX_CTypeID cParameterChunkID = 0x656C636B;
    static constexpr const char* cParameterChunkName = "Complete Controls State";
    // 'ASPv': the host's preview switch, for a parameter "PreviewID".
    static constexpr AAX_CTypeID cPreviewNotification = 0x41535076;

    AAX_CEffectParameters();
    ~AAX_CEffectParameters() override;

    AAX_CEffectParameters (const AAX_CEffectParameters&) = delete;
    AAX_CEffectParameters& operator= (const AAX_CEffectParameters&) = delete;

    AAX_Result Initialize (IACFUnknown* host) override;
    AAX_Result Uninitialize() override;
    AAX_Result NotificationReceived (AAX_CTypeID type, const void* data, std::uint32_t size) override;

    AAX_Result GetNumberOfParameters (std::int32_t* outCount) const override;
    AAX_Result GetMasterBypassParameter (AAX_IString* outID) const override;
    AAX_Result GetParameterIsAutomatable (AAX_CParamID id, AAX_CBoolean* outAutomatable) const override;
    AAX_Result GetParameterNumberOfSteps (AAX_CParamID id, std::int32_t* outSteps) const override;
    AAX_Result GetParameterName (AAX_CParamID id, AAX_IString* outName) const override;
    AAX_Result GetParameterNameOfLength (AAX_CParamID id, AAX_IString* outName, std::int32_t length) const override;
    AAX_Result GetParameterDefaultNormalizedValue (AAX_CParamID id, double* outValue) const override;
    AAX_Result SetParameterDefaultNormalizedValue (AAX_CParamID id, double value) override;
    AAX_Result GetParameterType (AAX_CParamID id, AAX_EParameterType* outType) const override;
    AAX_Result GetParameterOrientation (AAX_CParamID id, AAX_EParameterOrientation* outOrientation) const override;
    AAX_Result GetParameter (AAX_CParamID id, AAX_IParameter** outParameter) override;
    AAX_Result GetParameterIndex (AAX_CParamID id, std::int32_t* outIndex) const override;
    AAX_Result GetParameterIDFromIndex (std::int32_t index, AAX_IString* outID) const override;
    AAX_Result GetParameterValueInfo (AAX_CParamID id, std::int32_t selector, std::int32_t* outValue) const override;
    AAX_Result GetParameterValueFromString (AAX_CParamID id, double* outValue, const AAX_IString& text) const override;
    AAX_Result GetParameterStringFromValue (AAX_CParamID id, double value, AAX_IString* outText,
                                            std::int32_t maxLength) const override;
    AAX_Result GetParameterValueString (AAX_CParamID id, AAX_IString* outText, std::int32_t maxLength) const override;
    AAX_Result GetParameterNormalizedValue (AAX_CParamID id, double* outValue) const override;
    AAX_Result SetParameterNormalizedValue (AAX_CParamID id, double value) override;
    AAX_Result SetParameterNormalizedRelative (AAX_CParamID id, double delta) override;
    AAX_Result TouchParameter (AAX_CParamID id) override;
    AAX_Result ReleaseParameter (AAX_CParamID id) override;
    AAX_Result UpdateParameterTouch (AAX_CParamID id, AAX_CBoolean touched) override;
    AAX_Result UpdateParameterNormalizedValue (AAX_CParamID id, double value, AAX_EUpdateSource source) override;
    AAX_Result UpdateParameterNormalizedRelative (AAX_CParamID id, double delta) override;
    AAX_Result GenerateCoefficients() override;
    AAX_Result ResetFieldData (AAX_CFieldIndex field, void* data, std::uint32_t size) const override;

    AAX_Result GetNumberOfChunks (std::int32_t* outCount) const override;
    AAX_Result GetChunkIDFromIndex (std::int32_t index, AAX_CTypeID* outID) const override;
    AAX_Result GetChunkSize (AAX_CTypeID id, std::uint32_t* outSize) const override;
    AAX_Result GetChunk (AAX_CTypeID id, AAX_SPlugInChunk* outChunk) const override;
    AAX_Result SetChunk (AAX_CTypeID id, const AAX_SPlugInChunk* chunk) override;
    AAX_Result CompareActiveChunk (const AAX_SPlugInChunk* chunk, AAX_CBoolean* outIsEqual) const override;
    AAX_Result GetNumberOfChanges (std::int32_t* outCount) const override;

    AAX_Result TimerWakeup() override;
    AAX_Result GetCurveData (AAX_CTypeID curve, const float* values, std::uint32_t count,
                             float* outValues) const override;
    AAX_Result GetCustomData (AAX_CTypeID type, std::uint32_t size, void* outData,
                              std::uint32_t* outSize) const override;
    AAX_Result SetCustomData (AAX_CTypeID type, std::uint32_t size, const void* data) override;
    AAX_Result DoMIDITransfers() override;
    AAX_Result RenderAudio_Hybrid (AAX_SHybridRenderInfo* info) override;
    AAX_Result UpdateMIDINodes (AAX_CFieldIndex field, AAX_CMidiPacket& packet) override;
    AAX_Result UpdateControlMIDINodes (AAX_CTypeID node, AAX_CMidiPacket& packet) override;
    AAX_Result GetCurveDataMeterIds (AAX_CTypeID curve, std::uint32_t* outXMeter,
                                     std::uint32_t* outYMeter) const override;
    AAX_Result GetCurveDataDisplayRange (AAX_CTypeID curve, float* outXMin, float* outXMax, float* outYMin,
                                         float* outYMax) const override;

    AAX_IController* Controller();
    const AAX_IController* Controller() const;
    AAX_ITransport* Transport();
    const AAX_ITransport* Transport() const;

protected:
    // Where a subclass adds its parameters and packets; called by Initialize.
    virtual AAX_Result EffectInit() { return 0; }

    // Leaves the parameter out of the parameter chunk.
    void FilterParameterIDOnSave (AAX_CParamID id);
    // Fills the chunk parser with one value per unfiltered parameter.
    void BuildChunkData() const;

    std::int32_t mNumPlugInChanges = 0;
    mutable std::int32_t mChunkSize = 0;
    mutable AAX_CChunkDataParser mChunkParser;
    AAX_CPacketDispatcher mPacketDispatcher;
    AAX_CParameterManager mParameterManager;
    std::set<std::string> mFilteredParameters;

private:
    bool isFiltered (AAX_CParamID id) const;
    // The IDs a parameter chunk is read for.
    AAX_CChunkDataParser::Names chunkNames() const;
    void releaseHost();

    std::unique_ptr<AAX_VController> mController;
    std::unique_ptr<AAX_VTransport> mTransport;
    std::unique_ptr<AAX_VAutomationDelegate> mAutomationDelegate;
};
