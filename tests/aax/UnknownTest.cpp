// Reference counting and interface queries of host-visible objects, and the
// GUI base's calls into a host.
#include "AAX_CEffectGUI.h"
#include "AAX_Errors.h"
#include "AAX_IEffectParameters.h"
#include "AAX_IViewContainer.h"
#include "EffectParametersStub.h"
#include "HostObjects.h"

#include <gtest/gtest.h>

#include <optional>
#include <thread>
#include <vector>

namespace
{
int destroyed = 0;

class Effect final : public aaxhost::EffectParametersStub<AAX_IEffectParameters>
{
public:
    ~Effect() override { ++destroyed; }
};

// The effect's parameter object as a host holds it: answers a fixed list of
// parameter IDs, every other operation is unsupported.
class HeldParameters final : public aaxhost::EffectParametersStub<aaxhost::HostObject<AAX_IACFEffectParameters_V3>>
{
public:
    HeldParameters() : EffectParametersStub ({ IID_IAAXEffectParametersV1, IID_IAAXEffectParametersV2, IID_IAAXEffectParametersV3 }, 3)
    {
    }

    AAX_Result GetNumberOfParameters (std::int32_t* outCount) const override
    {
        if (outCount != nullptr)
            *outCount = reportedCount.value_or (static_cast<std::int32_t> (ids.size()));
        called ("GetNumberOfParameters");
        return countAnswer;
    }
    AAX_Result GetParameterIDFromIndex (std::int32_t index, AAX_IString* outID) const override
    {
        called ("GetParameterIDFromIndex " + std::to_string (index));
        if (index < 0 || index >= static_cast<std::int32_t> (ids.size()))
            return -20001;
        if (outID != nullptr)
            outID->Set (ids[static_cast<std::size_t> (index)].c_str());
        return 0;
    }

    std::vector<std::string> ids;
    AAX_Result countAnswer = 0;
    std::optional<std::int32_t> reportedCount; // reported instead of ids.size() when set
};

class Gui final : public AAX_CEffectGUI
{
public:
    AAX_Result ParameterUpdated (AAX_CParamID id) override
    {
        calls.push_back (std::string ("ParameterUpdated ") + id);
        return AAX_SUCCESS;
    }

    std::vector<std::string> calls;
    bool containerWhileDeleting = true;
    int viewReferencesWhileDeleting = -1;
    aaxhost::ViewContainer* view = nullptr;

protected:
    void CreateViewContents() override { calls.push_back ("CreateViewContents"); }
    void CreateViewContainer() override
    {
        calls.push_back ("CreateViewContainer " + std::to_string (GetViewContainerType()));
    }
    void DeleteViewContainer() override
    {
        calls.push_back ("DeleteViewContainer");
        containerWhileDeleting = GetViewContainer() != nullptr;
        if (view != nullptr)
            viewReferencesWhileDeleting = view->references;
    }
};

template <class T>
T* query (IACFUnknown& object, const acfIID& iid)
{
    void* out = nullptr;
    return object.QueryInterface (iid, &out) == ACF_OK ? static_cast<T*> (out) : nullptr;
}
} // namespace

