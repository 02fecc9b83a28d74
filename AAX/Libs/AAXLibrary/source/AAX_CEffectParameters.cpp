#include "AAX_CEffectParameters.h"

#include "AAX_IParameter.h"
#include "AAX_Errors.h"
#include "AAX_VAutomationDelegate.h"
#include "AAX_VController.h"
#include "AAX_VTransport.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <vector>

namespace
{
// Longest short name the host is offered, in bytes.
constexpr std::uint32_t maxNameChars = 255;

// An operation on one parameter: a null output is refused first, then an
// unknown ID; the answer decides the rest.
template <typename Manager, typename Out, typename Answer>
AAX_Result answer (Manager& manager, AAX_CParamID id, Out* out, AAX_Result nullOutput, Answer&& fill)
{
    if (out == nullptr)
        return nullOutput;
    auto* parameter = manager.GetParameterByID (id);
    if (parameter == nullptr)
        return AAX_ERROR_INVALID_PARAMETER_ID;
    return fill (*parameter, *out);
}

// The common answer: one value read from the parameter.
template <typename Manager, typename Out, typename Read>
AAX_Result give (Manager& manager, AAX_CParamID id, Out* out, Read&& read)
{
    return answer (manager, id, out, AAX_ERROR_NULL_OBJECT, [&] (auto& parameter, Out& value) {
        value = read (parameter);
        return AAX_SUCCESS;
    });
}

template <typename Act>
AAX_Result onParameter (AAX_CParameterManager& manager, AAX_CParamID id, Act&& act)
{
    auto* parameter = manager.GetParameterByID (id);
    if (parameter == nullptr)
        return AAX_ERROR_INVALID_PARAMETER_ID;
    act (*parameter);
    return AAX_SUCCESS;
}
} // namespace

AAX_CEffectParameters::AAX_CEffectParameters() = default;

// A host that skips Uninitialize still gets it: the parameters unregister
// themselves through the automation wrapper, so they go first.
AAX_CEffectParameters::~AAX_CEffectParameters()
{
    releaseHost();
}

void AAX_CEffectParameters::releaseHost()
{
    mParameterManager.RemoveAllParameters();
    mController.reset();
    mAutomationDelegate.reset();
    mTransport.reset();
}

