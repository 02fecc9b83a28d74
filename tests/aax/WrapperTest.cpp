// The host-interface wrappers against host objects that offer every, some or
// none of an interface's versions.
#include "AAX_CHostServices.h"
#include "AAX_CString.h"
#include "AAX_Errors.h"
#include "AAX_VAutomationDelegate.h"
#include "AAX_VCollection.h"
#include "AAX_VComponentDescriptor.h"
#include "AAX_VController.h"
#include "AAX_VEffectDescriptor.h"
#include "AAX_VHostServices.h"
#include "AAX_VPropertyMap.h"
#include "AAX_VTransport.h"
#include "AAX_VViewContainer.h"
#include "HostObjects.h"

#include <gtest/gtest.h>

#include <string>

using aaxhost::Host;

namespace
{
constexpr AAX_Result hostAnswer = 7; // what the host objects answer, to tell forwarding from a fallback

// Expected result of an operation introduced by `version` when the host offers `offered`.
AAX_Result forwardedOr (int version, int offered)
{
    if (offered >= version)
        return hostAnswer;
    return version == 1 ? AAX_ERROR_NULL_OBJECT : AAX_ERROR_UNIMPLEMENTED;
}
} // namespace

TEST (AaxWrappers, ControllerForwardsEachOperationToTheVersionThatHasIt)
{
    for (int offered = 0; offered <= 3; ++offered)
    {
        SCOPED_TRACE (offered);
        Host host;
        host.controller.versions = offered;
        host.controller.answer = hostAnswer;
        {
            AAX_VController controller (&host);
            const unsigned char packet[4] = { 1, 2, 3, 4 };
            EXPECT_EQ (controller.PostPacket (3, packet, 4), forwardedOr (1, offered));
            EXPECT_EQ (controller.SetSignalLatency (64), forwardedOr (1, offered));
            AAX_CString name;
            EXPECT_EQ (controller.GetHostName (&name), forwardedOr (2, offered));
            EXPECT_EQ (controller.SendNotification (0, nullptr, 0), forwardedOr (2, offered));
            AAX_CBoolean audioSuite = 0;
            EXPECT_EQ (controller.GetIsAudioSuite (&audioSuite), forwardedOr (3, offered));

            AAX_CTransportCounter timestamp = 99;
            EXPECT_EQ (controller.GetCurrentAutomationTimestamp (&timestamp), forwardedOr (2, offered));
            EXPECT_EQ (timestamp, offered >= 2 ? 4410 : 0); // the host's, or a defined 0
            EXPECT_EQ (controller.GetCurrentAutomationTimestamp (nullptr), forwardedOr (2, offered));

            if (offered >= 1)
            {
                ASSERT_EQ (host.controller.packets.size(), 1u);
                EXPECT_EQ (host.controller.packets[0], std::vector<unsigned char> ({ 1, 2, 3, 4 }));
                EXPECT_TRUE (host.controller.log.contains ("SetSignalLatency 64"));
            }
            EXPECT_EQ (host.referencesHeld(), offered);
        }
        EXPECT_EQ (host.referencesHeld(), 0);
    }
}

TEST (AaxWrappers, TransportAutomationAndViewContainerFallBackAsTabled)
{
    for (int offered = 0; offered <= 2; ++offered)
    {
        SCOPED_TRACE (offered);
        Host host;
        host.transport.versions = offered;
        host.transport.answer = hostAnswer;
        host.automation.versions = std::min (offered, 1);
        host.automation.answer = hostAnswer;
        aaxhost::ViewContainer view (offered, 0x2a00001);
        view.answer = hostAnswer;
        {
            AAX_VTransport transport (&host);
            double bpm = 0.0;
            EXPECT_EQ (transport.GetCurrentTempo (&bpm), forwardedOr (1, offered));
            std::int32_t metronome = 0;
            EXPECT_EQ (transport.IsMetronomeEnabled (&metronome), forwardedOr (2, offered));

            AAX_VAutomationDelegate automation (&host);
            EXPECT_EQ (automation.PostSetValueRequest ("0", 0.25), forwardedOr (1, offered));
            if (offered >= 1)
            {
                EXPECT_EQ (host.automation.log.last(), "request 0 0.25");
            }

            // A missing view container: no type, no view, resizing is harmless,
            // the mouse calls are unsupported.
            AAX_VViewContainer container (&view);
            EXPECT_EQ (container.GetType(), offered >= 1 ? AAX_eViewContainer_Type_X11Window : 0);
            EXPECT_EQ (container.GetPtr(), offered >= 1 ? reinterpret_cast<void*> (view.window) : nullptr);
            AAX_Point size { 454.0f, 325.0f };
            EXPECT_EQ (container.SetViewSize (size), offered >= 1 ? hostAnswer : 0);
            std::uint32_t modifiers = 0;
            EXPECT_EQ (container.GetModifiers (&modifiers), offered >= 1 ? hostAnswer : AAX_ERROR_UNIMPLEMENTED);
            EXPECT_EQ (container.HandleParameterMouseDown ("2", 0), offered >= 1 ? hostAnswer : AAX_ERROR_UNIMPLEMENTED);
            const AAX_CParamID ids[] = { "1", "2" };
            EXPECT_EQ (container.HandleMultipleParametersMouseDown (ids, 2, 0), forwardedOr (2, offered));
            if (offered >= 1)
            {
                EXPECT_TRUE (view.log.contains ("SetViewSize 325x454"));
            }
        }
        EXPECT_EQ (host.referencesHeld(), 0);
        EXPECT_EQ (view.references, 0);
    }
}

