#include "Vst3Host.h"

juce::PluginDescription Vst3Host::describe (const juce::File& bundle)
{
    juce::VST3PluginFormat format;
    juce::OwnedArray<juce::PluginDescription> types;
    format.findAllTypesForFile (types, bundle.getFullPathName());
    return types.isEmpty() ? juce::PluginDescription() : *types[0];
}

std::unique_ptr<juce::AudioPluginInstance> Vst3Host::load (const juce::File& bundle, double sampleRate, int blockSize,
                                                           juce::String& error)
{
    if (! bundle.exists())
    {
        error = "no plug-in at " + bundle.getFullPathName();
        return {};
    }
    const auto description = describe (bundle);
    if (description.fileOrIdentifier.isEmpty())
    {
        error = "not a VST3 plug-in: " + bundle.getFullPathName();
        return {};
    }
    return juce::VST3PluginFormat().createInstanceFromDescription (description, sampleRate, blockSize, error);
}
