#pragma once

// Plug-in side stand-ins for the library's tests: an automation delegate that
// records what reaches it, and parameters built the way the plug-in builds
// its own.

#include "AAX_CBinaryDisplayDelegate.h"
#include "AAX_CBinaryTaperDelegate.h"
#include "AAX_CLinearTaperDelegate.h"
#include "AAX_CNumberDisplayDelegate.h"
#include "AAX_CParameter.h"
#include "AAX_IAutomationDelegate.h"
#include "ExactText.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace aaxlib
{
class RecordingDelegate : public AAX_IAutomationDelegate
{
public:
    AAX_Result RegisterParameter (AAX_CParamID id) override { return record ("register", id); }
    AAX_Result UnregisterParameter (AAX_CParamID id) override { return record ("unregister", id); }
    AAX_Result PostSetValueRequest (AAX_CParamID id, double v) const override { return record ("request", id, v); }
    AAX_Result PostCurrentValue (AAX_CParamID id, double v) const override { return record ("current", id, v); }
    AAX_Result PostTouchRequest (AAX_CParamID id) override { return record ("touch", id); }
    AAX_Result PostReleaseRequest (AAX_CParamID id) override { return record ("release", id); }
    AAX_Result GetTouchState (AAX_CParamID, AAX_CBoolean*) override { return 0; }

    std::vector<std::string> take() { return std::exchange (calls, {}); }
    mutable std::vector<std::string> calls;

private:
    AAX_Result record (const char* what, AAX_CParamID id) const
    {
        calls.push_back (std::string (what) + " " + (id != nullptr ? id : "(null)"));
        return 0;
    }
    AAX_Result record (const char* what, AAX_CParamID id, double v) const
    {
        calls.push_back (std::string (what) + " " + id + " " + exactText (v));
        return 0;
    }
};

inline std::unique_ptr<AAX_CParameter<float>> floatParameter (const char* id, float defaultValue = 0.25f,
                                                              const char* name = "Feedback")
{
    return std::make_unique<AAX_CParameter<float>> (id, AAX_CString (name), defaultValue,
                                                    AAX_CLinearTaperDelegate<float, 0> (0.0f, 1.0f),
                                                    AAX_CNumberDisplayDelegate<float, 3, 0>(), true);
}

inline std::unique_ptr<AAX_CParameter<bool>> bypassParameter()
{
    return std::make_unique<AAX_CParameter<bool>> (cDefaultMasterBypassID, AAX_CString ("Master Bypass"), false,
                                                   AAX_CBinaryTaperDelegate<bool>(),
                                                   AAX_CBinaryDisplayDelegate<bool> ("bypass", "on"), true);
}
} // namespace aaxlib
