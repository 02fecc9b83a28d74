#pragma once

// AAX_CParameter<T>: a parameter of value type T (float for the processor's
// parameters, bool for the master bypass) with a taper (normalized <-> real)
// and a display (real <-> text), each a private clone.
//
// While the host's automation delegate is attached, a change made on the
// plug-in side is not applied here: it goes to the host as touch, set-value
// request and release, and the host's answer (UpdateNormalizedValue) stores
// it and reports it back. Without a delegate the value is stored at once.

#include "AAX_IAutomationDelegate.h"
#include "AAX_IDisplayDelegate.h"
#include "AAX_IParameter.h"
#include "AAX_ITaperDelegate.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <iterator>
#include <map>
#include <memory>
#include <type_traits>

template <typename T>
class AAX_CParameterValue : public AAX_IParameterValue
{
public:
    static constexpr std::size_t maxIdentifierChars = 31;

    AAX_CParameterValue (AAX_CParamID identifier, T value) : mValue (value)
    {
        if (identifier != nullptr)
            std::memcpy (mIdentifier, identifier, strnlen (identifier, maxIdentifierChars));
    }

    AAX_IParameterValue* Clone() const override { return new AAX_CParameterValue (*this); }
    AAX_CParamID Identifier() const override { return mIdentifier; }

    bool GetValueAsBool (bool* out) const override { return get (out); }
    bool GetValueAsInt32 (std::int32_t* out) const override { return get (out); }
    bool GetValueAsFloat (float* out) const override { return get (out); }
    bool GetValueAsDouble (double* out) const override { return get (out); }
    bool GetValueAsString (AAX_IString*) const override { return false; }

    T Get() const { return mValue; }
    void Set (T value) { mValue = value; }

private:
    // Only the parameter's own type answers.
    template <typename U>
    bool get (U* out) const
    {
        if constexpr (std::is_same_v<U, T>)
        {
            if (out == nullptr)
                return false;
            *out = mValue;
            return true;
        }
        else
        {
            (void) out;
            return false;
        }
    }

    char mIdentifier[maxIdentifierChars + 1] = {};
    T mValue;
};

template <typename T>
class AAX_CParameter : public AAX_IParameter
{
public:
    AAX_CParameter (AAX_CParamID identifier, const AAX_IString& name, T defaultValue,
                    const AAX_ITaperDelegate<T>& taper, const AAX_IDisplayDelegate<T>& display, bool automatable)
        : mName (name),
          mAutomatable (automatable),
          mTaperDelegate (taper.Clone()),
          mDisplayDelegate (display.Clone()),
          mValue (identifier, T()),
          mDefaultValue (defaultValue)
    {
        SetNumberOfSteps (128);
        SetToDefaultValue();
    }

    ~AAX_CParameter() override
    {
        if (mAutomationDelegate != nullptr)
            mAutomationDelegate->UnregisterParameter (Identifier());
    }

    AAX_CParameter (const AAX_CParameter&) = delete;
    AAX_CParameter& operator= (const AAX_CParameter&) = delete;

    // A plug-in side change of the real value, through the hand-shake.
    void SetValue (T value) { post (mTaperDelegate->RealToNormalized (value)); }
    T GetValue() const { return mValue.Get(); }

    AAX_IParameterValue* CloneValue() const override { return new AAX_CParameterValue<T> (mValue); }
    AAX_CParamID Identifier() const override { return mValue.Identifier(); }

    void SetName (const AAX_CString& name) override { mName = name; }
    const AAX_CString& Name() const override { return mName; }

    void AddShortenedName (const AAX_CString& name) override { mShortenedNames[name.Length()] = name; }

    // The full name when it fits; else the longest short name that fits; else
    // the shortest one.
    const AAX_CString& ShortenedName (std::int32_t length) const override
    {
        if (length < 0 || mShortenedNames.empty() || mName.Length() <= static_cast<std::uint32_t> (length))
            return mName;
        auto fit = mShortenedNames.upper_bound (static_cast<std::uint32_t> (length));
        if (fit == mShortenedNames.begin())
            return fit->second;
        return std::prev (fit)->second;
    }

    void ClearShortenedNames() override { mShortenedNames.clear(); }

    bool Automatable() const override { return mAutomatable; }

    void SetAutomationDelegate (AAX_IAutomationDelegate* delegate) override
    {
        if (mAutomationDelegate != nullptr)
            mAutomationDelegate->UnregisterParameter (Identifier());
        mAutomationDelegate = delegate;
        if (mAutomationDelegate != nullptr)
            mAutomationDelegate->RegisterParameter (Identifier());
    }

    void Touch() override
    {
        if (mAutomationDelegate != nullptr)
            mAutomationDelegate->PostTouchRequest (Identifier());
    }