// A second Initialize starts over: the parameters hold the automation wrapper
// of the first, so they go with it.
AAX_Result AAX_CEffectParameters::Initialize (IACFUnknown* host)
{
    releaseHost();
    mController = std::make_unique<AAX_VController> (host);
    mAutomationDelegate = std::make_unique<AAX_VAutomationDelegate> (host);
    mTransport = std::make_unique<AAX_VTransport> (host);

    mParameterManager.Initialize (mAutomationDelegate.get());
    mPacketDispatcher.Initialize (mController.get(), this);

    if (const AAX_Result result = EffectInit(); result != AAX_SUCCESS)
        return result;

    AAX_CString bypassID;
    GetMasterBypassParameter (&bypassID);
    mFilteredParameters.insert (bypassID.Get());
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::Uninitialize()
{
    releaseHost();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::NotificationReceived (AAX_CTypeID type, const void* data, std::uint32_t size)
{
    if (type != cPreviewNotification || data == nullptr || size < sizeof (std::int32_t))
        return AAX_SUCCESS;

    if (auto* preview = mParameterManager.GetParameterByID ("PreviewID"))
    {
        std::int32_t word = 0;
        std::memcpy (&word, data, sizeof (word));
        preview->SetValueWithBool (word != 0);
    }
    return AAX_SUCCESS;
}

//==============================================================================
AAX_Result AAX_CEffectParameters::GetNumberOfParameters (std::int32_t* outCount) const
{
    if (outCount == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    *outCount = mParameterManager.NumParameters();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetMasterBypassParameter (AAX_IString* outID) const
{
    if (outID == nullptr)
        return AAX_ERROR_INVALID_STRING_CONVERSION;
    outID->Set (mParameterManager.GetParameterByID (cDefaultMasterBypassID) != nullptr ? cDefaultMasterBypassID : "");
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterIsAutomatable (AAX_CParamID id, AAX_CBoolean* outAutomatable) const
{
    if (outAutomatable != nullptr)
        *outAutomatable = 0;
    return answer (mParameterManager, id, outAutomatable, AAX_ERROR_NULL_OBJECT, [] (auto& parameter, auto& out) {
        out = parameter.Automatable() ? 1 : 0;
        return AAX_SUCCESS;
    });
}

AAX_Result AAX_CEffectParameters::GetParameterNumberOfSteps (AAX_CParamID id, std::int32_t* outSteps) const
{
    return answer (mParameterManager, id, outSteps, AAX_ERROR_NULL_OBJECT, [] (auto& parameter, auto& out) {
        const auto steps = static_cast<std::int32_t> (parameter.GetNumberOfSteps());
        if (steps < 0)
            return AAX_ERROR_INVALID_STEP_COUNT;
        out = steps;
        return AAX_SUCCESS;
    });
}

AAX_Result AAX_CEffectParameters::GetParameterName (AAX_CParamID id, AAX_IString* outName) const
{
    if (outName == nullptr)
        return AAX_ERROR_INVALID_STRING_CONVERSION;
    const auto* parameter = mParameterManager.GetParameterByID (id);
    *outName = parameter != nullptr ? parameter->Name().Get() : "";
    return AAX_SUCCESS;
}

// A short name may hold several candidates, one a line: the longest that fits
// is given; when none fits, the start of the whole text.
AAX_Result AAX_CEffectParameters::GetParameterNameOfLength (AAX_CParamID id, AAX_IString* outName,
                                                           std::int32_t length) const
{
    if (outName == nullptr)
        return AAX_ERROR_INVALID_STRING_CONVERSION;
    const auto* parameter = mParameterManager.GetParameterByID (id);
    if (parameter == nullptr)
    {
        outName->Set ("");
        return AAX_SUCCESS;
    }

    const std::string text = std::string (parameter->ShortenedName (length).Get()).substr (0, maxNameChars);
    if (text.empty())
        return AAX_SUCCESS;

    std::size_t kept = 0;
    for (std::size_t start = 0; start < text.size();)
    {
        const std::size_t end = std::min (text.find ('\n', start), text.size());
        const std::size_t lineLength = end - start;
        if (lineLength > kept && length >= 0 && lineLength <= static_cast<std::size_t> (length))
        {
            kept = lineLength;
            outName->Set (text.substr (start, lineLength).c_str());
        }
        start = end + 1;
    }

    if (kept == 0)
        outName->Set (length < 1 ? "" : text.substr (0, static_cast<std::size_t> (length)).c_str());
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetParameterDefaultNormalizedValue (AAX_CParamID id, double* outValue) const
{
    return give (mParameterManager, id, outValue, [] (auto& parameter) { return parameter.GetNormalizedDefaultValue(); });
}

AAX_Result AAX_CEffectParameters::SetParameterDefaultNormalizedValue (AAX_CParamID id, double value)
{
    return onParameter (mParameterManager, id, [&] (AAX_IParameter& parameter) { parameter.SetNormalizedDefaultValue (value); });
}

AAX_Result AAX_CEffectParameters::GetParameterType (AAX_CParamID id, AAX_EParameterType* outType) const
{
    return give (mParameterManager, id, outType, [] (auto& parameter) { return parameter.GetType(); });
}

AAX_Result AAX_CEffectParameters::GetParameterOrientation (AAX_CParamID id,
                                                          AAX_EParameterOrientation* outOrientation) const
{
    return give (mParameterManager, id, outOrientation, [] (auto& parameter) { return parameter.GetOrientation(); });
}

AAX_Result AAX_CEffectParameters::GetParameter (AAX_CParamID id, AAX_IParameter** outParameter)
{
    if (outParameter == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    *outParameter = mParameterManager.GetParameterByID (id);
    return *outParameter != nullptr ? AAX_SUCCESS : AAX_ERROR_INVALID_PARAMETER_ID;
}

AAX_Result AAX_CEffectParameters::GetParameterIndex (AAX_CParamID id, std::int32_t* outIndex) const
{
    if (outIndex == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    *outIndex = mParameterManager.GetParameterIndex (id);
    return *outIndex >= 0 ? AAX_SUCCESS : AAX_ERROR_INVALID_PARAMETER_ID;
}

AAX_Result AAX_CEffectParameters::GetParameterIDFromIndex (std::int32_t index, AAX_IString* outID) const
{
    if (outID == nullptr)
        return AAX_ERROR_INVALID_STRING_CONVERSION;
    const auto* parameter = mParameterManager.GetParameter (index);
    outID->Set (parameter != nullptr ? parameter->Identifier() : "");
    return parameter != nullptr ? AAX_SUCCESS : AAX_ERROR_INVALID_PARAMETER_ID;
}

AAX_Result AAX_CEffectParameters::GetParameterValueInfo (AAX_CParamID, std::int32_t, std::int32_t* outValue) const
{
    if (outValue == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    *outValue = 0;
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_CEffectParameters::GetParameterValueFromString (AAX_CParamID id, double* outValue,
                                                              const AAX_IString& text) const
{
    return answer (mParameterManager, id, outValue, AAX_ERROR_NULL_OBJECT, [&] (auto& parameter, auto& out) {
        double value = 0.0;
        if (! parameter.GetNormalizedValueFromString (AAX_CString (text), &value))
            return AAX_ERROR_INVALID_STRING_CONVERSION;
        out = value;
        return AAX_SUCCESS;
    });
}

AAX_Result AAX_CEffectParameters::GetParameterStringFromValue (AAX_CParamID id, double value, AAX_IString* outText,
                                                              std::int32_t maxLength) const
{
    return answer (mParameterManager, id, outText, AAX_ERROR_INVALID_STRING_CONVERSION, [&] (auto& parameter, auto& out) {
        AAX_CString text;
        if (! parameter.GetStringFromNormalizedValue (value, maxLength, text))
            return AAX_ERROR_INVALID_STRING_CONVERSION;
        out.Set (text.Get());
        return AAX_SUCCESS;
    });
}

AAX_Result AAX_CEffectParameters::GetParameterValueString (AAX_CParamID id, AAX_IString* outText,
                                                          std::int32_t maxLength) const
{
    return answer (mParameterManager, id, outText, AAX_ERROR_INVALID_STRING_CONVERSION, [&] (auto& parameter, auto& out) {
        AAX_CString text;
        parameter.GetValueString (maxLength, &text);
        out.Set (text.Get());
        return AAX_SUCCESS;
    });
}

AAX_Result AAX_CEffectParameters::GetParameterNormalizedValue (AAX_CParamID id, double* outValue) const
{
    return give (mParameterManager, id, outValue, [] (auto& parameter) { return parameter.GetNormalizedValue(); });
}

AAX_Result AAX_CEffectParameters::SetParameterNormalizedValue (AAX_CParamID id, double value)
{
    return onParameter (mParameterManager, id, [&] (AAX_IParameter& parameter) { parameter.SetNormalizedValue (value); });
}

AAX_Result AAX_CEffectParameters::SetParameterNormalizedRelative (AAX_CParamID id, double delta)
{
    double value = 0.0;
    if (const AAX_Result result = GetParameterNormalizedValue (id, &value); result != AAX_SUCCESS)
        return result;
    return SetParameterNormalizedValue (id, std::clamp (value + delta, 0.0, 1.0));
}

AAX_Result AAX_CEffectParameters::TouchParameter (AAX_CParamID id)
{
    return onParameter (mParameterManager, id, [&] (AAX_IParameter& parameter) { parameter.Touch(); });
}

AAX_Result AAX_CEffectParameters::ReleaseParameter (AAX_CParamID id)
{
    return onParameter (mParameterManager, id, [&] (AAX_IParameter& parameter) { parameter.Release(); });
}

AAX_Result AAX_CEffectParameters::UpdateParameterTouch (AAX_CParamID, AAX_CBoolean)
{
    return AAX_SUCCESS;
}

// The host's confirmed value: stored and reported by the parameter, its
// packets regenerated at the next GenerateCoefficients.
AAX_Result AAX_CEffectParameters::UpdateParameterNormalizedValue (AAX_CParamID id, double value, AAX_EUpdateSource)
{
    auto* parameter = mParameterManager.GetParameterByID (id);
    if (parameter == nullptr)
        return AAX_ERROR_INVALID_PARAMETER_ID;

    const double old = parameter->GetNormalizedValue();
    parameter->UpdateNormalizedValue (value);
    const AAX_Result result = mPacketDispatcher.SetDirty (id, true);
    // Past the largest count the host sees 0 again, never a negative count.
    if (old != value)
        mNumPlugInChanges = mNumPlugInChanges < std::numeric_limits<std::int32_t>::max() ? mNumPlugInChanges + 1 : 0;
    return result;
}

AAX_Result AAX_CEffectParameters::UpdateParameterNormalizedRelative (AAX_CParamID id, double delta)
{
    double value = 0.0;
    if (const AAX_Result result = GetParameterNormalizedValue (id, &value); result != AAX_SUCCESS)
        return result;
    return UpdateParameterNormalizedValue (id, std::clamp (value + delta, 0.0, 1.0), AAX_eUpdateSource_Unspecified);
}

AAX_Result AAX_CEffectParameters::GenerateCoefficients()
{
    return mPacketDispatcher.Dispatch();
}

AAX_Result AAX_CEffectParameters::ResetFieldData (AAX_CFieldIndex, void* data, std::uint32_t size) const
{
    if (data == nullptr)
        return size == 0 ? AAX_SUCCESS : AAX_ERROR_NULL_OBJECT;
    std::memset (data, 0, size);
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetNumberOfChanges (std::int32_t* outCount) const
{
    if (outCount == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    if (mNumPlugInChanges >= 0)
        *outCount = mNumPlugInChanges;
    return AAX_SUCCESS;
}

//==============================================================================
// The parameter chunk.

bool AAX_CEffectParameters::isFiltered (AAX_CParamID id) const
{
    return id == nullptr || mFilteredParameters.count (id) > 0;
}

AAX_CChunkDataParser::Names AAX_CEffectParameters::chunkNames() const
{
    AAX_CChunkDataParser::Names names;
    for (std::int32_t index = 0; index < mParameterManager.NumParameters(); ++index)
    {
        const auto* parameter = mParameterManager.GetParameter (index);
        if (parameter != nullptr && ! isFiltered (parameter->Identifier()))
            names.emplace (parameter->Identifier());
    }
    return names;
}

void AAX_CEffectParameters::FilterParameterIDOnSave (AAX_CParamID id)
{
    if (id != nullptr)
        mFilteredParameters.insert (id);
}

void AAX_CEffectParameters::BuildChunkData() const
{
    mChunkParser.Clear();
    std::int32_t count = 0;
    GetNumberOfParameters (&count);
    for (std::int32_t index = 0; index < count; ++index)
    {
        const auto* parameter = mParameterManager.GetParameter (index);
        if (parameter == nullptr || isFiltered (parameter->Identifier()))
            continue;

        const char* id = parameter->Identifier();
        float f = 0.0f;
        std::int32_t i = 0;
        bool b = false;
        double d = 0.0;
        AAX_CString text;
        if (parameter->GetValueAsFloat (&f))
            mChunkParser.AddDouble (id, f);
        else if (parameter->GetValueAsInt32 (&i))
            mChunkParser.AddInt32 (id, i);
        else if (parameter->GetValueAsBool (&b))
            mChunkParser.AddInt32 (id, b ? 1 : 0);
        else if (parameter->GetValueAsDouble (&d))
            mChunkParser.AddDouble (id, d);
        else if (parameter->GetValueAsString (&text))
            mChunkParser.AddString (id, text);
    }
}

AAX_Result AAX_CEffectParameters::GetNumberOfChunks (std::int32_t* outCount) const
{
    if (outCount == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    *outCount = 1;
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetChunkIDFromIndex (std::int32_t index, AAX_CTypeID* outID) const
{
    if (outID == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    *outID = index == 0 ? cParameterChunkID : 0;
    return index == 0 ? AAX_SUCCESS : AAX_ERROR_INVALID_CHUNK_INDEX;
}

AAX_Result AAX_CEffectParameters::GetChunkSize (AAX_CTypeID id, std::uint32_t* outSize) const
{
    if (outSize == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    if (id != cParameterChunkID)
    {
        *outSize = 0;
        return AAX_ERROR_INVALID_CHUNK_ID;
    }

    BuildChunkData();
    const std::int32_t size = mChunkParser.GetChunkDataSize();
    if (size < 0)
        return AAX_ERROR_INCORRECT_CHUNK_SIZE;
    mChunkSize = size;
    *outSize = static_cast<std::uint32_t> (size);
    return AAX_SUCCESS;
}

// The host sizes the chunk from GetChunkSize; data that has grown since
// would not fit, so it is refused until the size is asked again.
AAX_Result AAX_CEffectParameters::GetChunk (AAX_CTypeID id, AAX_SPlugInChunk* outChunk) const
{
    if (outChunk == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    if (id != cParameterChunkID)
        return AAX_ERROR_INVALID_CHUNK_ID;

    BuildChunkData();
    if (mChunkParser.GetChunkDataSize() != mChunkSize || mChunkSize == 0)
        return AAX_ERROR_INCORRECT_CHUNK_SIZE;

    outChunk->fVersion = mChunkParser.GetChunkVersion();
    std::memset (outChunk->fName, 0, sizeof (outChunk->fName));
    std::strncpy (outChunk->fName, cParameterChunkName, sizeof (outChunk->fName) - 1);
    return mChunkParser.GetChunkData (outChunk, mChunkSize);
}

AAX_Result AAX_CEffectParameters::SetChunk (AAX_CTypeID id, const AAX_SPlugInChunk* chunk)
{
    if (chunk == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    if (id != cParameterChunkID)
        return AAX_ERROR_INVALID_CHUNK_ID;

    // Only what a parameter reads is kept: a chunk full of anything else
    // costs no memory.
    mChunkParser.LoadChunk (chunk, chunkNames());
    std::int32_t count = 0;
    GetNumberOfParameters (&count);
    for (std::int32_t index = 0; index < count; ++index)
    {
        auto* parameter = mParameterManager.GetParameter (index);
        if (parameter == nullptr || isFiltered (parameter->Identifier()))
            continue;

        const char* pid = parameter->Identifier();
        float f = 0.0f;
        std::int32_t i = 0;
        bool b = false;
        double d = 0.0;
        AAX_CString text;
        if (parameter->GetValueAsFloat (&f))
        {
            if (mChunkParser.FindDouble (pid, &d))
                parameter->SetValueWithFloat (static_cast<float> (d));
        }
        else if (parameter->GetValueAsInt32 (&i))
        {
            if (mChunkParser.FindInt32 (pid, &i))
                parameter->SetValueWithInt32 (i);
        }
        else if (parameter->GetValueAsBool (&b))
        {
            if (mChunkParser.FindInt32 (pid, &i))
                parameter->SetValueWithBool (i != 0);
        }
        else if (parameter->GetValueAsDouble (&d))
        {
            if (mChunkParser.FindDouble (pid, &d))
                parameter->SetValueWithDouble (d);
        }
        else if (parameter->GetValueAsString (&text))
        {
            if (mChunkParser.FindString (pid, &text))
                parameter->SetValueWithString (text);
        }
    }
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::CompareActiveChunk (const AAX_SPlugInChunk* chunk, AAX_CBoolean* outIsEqual) const
{
    if (chunk == nullptr || outIsEqual == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    if (chunk->fChunkID != cParameterChunkID)
    {
        *outIsEqual = 1;
        return AAX_SUCCESS;
    }

    *outIsEqual = 0;
    mChunkParser.LoadChunk (chunk, chunkNames());
    std::int32_t count = 0;
    GetNumberOfParameters (&count);
    if (count < 1)
    {
        *outIsEqual = 1;
        return AAX_SUCCESS;
    }

    for (std::int32_t index = 0; index < count; ++index)
    {
        const auto* parameter = mParameterManager.GetParameter (index);
        if (parameter == nullptr || isFiltered (parameter->Identifier()))
            continue;

        const char* pid = parameter->Identifier();
        float f = 0.0f;
        std::int32_t i = 0, found = 0;
        bool b = false;
        double d = 0.0, foundDouble = 0.0;
        AAX_CString text, foundText;
        bool equal = true;
        if (parameter->GetValueAsFloat (&f))
            equal = mChunkParser.FindDouble (pid, &foundDouble) && static_cast<float> (foundDouble) == f;
        else if (parameter->GetValueAsInt32 (&i))
            equal = mChunkParser.FindInt32 (pid, &found) && found == i;
        else if (parameter->GetValueAsBool (&b))
            equal = mChunkParser.FindInt32 (pid, &found) && (found != 0) == b;
        else if (parameter->GetValueAsDouble (&d))
            equal = mChunkParser.FindDouble (pid, &foundDouble) && static_cast<float> (foundDouble) == static_cast<float> (d);
        else if (parameter->GetValueAsString (&text))
            equal = mChunkParser.FindString (pid, &foundText) && foundText == text;

        if (! equal)
            return AAX_SUCCESS;
    }
    *outIsEqual = 1;
    return AAX_SUCCESS;
}

//==============================================================================
// Nothing to do here by default.

AAX_Result AAX_CEffectParameters::TimerWakeup() { return AAX_SUCCESS; }

AAX_Result AAX_CEffectParameters::GetCurveData (AAX_CTypeID, const float*, std::uint32_t, float*) const
{
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_CEffectParameters::GetCustomData (AAX_CTypeID, std::uint32_t, void*, std::uint32_t* outSize) const
{
    if (outSize == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    *outSize = 0;
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::SetCustomData (AAX_CTypeID, std::uint32_t, const void*) { return AAX_SUCCESS; }
AAX_Result AAX_CEffectParameters::DoMIDITransfers() { return AAX_SUCCESS; }
AAX_Result AAX_CEffectParameters::RenderAudio_Hybrid (AAX_SHybridRenderInfo*) { return AAX_ERROR_UNIMPLEMENTED; }
AAX_Result AAX_CEffectParameters::UpdateMIDINodes (AAX_CFieldIndex, AAX_CMidiPacket&) { return AAX_SUCCESS; }
AAX_Result AAX_CEffectParameters::UpdateControlMIDINodes (AAX_CTypeID, AAX_CMidiPacket&) { return AAX_SUCCESS; }

AAX_Result AAX_CEffectParameters::GetCurveDataMeterIds (AAX_CTypeID, std::uint32_t*, std::uint32_t*) const
{
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_CEffectParameters::GetCurveDataDisplayRange (AAX_CTypeID, float*, float*, float*, float*) const
{
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_IController* AAX_CEffectParameters::Controller() { return mController.get(); }
const AAX_IController* AAX_CEffectParameters::Controller() const { return mController.get(); }
AAX_ITransport* AAX_CEffectParameters::Transport() { return mTransport.get(); }
const AAX_ITransport* AAX_CEffectParameters::Transport() const { return mTransport.get(); }