TEST (AaxWrappers, WithoutAHostObjectEveryOperationFallsBack)
{
    AAX_VController controller (nullptr);
    EXPECT_EQ (controller.GetSampleRate (nullptr), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (controller.GetPlugInTargetPlatform (nullptr), AAX_ERROR_UNIMPLEMENTED);
    AAX_VCollection collection (nullptr);
    EXPECT_EQ (collection.GetIUnknown(), nullptr);
    EXPECT_EQ (collection.SetPackageVersion (0x10001), AAX_ERROR_NULL_OBJECT);
    auto* descriptor = collection.NewDescriptor();
    ASSERT_NE (descriptor, nullptr);
    EXPECT_EQ (descriptor->AddName ("x"), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (descriptor->AddControlMIDINode (0, AAX_eMIDINodeType_Global, "m", 1), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ (collection.AddEffect ("x", descriptor), AAX_ERROR_NULL_OBJECT);
    AAX_VPropertyMap map (nullptr);
    AAX_CPropertyValue value = 5;
    EXPECT_FALSE (map.GetProperty (AAX_eProperty_CanBypass, &value));
    EXPECT_EQ (map.AddProperty (AAX_eProperty_CanBypass, 1), AAX_ERROR_NULL_OBJECT);
    EXPECT_FALSE (map.GetPropertyWithIDArray (AAX_eProperty_CanBypass, nullptr, nullptr));
    EXPECT_EQ (map.AddPropertyWithIDArray (AAX_eProperty_CanBypass, nullptr, 0), AAX_ERROR_UNIMPLEMENTED);
    AAX_VHostServices services (nullptr);
    EXPECT_EQ (services.Trace (0, "x"), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (services.StackTrace (0, 0, "x"), AAX_ERROR_UNIMPLEMENTED);
}

TEST (AaxWrappers, DescriptionObjectsComeFromTheFactoryAndHandOverTheirChildren)
{
    Host host;
    host.componentDescriptorVersions = 1;
    {
        AAX_VCollection collection (&host);
        ASSERT_EQ (host.collections.size(), 1u);
        EXPECT_EQ (collection.GetIUnknown(), static_cast<IACFUnknown*> (host.collections[0].get()));
        EXPECT_EQ (host.factory.references, 0); // dropped after use

        auto* effect = collection.NewDescriptor();
        auto* component = effect->NewComponentDescriptor();
        auto* effectMap = effect->NewPropertyMap();
        auto* collectionMap = collection.NewPropertyMap();
        ASSERT_EQ (host.effectDescriptors.size(), 1u);
        ASSERT_EQ (host.componentDescriptors.size(), 1u);
        ASSERT_EQ (host.propertyMaps.size(), 2u);

        EXPECT_EQ (component->AddAudioIn (0), 0);
        EXPECT_EQ (component->AddTemporaryData (1, 4), AAX_ERROR_UNIMPLEMENTED); // the host offers version 1 only
        EXPECT_EQ (component->AddProcessProc_Native (nullptr, effectMap, nullptr, nullptr, nullptr), 0);
        EXPECT_EQ (host.componentDescriptors[0]->properties,
                   static_cast<IACFUnknown*> (host.propertyMaps[0].get()));
        EXPECT_EQ (effect->AddComponent (component), 0);
        EXPECT_EQ (effect->SetProperties (effectMap), 0);
        EXPECT_EQ (effect->SetProperties (nullptr), 0);
        EXPECT_EQ (collection.SetProperties (collectionMap), 0);
        EXPECT_EQ (collection.AddEffect ("com.morvid.PandrelTQ4418", effect), 0);
        EXPECT_EQ (collection.AddEffect ("com.morvid.PandrelTQ4418", nullptr), AAX_ERROR_NULL_OBJECT);

        auto& hostEffect = *host.effectDescriptors[0];
        EXPECT_EQ (hostEffect.arguments,
                   std::vector<IACFUnknown*> ({ host.componentDescriptors[0].get(), host.propertyMaps[0].get(), nullptr }));
        EXPECT_EQ (host.collections[0]->arguments,
                   std::vector<IACFUnknown*> ({ host.propertyMaps[1].get(), host.effectDescriptors[0].get() }));
        EXPECT_EQ (host.collections[0]->log.calls.size(), 2u); // the null descriptor never reached the host
        EXPECT_GT (host.referencesHeld(), 0);
    }
    // The collection deleted every child it made, and every child let go of the host.
    EXPECT_EQ (host.referencesHeld(), 0);
    EXPECT_FALSE (host.anyOverReleased());
}

TEST (AaxWrappers, ARefusedFactoryLeavesDescriptionObjectsWithoutInterfaces)
{
    Host host;
    host.offersFactory = false;
    AAX_VCollection collection (&host);
    EXPECT_EQ (collection.GetIUnknown(), nullptr);
    EXPECT_EQ (collection.SetManufacturerName ("Morvid"), AAX_ERROR_NULL_OBJECT);
    auto* effect = collection.NewDescriptor();
    EXPECT_EQ (effect->AddName ("Pandrel TQ4418"), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (effect->NewComponentDescriptor()->Clear(), AAX_ERROR_NULL_OBJECT);
    EXPECT_TRUE (host.collections.empty());
}

TEST (AaxWrappers, DuplicatedPropertyMapCarriesIdsTenTo401Only)
{
    Host host;
    aaxhost::PropertyMap source (2);
    source.properties = { { 9, 1 }, { 10, 2 }, { 200, 3 }, { 401, 4 }, { 402, 5 } };
    {
        AAX_VComponentDescriptor component (&host);
        // A source that is not one of ours still answers through its interface.
        struct Source : AAX_IPropertyMap
        {
            aaxhost::PropertyMap& map;
            explicit Source (aaxhost::PropertyMap& m) : map (m) {}
            AAX_CBoolean GetProperty (AAX_EProperty p, AAX_CPropertyValue* v) const override
            {
                return map.GetProperty (p, v);
            }
            AAX_Result AddProperty (AAX_EProperty p, AAX_CPropertyValue v) override { return map.AddProperty (p, v); }
            AAX_Result RemoveProperty (AAX_EProperty) override { return 0; }
            AAX_Result AddPropertyWithIDArray (AAX_EProperty, const AAX_SPlugInIdentifierTriad*, std::uint32_t) override
            {
                return 0;
            }
            AAX_CBoolean GetPropertyWithIDArray (AAX_EProperty, const AAX_SPlugInIdentifierTriad**,
                                                 std::uint32_t*) const override
            {
                return 0;
            }
        } wrapped (source);

        auto* copy = component.DuplicatePropertyMap (&wrapped);
        ASSERT_NE (copy, nullptr);
        ASSERT_EQ (host.propertyMaps.size(), 1u);
        EXPECT_EQ (host.propertyMaps[0]->properties, (std::map<std::int32_t, AAX_CPropertyValue> { { 10, 2 }, { 200, 3 }, { 401, 4 } }));
        ASSERT_EQ (source.asked.size(), 392u);
        EXPECT_EQ (source.asked.front(), 10);
        EXPECT_EQ (source.asked.back(), 401);
        EXPECT_NE (component.DuplicatePropertyMap (nullptr), nullptr);
    }
    EXPECT_EQ (host.referencesHeld(), 0);
}

TEST (AaxHostServices, TraceReachesOnlyTheInstalledHostCutTo511Characters)
{
    EXPECT_EQ (AAX_CHostServices::Trace (AAX_eTracePriorityHost_Normal, "%s", "nobody listens"), 0);

    Host host, second;
    host.hostServicesVersions = 1;
    AAX_CHostServices::Set (&host);
    ASSERT_EQ (host.hostServices.size(), 1u); // version 2 refused, version 1 made
    host.hostServices[0]->answer = hostAnswer;
    AAX_CHostServices::Set (&second); // a second host is ignored
    EXPECT_TRUE (second.hostServices.empty());

    EXPECT_EQ (AAX_CHostServices::Trace (AAX_eTracePriorityHost_High, "value %d of %s", 3, "x"), hostAnswer);
    const std::string longText (600, 'a');
    AAX_CHostServices::Trace (AAX_eTracePriorityHost_High, "%s", longText.c_str());
    const auto& traces = host.hostServices[0]->traces;
    ASSERT_EQ (traces.size(), 2u);
    EXPECT_EQ (traces[0], "value 3 of x");
    EXPECT_EQ (traces[1], std::string (511, 'a'));
    EXPECT_EQ (host.hostServices[0]->log.last(), "Trace " + std::to_string (AAX_eTracePriorityHost_High));

    AAX_CHostServices::Set (nullptr);
    EXPECT_EQ (host.referencesHeld(), 0);
    EXPECT_EQ (AAX_CHostServices::Trace (AAX_eTracePriorityHost_High, "after"), 0);
    EXPECT_EQ (traces.size(), 2u);
}
