#include "PluginRender.h"

#include "PluginHost.h"
#include "RenderedFile.h"

#include <cstdio>

namespace
{
constexpr int blockSize = 512;
constexpr int flangerTypeIndex = 1;

// The whole input through the plug-in in host-sized blocks.
void renderThrough (juce::AudioPluginInstance& plugin, juce::AudioBuffer<float>& audio, double sampleRate)
{
    plugin.prepareToPlay (sampleRate, blockSize);
    juce::MidiBuffer midi;
    for (int start = 0; start < audio.getNumSamples(); start += blockSize)
    {
        juce::AudioBuffer<float> block (audio.getArrayOfWritePointers(), audio.getNumChannels(), start,
                                        juce::jmin (blockSize, audio.getNumSamples() - start));
        plugin.processBlock (block, midi);
    }
    plugin.releaseResources();
}
} // namespace

int PluginRender::renderEachType (const juce::File& bundle, const juce::AudioBuffer<float>& input, double sampleRate,
                                  const juce::File& folder)
{
    const juce::ScopedJuceInitialiser_GUI juce;

    std::printf ("Rendered the demo signal through the VST3 plug-in %s:\n", bundle.getFullPathName().toRawUTF8());

    for (int type = 0; type < 3; ++type)
    {
        juce::String error;
        auto plugin = PluginHost::loadVst3 (bundle, sampleRate, blockSize, error);
        if (plugin == nullptr)
        {
            std::fprintf (stderr, "render: %s\n", error.toRawUTF8());
            return 1;
        }

        // Chosen before playback starts, so the type holds from the first sample.
        auto* typeParameter = plugin->getParameters()[flangerTypeIndex];
        typeParameter->setValueNotifyingHost (0.5f * static_cast<float> (type));

        juce::AudioBuffer<float> audio (input);
        renderThrough (*plugin, audio, sampleRate);

        const auto label = typeParameter->getCurrentValueAsText();
        const auto file = folder.getChildFile ("vst3-" + label.toLowerCase().removeCharacters (" ") + ".wav");
        if (! RenderedFile::save (file, audio, sampleRate, label))
            return 1;
    }
    return 0;
}
