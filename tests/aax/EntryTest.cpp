// The module entry points: in-process with description functions of the
// test's choosing, and exported from a built module.
#include "ACF/ACFModule.h"
#include "AAX_CHostServices.h"
#include "AAX_ICollection.h"
#include "AAX_IEffectDescriptor.h"
#include "AAX_IEffectParameters.h"
#include "AAX_Init.h"
#include "EffectParametersStub.h"
#include "HostObjects.h"

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <functional>
#include <stdexcept>

namespace
{
std::function<AAX_Result (AAX_ICollection*)> describe;
int descriptions = 0;

// Fills the collection as the plug-in does, ignoring every result.
AAX_Result describeEffect (AAX_ICollection* collection)
{
    auto* effect = collection->NewDescriptor();
    effect->AddName ("Pandrel TQ4418");
    collection->AddEffect ("com.morvid.PandrelTQ4418", effect);
    collection->SetManufacturerName ("Morvid");
    return 0;
}

auto* const sentinel = reinterpret_cast<IACFPluginDefinition*> (0x5a5a);

class Effect final : public aaxhost::EffectParametersStub<AAX_IEffectParameters>
{
};
} // namespace

AAX_Result GetEffectDescriptions (AAX_ICollection* collection)
{
    ++descriptions;
    return describe (collection);
}

TEST (AaxEntryPoints, AnswerTheFixedQuestionsAndRefuseNullOutputs)
{
    std::uint64_t version = 0;
    EXPECT_EQ (ACFGetSDKVersion (&version), 0);
    EXPECT_EQ (version, 0x0000020200B45B38ull);
    EXPECT_EQ (ACFGetSDKVersion (nullptr), -20004);

    auto* component = reinterpret_cast<IACFComponentDefinition*> (0x5a5a);
    EXPECT_EQ (ACFRegisterComponent (nullptr, 0, &component), 0);
    EXPECT_EQ (component, nullptr);
    EXPECT_EQ (ACFRegisterComponent (nullptr, 0, nullptr), -20004);

    void* factory = &version;
    EXPECT_EQ (ACFGetClassFactory (nullptr, IID_IACFUnknown, IID_IACFComponentFactory, &factory), -20009);
    EXPECT_EQ (factory, nullptr);
    EXPECT_EQ (ACFGetClassFactory (nullptr, IID_IACFUnknown, IID_IACFComponentFactory, nullptr), -20004);

    descriptions = 0;
    EXPECT_EQ (ACFRegisterPlugin (nullptr, nullptr), -20004);
    EXPECT_EQ (descriptions, 0);
}

TEST (AaxEntryPoints, RegistrationHandsBackTheCollectionOrTheFailure)
{
    struct Case
    {
        const char* what;
        std::function<AAX_Result (AAX_ICollection*)> description;
        std::function<void (aaxhost::Host&)> prepare;
        ACFRESULT expected;
        bool outputNulled;
    };
    const auto none = [] (aaxhost::Host&) {};
    const Case cases[] = {
        { "success", describeEffect, none, 0, true },
        { "the description's error", [] (AAX_ICollection*) { return -20004; }, none, -20004, false },
        { "a positive result", [] (AAX_ICollection*) { return 3; }, none, 3, false },
        { "a thrown int", [] (AAX_ICollection* c) -> AAX_Result { c->NewDescriptor(); throw 5; }, none,
          ACF_E_UNEXPECTED, false },
        { "a thrown exception",
          [] (AAX_ICollection* c) -> AAX_Result {
              c->NewDescriptor();
              throw std::runtime_error ("x");
          },
          none, ACF_E_UNEXPECTED, false },
        { "a refused definition", describeEffect,
          [] (aaxhost::Host& h) { h.offersPluginDefinition = false; }, -20004, true },
        { "no collection (refused factory)", describeEffect, [] (aaxhost::Host& h) { h.offersFactory = false; },
          -20004, true },
        { "no collection (host without version 1)", describeEffect,
          [] (aaxhost::Host& h) { h.collectionVersions = 0; }, -20004, true },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.what);
        aaxhost::Host host;
        c.prepare (host);
        describe = c.description;
        IACFPluginDefinition* definition = sentinel;
        EXPECT_EQ (ACFRegisterPlugin (&host, &definition), c.expected);
        if (c.expected == 0)
        {
            ASSERT_EQ (host.collections.size(), 1u);
            EXPECT_EQ (static_cast<IACFUnknown*> (definition), host.collections[0].get());
            EXPECT_EQ (host.referencesHeld(), 1); // the definition's own reference
            EXPECT_EQ (host.collections[0]->log.calls,
                       std::vector<std::string> ({ "AddEffect com.morvid.PandrelTQ4418",
                                                   "SetManufacturerName Morvid" }));
            EXPECT_EQ (host.effectDescriptors[0]->log.calls, std::vector<std::string> ({ "AddName Pandrel TQ4418" }));
            definition->Release();
        }
        else
            EXPECT_EQ (definition, c.outputNulled ? nullptr : sentinel);
        // The wrappers are gone, on every path.
        EXPECT_EQ (host.referencesHeld(), 0);
        EXPECT_FALSE (host.anyOverReleased());
    }
}

TEST (AaxEntryPoints, CanUnloadOnlyWhenNoObjectIsAlive)
{
    const auto before = ACFCanUnloadNow (nullptr);
    auto* effect = new Effect();
    effect->AddRef();
    EXPECT_EQ (ACFCanUnloadNow (nullptr), before + 1);
    effect->Release();
    EXPECT_EQ (ACFCanUnloadNow (nullptr), before);
}

TEST (AaxEntryPoints, HostServicesLiveFromStartupToShutdown)
{
    aaxhost::Host host;
    EXPECT_EQ (ACFStartup (&host), 0);
    ASSERT_EQ (host.hostServices.size(), 2u); // versions 1 and 2, both from the factory
    AAX_CHostServices::Trace (AAX_eTracePriorityHost_Normal, "up %d", 1);
    EXPECT_EQ (host.hostServices[0]->traces, std::vector<std::string> ({ "up 1" }));
    EXPECT_EQ (ACFShutdown (&host), 0);
    EXPECT_EQ (host.referencesHeld(), 0);
    EXPECT_EQ (AAX_CHostServices::Trace (AAX_eTracePriorityHost_Normal, "down"), 0);
    EXPECT_EQ (host.hostServices[0]->traces.size(), 1u);
}

TEST (AaxEntryPoints, TheBuiltModuleExportsExactlyTheSevenEntryPoints)
{
    void* module = dlopen (PANDREL_AAX_TEST_MODULE, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE (module, nullptr) << dlerror();
    for (const char* name : { "ACFRegisterPlugin", "ACFRegisterComponent", "ACFGetClassFactory", "ACFCanUnloadNow",
                              "ACFStartup", "ACFShutdown", "ACFGetSDKVersion" })
        EXPECT_NE (dlsym (module, name), nullptr) << name;
    for (const char* hidden : { "GetEffectDescriptions", "_Z21GetEffectDescriptionsP15AAX_ICollection",
                                "_Z17AAXRegisterPluginP11IACFUnknownPP20IACFPluginDefinition",
                                "_ZN11CACFUnknown20GetActiveObjectCountEv" })
        EXPECT_EQ (dlsym (module, hidden), nullptr) << hidden;

    // Registration through a loaded module: the plug-in's own bundle in the
    // stand-in host (AaxPlugin tests).
    EXPECT_EQ (dlclose (module), 0);
}