TEST (AaxUnknown, AnswersItsOwnInterfacesAndDeletesItselfOnceAtZero)
{
    destroyed = 0;
    const auto liveBefore = CACFUnknown::GetActiveObjectCount();
    auto* effect = new Effect();
    EXPECT_EQ (CACFUnknown::GetActiveObjectCount(), liveBefore + 1);
    EXPECT_EQ (effect->AddRef(), 1u); // the count starts at 0

    auto* v2 = query<AAX_IACFEffectParameters_V2> (*effect, IID_IAAXEffectParametersV2);
    EXPECT_EQ (v2, static_cast<AAX_IACFEffectParameters_V2*> (effect));
    EXPECT_EQ (effect->AddRef(), 3u); // the query added one
    effect->Release();
    for (const auto& iid : { IID_IAAXEffectParametersV1, IID_IAAXEffectParametersV3 })
        EXPECT_EQ (query<AAX_IACFEffectParameters> (*effect, iid), static_cast<AAX_IACFEffectParameters*> (effect));

    // The private unknown is a different object that leads back to the same count.
    auto* unknown = query<IACFUnknown> (*effect, IID_IACFUnknown);
    ASSERT_NE (unknown, nullptr);
    EXPECT_NE (static_cast<void*> (unknown), static_cast<void*> (static_cast<IACFUnknown*> (effect)));
    EXPECT_EQ (unknown->AddRef(), 6u);
    unknown->Release();

    void* out = effect;
    EXPECT_EQ (effect->QueryInterface (IID_IAAXEffectGUIV1, &out), AAX_ERROR_NO_INTERFACE);
    EXPECT_EQ (out, nullptr);
    // A null output is refused without writing anywhere.
    EXPECT_EQ (effect->QueryInterface (IID_IAAXEffectParametersV1, nullptr), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (effect->QueryInterface (IID_IACFUnknown, nullptr), AAX_ERROR_NULL_OBJECT);

    for (int i = 0; i < 4; ++i)
        unknown->Release(); // the V2, V1, V3 and unknown queries
    EXPECT_EQ (destroyed, 0);
    EXPECT_EQ (effect->Release(), 0u);
    EXPECT_EQ (destroyed, 1);
    EXPECT_EQ (CACFUnknown::GetActiveObjectCount(), liveBefore);
}

TEST (AaxUnknown, CountsStayExactUnderFourThreads)
{
    destroyed = 0;
    const auto liveBefore = CACFUnknown::GetActiveObjectCount();
    auto* effect = new Effect();
    effect->AddRef();
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back ([effect] {
            for (int i = 0; i < 20000; ++i)
            {
                effect->AddRef();
                void* out = nullptr;
                effect->QueryInterface (IID_IAAXEffectParametersV1, &out);
                effect->Release();
                effect->Release();
            }
        });
    for (auto& t : threads)
        t.join();
    EXPECT_EQ (destroyed, 0);
    EXPECT_EQ (effect->Release(), 0u);
    EXPECT_EQ (destroyed, 1);
    EXPECT_EQ (CACFUnknown::GetActiveObjectCount(), liveBefore);
}

TEST (AaxEffectGui, BindsToTheHostAndPushesEveryParameterToANewView)
{
    aaxhost::Host host;
    HeldParameters parameters;
    parameters.ids = { "0", "1", "MasterBypassID" };
    host.effectParameters = &parameters;
    aaxhost::ViewContainer view (2, 0x2a00001), second (1, 0x2a00002);
    {
        auto* gui = new Gui();
        gui->AddRef();
        gui->view = &view;
        EXPECT_EQ (gui->GetViewContainerType(), 0);
        EXPECT_EQ (gui->GetViewContainerPtr(), nullptr);
        EXPECT_EQ (gui->Initialize (&host), AAX_SUCCESS);
        EXPECT_EQ (gui->GetEffectParameters(), static_cast<AAX_IACFEffectParameters*> (&parameters));
        EXPECT_EQ (parameters.references, 1);

        EXPECT_EQ (gui->SetViewContainer (&view), AAX_SUCCESS);
        EXPECT_EQ (gui->GetViewContainerPtr(), reinterpret_cast<void*> (view.window));
        EXPECT_EQ (gui->calls, std::vector<std::string> ({ "CreateViewContents", "CreateViewContainer 1",
                                                            "ParameterUpdated 0", "ParameterUpdated 1",
                                                            "ParameterUpdated MasterBypassID" }));
        // Exactly as many IDs as the effect has.
        EXPECT_EQ (parameters.log.calls, std::vector<std::string> ({ "GetNumberOfParameters", "GetParameterIDFromIndex 0",
                                                                    "GetParameterIDFromIndex 1", "GetParameterIDFromIndex 2" }));

        // A replaced container's wrapper lets go of it.
        EXPECT_EQ (gui->SetViewContainer (&second), AAX_SUCCESS);
        EXPECT_EQ (view.references, 0);
        gui->view = &second;
        gui->calls.clear();
        EXPECT_EQ (gui->SetViewContainer (nullptr), AAX_SUCCESS);
        EXPECT_EQ (gui->calls, std::vector<std::string> ({ "DeleteViewContainer" }));
        EXPECT_FALSE (gui->containerWhileDeleting);
        EXPECT_EQ (gui->viewReferencesWhileDeleting, 1); // still wrapped while the view goes
        EXPECT_EQ (second.references, 0);
        EXPECT_EQ (gui->GetViewContainerType(), 0);

        AAX_Point size { 1.0f, 2.0f };
        EXPECT_EQ (gui->GetViewSize (&size), AAX_SUCCESS);
        EXPECT_EQ (size.horz, 2.0f);
        EXPECT_EQ (gui->GetCustomLabel (AAX_ePlugInStrings_Analysis, nullptr), AAX_ERROR_NULL_OBJECT);
        EXPECT_EQ (gui->Uninitialize(), AAX_SUCCESS);
        EXPECT_EQ (gui->GetEffectParameters(), nullptr);
        EXPECT_EQ (host.referencesHeld() + parameters.references, 0);
        EXPECT_EQ (gui->Release(), 0u);
    }
    EXPECT_FALSE (host.anyOverReleased() || parameters.overReleased);
}

TEST (AaxEffectGui, ReportsAMissingHostAndSkipsParametersItCannotCount)
{
    auto* gui = new Gui();
    gui->AddRef();
    EXPECT_EQ (gui->Initialize (nullptr), AAX_ERROR_NULL_HOST);
    EXPECT_TRUE (gui->calls.empty());
    aaxhost::ViewContainer view (1, 0x2a00001);
    gui->SetViewContainer (&view); // no effect parameters: no parameter pushed
    EXPECT_EQ (gui->calls, std::vector<std::string> ({ "CreateViewContainer 1" }));
    gui->Release(); // deleting it lets go of the container too
    EXPECT_EQ (view.references, 0);

    struct Case
    {
        AAX_Result countAnswer;
        std::int32_t count;
    };
    for (const auto& c : { Case { 0, 0 }, Case { -20009, 3 }, Case { 0, -1 } })
    {
        aaxhost::Host host;
        HeldParameters parameters;
        parameters.ids = { "0", "1", "2" };
        parameters.countAnswer = c.countAnswer;
        parameters.reportedCount = c.count;
        host.effectParameters = &parameters;
        auto* g = new Gui();
        g->AddRef();
        g->Initialize (&host);
        g->SetViewContainer (&view);
        EXPECT_EQ (parameters.log.calls, std::vector<std::string> ({ "GetNumberOfParameters" }));
        g->Release();
        EXPECT_EQ (host.referencesHeld() + parameters.references, 0);
    }
}
