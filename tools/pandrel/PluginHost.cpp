#include "PluginHost.h"

std::unique_ptr<juce::AudioPluginInstance> PluginHost::loadVst3 (const juce::File& bundle, double sampleRate,
                                                                 int blockSize, juce::String& error)
{
    if (! bundle.exists())
    {
        error = "no plug-in at " + bundle.getFullPathName();
        return {};
    }

    juce::VST3PluginFormat format;
    juce::OwnedArray<juce::PluginDescription> types;
    format.findAllTypesForFile (types, bundle.getFullPathName());
    if (types.isEmpty())
    {
        error = "not a VST3 plug-in: " + bundle.getFullPathName();
        return {};
    }

    return format.createInstanceFromDescription (*types[0], sampleRate, blockSize, error);
}