    void Release() override
    {
        if (mAutomationDelegate != nullptr)
            mAutomationDelegate->PostReleaseRequest (Identifier());
    }

    // Snapped to what the taper can hold, and clamped, before it is sent.
    void SetNormalizedValue (double normalized) override
    {
        post (mTaperDelegate->RealToNormalized (mTaperDelegate->NormalizedToReal (normalized)));
    }

    double GetNormalizedValue() const override { return mTaperDelegate->RealToNormalized (mValue.Get()); }

    void SetNormalizedDefaultValue (double normalized) override
    {
        mDefaultValue = mTaperDelegate->ConstrainRealValue (mTaperDelegate->NormalizedToReal (normalized));
    }

    double GetNormalizedDefaultValue() const override { return mTaperDelegate->RealToNormalized (mDefaultValue); }
    void SetToDefaultValue() override { post (mTaperDelegate->RealToNormalized (mDefaultValue)); }

    void SetNumberOfSteps (std::uint32_t steps) override
    {
        if (steps != 0)
            mNumSteps = steps;
    }

    std::uint32_t GetNumberOfSteps() const override { return mNumSteps; }
    std::uint32_t GetStepValue() const override { return GetStepValueFromNormalizedValue (GetNormalizedValue()); }

    double GetNormalizedValueFromStep (std::uint32_t step) const override
    {
        if (mNumSteps < 2)
            return 0.0;
        const double increment = 1.0 / (double (mNumSteps) - 1.0);
        return std::clamp (double (step) * increment, 0.0, 1.0);
    }

    // Nearest step, halves upward. NaN has no nearest step: step 0.
    std::uint32_t GetStepValueFromNormalizedValue (double normalized) const override
    {
        if (mNumSteps < 2 || std::isnan (normalized))
            return 0;
        const double increment = 1.0 / (double (mNumSteps) - 1.0);
        const double step = std::clamp (normalized / increment + 0.5, 0.0, double (mNumSteps) - 1.0);
        return static_cast<std::uint32_t> (step);
    }

    void SetStepValue (std::uint32_t step) override
    {
        if (mNumSteps >= 2)
            SetNormalizedValue (GetNormalizedValueFromStep (step));
    }

    // maxChars is not applied here; a text of a given length comes from
    // GetStringFromNormalizedValue.
    bool GetValueString (AAX_CString* out) const override
    {
        return out != nullptr && mDisplayDelegate->ValueToString (mValue.Get(), out);
    }

    bool GetValueString (std::int32_t, AAX_CString* out) const override { return GetValueString (out); }

    bool GetNormalizedValueFromBool (bool value, double* out) const override { return normalizedFrom (value, out); }
    bool GetNormalizedValueFromInt32 (std::int32_t value, double* out) const override
    {
        return normalizedFrom (value, out);
    }
    bool GetNormalizedValueFromFloat (float value, double* out) const override { return normalizedFrom (value, out); }
    bool GetNormalizedValueFromDouble (double value, double* out) const override
    {
        return normalizedFrom (value, out);
    }

    // Out is written whenever the text reads, even when the value is out of range.
    bool GetNormalizedValueFromString (const AAX_CString& text, double* out) const override
    {
        T value {};
        if (out == nullptr || ! mDisplayDelegate->StringToValue (text, &value))
            return false;
        *out = mTaperDelegate->RealToNormalized (value);
        return inRange (value);
    }

    bool GetBoolFromNormalizedValue (double normalized, bool* out) const override { return realFrom (normalized, out); }
    bool GetInt32FromNormalizedValue (double normalized, std::int32_t* out) const override
    {
        return realFrom (normalized, out);
    }
    bool GetFloatFromNormalizedValue (double normalized, float* out) const override
    {
        return realFrom (normalized, out);
    }
    bool GetDoubleFromNormalizedValue (double normalized, double* out) const override
    {
        return realFrom (normalized, out);
    }

    bool GetStringFromNormalizedValue (double normalized, AAX_CString& out) const override
    {
        const T value = mTaperDelegate->NormalizedToReal (normalized);
        return mDisplayDelegate->ValueToString (value, &out) && inRange (value);
    }

    bool GetStringFromNormalizedValue (double normalized, std::int32_t maxChars, AAX_CString& out) const override
    {
        const T value = mTaperDelegate->NormalizedToReal (normalized);
        return mDisplayDelegate->ValueToString (value, maxChars, &out) && inRange (value);
    }

    bool SetValueFromString (const AAX_CString& text) override
    {
        T value {};
        if (! mDisplayDelegate->StringToValue (text, &value))
            return false;
        post (mTaperDelegate->RealToNormalized (value));
        return true;
    }

