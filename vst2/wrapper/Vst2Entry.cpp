// The exported entry points of the VST 2 plug-in: the only symbols the .so
// shows. A host calls one of them once per instance.
#include "PandrelVst2Effect.h"
#include "PluginMessageLoop.h"

#include <juce_audio_plugin_client/utility/juce_CreatePluginFilter.h>

namespace
{
AEffect* createEffect (VstHostCallback hostCallback)
{
    // A host that does not answer its version query is not a VST 2 host.
    if (hostCallback == nullptr || hostCallback (nullptr, VstHostOpcode::version, 0, 0, nullptr, 0.0f) == 0)
        return nullptr;

    // The processor is made on the host's thread, standing in as JUCE's
    // message thread meanwhile; the instance keeps the message thread and
    // JUCE itself alive afterwards. JUCE starts before the message thread and
    // stops after it: the other way round, a failed creation with no other
    // instance alive would leave the thread running for a message manager
    // that is gone.
    juce::ScopedJuceInitialiser_GUI juceInitialiser;
    PluginMessageThread messageThread;
    HostDrivenMessageLoop onHostThread;

    try
    {
        auto processor = juce::createPluginFilterOfType (juce::AudioProcessor::wrapperType_VST);
        if (processor == nullptr)
            return nullptr;
        auto* effect = new PandrelVst2Effect (hostCallback, std::move (processor));
        return effect->getAeffect();
    }
    catch (...)
    {
        return nullptr;
    }
}
} // namespace

extern "C" __attribute__ ((visibility ("default"))) AEffect* VSTPluginMain (VstHostCallback hostCallback)
{
    return createEffect (hostCallback);
}

extern "C" __attribute__ ((visibility ("default"))) AEffect* main_macho (VstHostCallback hostCallback)
{
    return createEffect (hostCallback);
}
