// One AAX parameter: its steps, names, texts and the hand-shake with the
// host's automation; and the manager that owns the parameters.
#include "AAX_CParameterManager.h"
#include "LibraryFixtures.h"

#include <gtest/gtest.h>

#include <limits>

using aaxlib::floatParameter;
using Calls = std::vector<std::string>;

TEST (AaxParameter, ANewParameterHoldsItsDefaultAndSendsNothing)
{
    aaxlib::RecordingDelegate host;
    auto p = floatParameter ("a-forty-character-identifier-for-testing", 0.25f);
    EXPECT_STREQ (p->Identifier(), "a-forty-character-identifier-fo");
    EXPECT_STREQ (std::unique_ptr<AAX_IParameterValue> (p->CloneValue())->Identifier(), p->Identifier());
    EXPECT_EQ (p->GetNumberOfSteps(), 128u);
    EXPECT_EQ (p->GetType(), AAX_eParameterType_Continuous);
    EXPECT_EQ (p->GetOrientation(), 0);
    EXPECT_EQ (p->GetNormalizedValue(), 0.25);
    p->SetNumberOfSteps (0);
    EXPECT_EQ (p->GetNumberOfSteps(), 128u);
    EXPECT_TRUE (host.calls.empty());
}

TEST (AaxParameter, StepsRoundToTheNearestAndNaNGivesStepZero)
{
    auto p = floatParameter ("0");
    EXPECT_EQ (p->GetStepValueFromNormalizedValue (0.5), 64u);
    EXPECT_EQ (p->GetStepValueFromNormalizedValue (0.49), 62u);
    EXPECT_EQ (p->GetStepValueFromNormalizedValue (1.2), 127u);
    EXPECT_EQ (p->GetStepValueFromNormalizedValue (-0.1), 0u);
    EXPECT_EQ (p->GetStepValueFromNormalizedValue (std::numeric_limits<double>::quiet_NaN()), 0u);
    EXPECT_EQ (p->GetNormalizedValueFromStep (200), 1.0);

    p->SetNumberOfSteps (2);
    EXPECT_EQ (p->GetStepValueFromNormalizedValue (0.49), 0u);
    EXPECT_EQ (p->GetStepValueFromNormalizedValue (0.5), 1u);

    p->SetNumberOfSteps (1);
    EXPECT_EQ (p->GetStepValueFromNormalizedValue (0.9), 0u);
    p->SetStepValue (1);
    EXPECT_EQ (p->GetNormalizedValue(), 0.25);
}

TEST (AaxParameter, ShortNamesAndTexts)
{
    auto p = floatParameter ("6", 0.5f, "Feedback");
    p->AddShortenedName (AAX_CString ("Fdbk"));
    p->AddShortenedName (AAX_CString ("Feedbk"));
    for (auto [length, expected] : { std::pair { 8, "Feedback" }, { 7, "Feedbk" }, { 6, "Feedbk" }, { 5, "Fdbk" },
                                     { 4, "Fdbk" }, { 3, "Fdbk" }, { -1, "Feedback" } })
        EXPECT_STREQ (p->ShortenedName (length).Get(), expected) << length;

    AAX_CString text;
    EXPECT_TRUE (p->GetValueString (2, &text));
    EXPECT_STREQ (text.Get(), "0.500");
    EXPECT_FALSE (p->GetValueAsString (nullptr));

    double n = 0.0;
    EXPECT_FALSE (p->GetNormalizedValueFromInt32 (1, &n));
    EXPECT_FALSE (p->SetValueWithDouble (0.7));
    EXPECT_FALSE (p->GetNormalizedValueFromString (AAX_CString ("2.5"), &n)); // out of range
    EXPECT_EQ (n, 1.0);
    EXPECT_EQ (p->GetNormalizedValue(), 0.5);
}

TEST (AaxParameter, WithTheHostsAutomationAChangeIsAskedForAndStoredOnlyWhenConfirmed)
{
    aaxlib::RecordingDelegate host;
    auto p = floatParameter ("3", 0.25f);
    p->SetAutomationDelegate (&host);
    EXPECT_EQ (host.take(), (Calls { "register 3" }));

    p->SetNormalizedValue (1.7);
    EXPECT_EQ (host.take(), (Calls { "touch 3", "request 3 1", "release 3" }));
    EXPECT_EQ (p->GetNormalizedValue(), 0.25);

    p->UpdateNormalizedValue (1.0);
    EXPECT_EQ (p->GetNormalizedValue(), 1.0);
    EXPECT_EQ (host.take(), (Calls { "current 3 1" }));
    p->UpdateNormalizedValue (1.0);
    EXPECT_TRUE (host.take().empty());

    // A NaN from a host becomes the taper's minimum, reported as received.
    p->UpdateNormalizedValue (std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ (p->GetNormalizedValue(), 0.0);
    EXPECT_EQ (host.take(), (Calls { "current 3 nan" }));

    auto bypass = aaxlib::bypassParameter();
    bypass->SetAutomationDelegate (&host);
    host.take();
    EXPECT_TRUE (bypass->SetValueWithBool (true));
    EXPECT_EQ (host.take(), (Calls { "touch MasterBypassID", "request MasterBypassID 1", "release MasterBypassID" }));

    p.reset();
    EXPECT_EQ (host.take(), (Calls { "unregister 3" }));
}

TEST (AaxParameterManager, OwnsFindsAndRefusesDuplicates)
{
    aaxlib::RecordingDelegate host;
    AAX_CParameterManager manager;
    auto early = floatParameter ("early");
    manager.AddParameter (early.release()); // before Initialize: no delegate
    manager.Initialize (&host);
    manager.AddParameter (floatParameter ("0").release());
    auto second = floatParameter ("0");
    manager.AddParameter (second.get()); // refused; still ours
    manager.AddParameter (nullptr);

    EXPECT_EQ (manager.NumParameters(), 2);
    EXPECT_EQ (host.take(), (Calls { "register 0" }));
    EXPECT_NE (manager.GetParameterByID ("0"), second.get());
    EXPECT_EQ (manager.GetParameterIndex ("0"), 1);
    EXPECT_EQ (manager.GetParameterIndex ("nope"), -1);
    EXPECT_EQ (manager.GetParameterIndex (nullptr), -1);
    EXPECT_EQ (manager.GetParameter (-1), nullptr);
    EXPECT_EQ (manager.GetParameter (2), nullptr);

    manager.RemoveAllParameters();
    EXPECT_EQ (manager.NumParameters(), 0);
    EXPECT_EQ (manager.GetParameterByID ("early"), nullptr);
    EXPECT_EQ (host.take(), (Calls { "unregister 0" }));
}