    bool GetValueAsBool (bool* out) const override { return mValue.GetValueAsBool (out); }
    bool GetValueAsInt32 (std::int32_t* out) const override { return mValue.GetValueAsInt32 (out); }
    bool GetValueAsFloat (float* out) const override { return mValue.GetValueAsFloat (out); }
    bool GetValueAsDouble (double* out) const override { return mValue.GetValueAsDouble (out); }

    bool GetValueAsString (AAX_IString* out) const override
    {
        if (out == nullptr)
            return false;
        AAX_CString text;
        const bool ok = GetValueString (&text);
        if (ok)
            static_cast<AAX_IString&> (*out) = static_cast<const AAX_IString&> (text);
        return ok;
    }

    bool SetValueWithBool (bool value) override { return setWith (value); }
    bool SetValueWithInt32 (std::int32_t value) override { return setWith (value); }
    bool SetValueWithFloat (float value) override { return setWith (value); }
    bool SetValueWithDouble (double value) override { return setWith (value); }
    bool SetValueWithString (const AAX_IString& text) override { return SetValueFromString (AAX_CString (text)); }

    void SetType (AAX_EParameterType type) override { mType = type; }
    AAX_EParameterType GetType() const override { return mType; }
    void SetOrientation (AAX_EParameterOrientation orientation) override { mOrientation = orientation; }
    AAX_EParameterOrientation GetOrientation() const override { return mOrientation; }

    // A taper of another value type is ignored.
    void SetTaperDelegate (AAX_ITaperDelegateBase& taper, bool preserveValue) override
    {
        auto* typed = dynamic_cast<AAX_ITaperDelegate<T>*> (&taper);
        if (typed == nullptr)
            return;
        const double position = GetNormalizedValue();
        mTaperDelegate.reset (typed->Clone());
        mNeedNotify = true;
        if (preserveValue)
            post (mTaperDelegate->RealToNormalized (mValue.Get()));
        else
            UpdateNormalizedValue (position);
    }

    // A display of another value type is ignored.
    void SetDisplayDelegate (AAX_IDisplayDelegateBase& display) override
    {
        auto* typed = dynamic_cast<AAX_IDisplayDelegate<T>*> (&display);
        if (typed == nullptr)
            return;
        mDisplayDelegate.reset (typed->Clone());
        if (mAutomationDelegate != nullptr)
            mAutomationDelegate->PostCurrentValue (Identifier(), GetNormalizedValue());
    }

    void UpdateNormalizedValue (double normalized) override
    {
        const T value = mTaperDelegate->NormalizedToReal (normalized);
        if (! mNeedNotify && value == mValue.Get())
            return;
        mValue.Set (value);
        if (mAutomationDelegate != nullptr)
            mAutomationDelegate->PostCurrentValue (Identifier(), normalized);
        mNeedNotify = false;
    }

private:
    // With the host's automation the change is asked for; without, stored.
    void post (double normalized)
    {
        if (mAutomationDelegate != nullptr)
        {
            Touch();
            mAutomationDelegate->PostSetValueRequest (Identifier(), normalized);
            Release();
        }
        else
        {
            mNeedNotify = true;
            UpdateNormalizedValue (normalized);
        }
    }

    bool inRange (T value) const
    {
        return ! (value > mTaperDelegate->GetMaximumValue() || value < mTaperDelegate->GetMinimumValue());
    }

    template <typename U>
    bool normalizedFrom (U value, double* out) const
    {
        if constexpr (std::is_same_v<U, T>)
        {
            if (out == nullptr)
                return false;
            *out = mTaperDelegate->RealToNormalized (value);
            return true;
        }
        else
        {
            (void) value;
            (void) out;
            return false;
        }
    }

    template <typename U>
    bool realFrom (double normalized, U* out) const
    {
        if constexpr (std::is_same_v<U, T>)
        {
            if (out == nullptr)
                return false;
            *out = mTaperDelegate->NormalizedToReal (normalized);
            return true;
        }
        else
        {
            (void) normalized;
            (void) out;
            return false;
        }
    }

    template <typename U>
    bool setWith (U value)
    {
        if constexpr (std::is_same_v<U, T>)
        {
            SetValue (value);
            return true;
        }
        else
        {
            (void) value;
            return false;
        }
    }

    AAX_CString mName;
    std::map<std::uint32_t, AAX_CString> mShortenedNames;
    bool mAutomatable;
    std::uint32_t mNumSteps = 0;
    AAX_EParameterType mType = AAX_eParameterType_Continuous;
    AAX_EParameterOrientation mOrientation = 0;
    std::unique_ptr<AAX_ITaperDelegate<T>> mTaperDelegate;
    std::unique_ptr<AAX_IDisplayDelegate<T>> mDisplayDelegate;
    AAX_IAutomationDelegate* mAutomationDelegate = nullptr;
    bool mNeedNotify = true;
    AAX_CParameterValue<T> mValue;
    T mDefaultValue;
};
