// What the host learns of the plug-in at registration: one effect with a
// component per channel layout, its creators and its package.
#include "AAX_Errors.h"
#include "AAX_ICollection.h"
#include "AAX_IComponentDescriptor.h"
#include "AAX_IEffectDescriptor.h"
#include "AAX_Init.h"
#include "AAX_IPropertyMap.h"
#include "PandrelAAXEffect.h"
#include "PandrelAAXGUI.h"
#include "PandrelVersion.h"
#include "PandrelAAXRender.h"

#include <juce_audio_plugin_client/utility/juce_CreatePluginFilter.h>

namespace
{
constexpr const char* effectID = "com.morvid.PandrelTQ4418";
constexpr AAX_CTypeID manufacturerID = ('M' << 24) | ('V' << 16) | ('D' << 8) | '_';
constexpr AAX_CTypeID productID = ('P' << 24) | ('t' << 16) | ('q' << 8) | '4';
constexpr auto packageVersion = static_cast<std::uint32_t> (PandrelVersion::code);

struct Layout
{
    int ins, outs;
    AAX_CTypeID plugInID;
};

// In the order hosts are offered them.
constexpr Layout layouts[] = {
    { 2, 2, ('P' << 24) | ('q' << 16) | ('2' << 8) | '2' },
    { 1, 2, ('P' << 24) | ('q' << 16) | ('1' << 8) | '2' },
    { 1, 1, ('P' << 24) | ('q' << 16) | ('1' << 8) | '1' },
};

AAX_EStemFormat stemOf (int channels)
{
    return channels == 1 ? AAX_eStemFormat_Mono : AAX_eStemFormat_Stereo;
}

void describeComponent (AAX_IEffectDescriptor& effect, const Layout& layout)
{
    auto* component = effect.NewComponentDescriptor();
    if (component == nullptr)
        return;

    using namespace PandrelAAXRender;
    component->AddAudioIn (audioIn);
    component->AddAudioOut (audioOut);
    component->AddAudioBufferLength (bufferLength);
    component->AddDataInPort (bypass, sizeof (std::int32_t), AAX_eDataInPortType_Unbuffered);
    component->AddPrivateData (privateData, sizeof (PandrelAAXEffect*), AAX_ePrivateDataOptions_DefaultOptions);

    if (auto* properties = component->NewPropertyMap())
    {
        properties->AddProperty (AAX_eProperty_ManufacturerID, static_cast<AAX_CPropertyValue> (manufacturerID));
        properties->AddProperty (AAX_eProperty_ProductID, static_cast<AAX_CPropertyValue> (productID));
        properties->AddProperty (AAX_eProperty_PlugInID_Native, static_cast<AAX_CPropertyValue> (layout.plugInID));
        properties->AddProperty (AAX_eProperty_InputStemFormat, stemOf (layout.ins));
        properties->AddProperty (AAX_eProperty_OutputStemFormat, stemOf (layout.outs));
        properties->AddProperty (AAX_eProperty_CanBypass, 1);
        component->AddProcessProc_Native (&process, properties, &initInstance, nullptr, nullptr);
    }
    effect.AddComponent (component);
}

AAX_Result describe (AAX_ICollection* collection)
{
    if (collection == nullptr)
        return AAX_ERROR_NULL_OBJECT;

    // A processor only to read the name; made and dropped with JUCE running.
    juce::ScopedJuceInitialiser_GUI juceInitialiser;
    PluginMessageThread messageThread;
    HostDrivenMessageLoop onHostThread;
    juce::String name;
    {
        auto processor = juce::createPluginFilterOfType (juce::AudioProcessor::wrapperType_AAX);
        if (processor == nullptr)
            return AAX_ERROR_NULL_OBJECT;
        name = processor->getName();
        const juce::MessageManagerLock lock;
        processor.reset();
    }

    auto* effect = collection->NewDescriptor();
    if (effect == nullptr)
        return AAX_ERROR_NULL_OBJECT;

    effect->AddName (name.toRawUTF8());
    effect->AddCategory (AAX_ePlugInCategory_Modulation);
    for (const auto& layout : layouts)
        describeComponent (*effect, layout);
    effect->AddProcPtr (reinterpret_cast<void*> (&PandrelAAXEffect::create), kAAX_ProcPtrID_Create_EffectParameters);
    effect->AddProcPtr (reinterpret_cast<void*> (&PandrelAAXGUI::create), kAAX_ProcPtrID_Create_EffectGUI);

    collection->AddEffect (effectID, effect);
    collection->SetManufacturerName ("Morvid");
    collection->AddPackageName ("TQ4418");
    collection->AddPackageName (name.toRawUTF8());
    collection->SetPackageVersion (packageVersion);
    return AAX_SUCCESS;
}
} // namespace

AAX_Result GetEffectDescriptions (AAX_ICollection* collection)
{
    try
    {
        return describe (collection);
    }
    catch (...)
    {
        return AAX_ERROR_UNEXPECTED;
    }
}
