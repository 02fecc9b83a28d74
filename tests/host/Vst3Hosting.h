#pragma once
// The built VST3 bundle loaded the way a host loads it (JUCE's VST3 hosting),
// and its state as that hosting frames it.
#include "Vst3Host.h"

#include <gtest/gtest.h>

namespace vst3hosting
{
inline juce::PluginDescription describe() { return Vst3Host::describe (juce::File (PANDREL_VST3_BUNDLE)); }

inline std::unique_ptr<juce::AudioPluginInstance> load()
{
    juce::String error;
    auto instance = Vst3Host::load (juce::File (PANDREL_VST3_BUNDLE), 48000.0, 512, error);
    EXPECT_NE (instance, nullptr) << error;
    return instance;
}

inline juce::MemoryBlock stateOf (juce::AudioPluginInstance& plugin)
{
    juce::MemoryBlock state;
    plugin.getStateInformation (state);
    return state;
}

// Plug-in state bytes inside the host state of JUCE's VST3 hosting, and back.
inline juce::MemoryBlock hostState (const void* pluginState, size_t size)
{
    juce::XmlElement state ("VST3PluginState");
    state.createNewChildElement ("IComponent")->addTextElement (juce::MemoryBlock (pluginState, size).toBase64Encoding());
    juce::MemoryBlock block;
    juce::AudioProcessor::copyXmlToBinary (state, block);
    return block;
}

inline juce::MemoryBlock pluginStateOf (const juce::MemoryBlock& hostState)
{
    juce::MemoryBlock state;
    if (auto xml = juce::AudioProcessor::getXmlFromBinary (hostState.getData(), (int) hostState.getSize()))
        state.fromBase64Encoding (xml->getChildElementAllSubText ("IComponent", {}));
    return state;
}
} // namespace vst3hosting
