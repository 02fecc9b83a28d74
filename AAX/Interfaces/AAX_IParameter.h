#pragma once

// One parameter as the AAX layer sees it: identifier, names, value in the
// host's normalized range and in the parameter's own type, steps, and the
// hand-shake with the host's automation. AAX_IParameterValue is a snapshot of
// a parameter's identifier and value.

#include "AAX_CString.h"

#include <cstdint>

// The identifier of an effect's master bypass parameter.
inline constexpr AAX_CParamID cDefaultMasterBypassID = "MasterBypassID";

class AAX_IAutomationDelegate;
class AAX_ITaperDelegateBase;
class AAX_IDisplayDelegateBase;

class AAX_IParameterValue
{
public:
    virtual ~AAX_IParameterValue() = default;
    virtual AAX_IParameterValue* Clone() const = 0;
    virtual AAX_CParamID Identifier() const = 0;
    virtual bool GetValueAsBool (bool* out) const = 0;
    virtual bool GetValueAsInt32 (std::int32_t* out) const = 0;
    virtual bool GetValueAsFloat (float* out) const = 0;
    virtual bool GetValueAsDouble (double* out) const = 0;
    virtual bool GetValueAsString (AAX_IString* out) const = 0;
};

class AAX_IParameter
{
public:
    virtual ~AAX_IParameter() = default;

    virtual AAX_IParameterValue* CloneValue() const = 0;
    virtual AAX_CParamID Identifier() const = 0;

    virtual void SetName (const AAX_CString& name) = 0;
    virtual const AAX_CString& Name() const = 0;
    virtual void AddShortenedName (const AAX_CString& name) = 0;
    virtual const AAX_CString& ShortenedName (std::int32_t length) const = 0;
    virtual void ClearShortenedNames() = 0;

    virtual bool Automatable() const = 0;
    virtual void SetAutomationDelegate (AAX_IAutomationDelegate* delegate) = 0;
    virtual void Touch() = 0;
    virtual void Release() = 0;

    virtual void SetNormalizedValue (double normalized) = 0;
    virtual double GetNormalizedValue() const = 0;
    virtual void SetNormalizedDefaultValue (double normalized) = 0;
    virtual double GetNormalizedDefaultValue() const = 0;
    virtual void SetToDefaultValue() = 0;

    virtual void SetNumberOfSteps (std::uint32_t steps) = 0;
    virtual std::uint32_t GetNumberOfSteps() const = 0;
    virtual std::uint32_t GetStepValue() const = 0;
    virtual double GetNormalizedValueFromStep (std::uint32_t step) const = 0;
    virtual std::uint32_t GetStepValueFromNormalizedValue (double normalized) const = 0;
    virtual void SetStepValue (std::uint32_t step) = 0;

    virtual bool GetValueString (AAX_CString* out) const = 0;
    virtual bool GetValueString (std::int32_t maxChars, AAX_CString* out) const = 0;

    virtual bool GetNormalizedValueFromBool (bool value, double* out) const = 0;
    virtual bool GetNormalizedValueFromInt32 (std::int32_t value, double* out) const = 0;
    virtual bool GetNormalizedValueFromFloat (float value, double* out) const = 0;
    virtual bool GetNormalizedValueFromDouble (double value, double* out) const = 0;
    virtual bool GetNormalizedValueFromString (const AAX_CString& text, double* out) const = 0;
    virtual bool GetBoolFromNormalizedValue (double normalized, bool* out) const = 0;
    virtual bool GetInt32FromNormalizedValue (double normalized, std::int32_t* out) const = 0;
    virtual bool GetFloatFromNormalizedValue (double normalized, float* out) const = 0;
    virtual bool GetDoubleFromNormalizedValue (double normalized, double* out) const = 0;
    virtual bool GetStringFromNormalizedValue (double normalized, AAX_CString& out) const = 0;
    virtual bool GetStringFromNormalizedValue (double normalized, std::int32_t maxChars, AAX_CString& out) const = 0;
    virtual bool SetValueFromString (const AAX_CString& text) = 0;

    virtual bool GetValueAsBool (bool* out) const = 0;
    virtual bool GetValueAsInt32 (std::int32_t* out) const = 0;
    virtual bool GetValueAsFloat (float* out) const = 0;
    virtual bool GetValueAsDouble (double* out) const = 0;
    virtual bool GetValueAsString (AAX_IString* out) const = 0;
    virtual bool SetValueWithBool (bool value) = 0;
    virtual bool SetValueWithInt32 (std::int32_t value) = 0;
    virtual bool SetValueWithFloat (float value) = 0;
    virtual bool SetValueWithDouble (double value) = 0;
    virtual bool SetValueWithString (const AAX_IString& text) = 0;

    virtual void SetType (AAX_EParameterType type) = 0;
    virtual AAX_EParameterType GetType() const = 0;
    virtual void SetOrientation (AAX_EParameterOrientation orientation) = 0;
    virtual AAX_EParameterOrientation GetOrientation() const = 0;

    virtual void SetTaperDelegate (AAX_ITaperDelegateBase& taper, bool preserveValue) = 0;
    virtual void SetDisplayDelegate (AAX_IDisplayDelegateBase& display) = 0;

    // The host's confirmed value: stored, and reported back to the host.
    virtual void UpdateNormalizedValue (double normalized) = 0;
};
