#include "PluginRender.h"

#include "ParameterTable.h"
#include "RenderedFile.h"
#include "StandInHost.h"
#include "Vst2Host.h"
#include "Vst3Host.h"

#include <cmath>
#include <cstdio>

namespace
{
constexpr int blockSize = 512;

// Each renders the whole input in place through a fresh instance, the flanger
// type chosen before the processor is prepared so that it holds from the
// first sample.
using Render = bool (*) (const juce::File& plugin, float type, juce::AudioBuffer<float>& audio, double sampleRate,
                         juce::String& error);

bool renderVst3 (const juce::File& plugin, float type, juce::AudioBuffer<float>& audio, double sampleRate, juce::String& error)
{
    auto instance = Vst3Host::load (plugin, sampleRate, blockSize, error);
    if (instance == nullptr)
        return false;
    instance->getParameters()[ParameterTable::flangerType]->setValueNotifyingHost (type);
    instance->prepareToPlay (sampleRate, blockSize);
    juce::MidiBuffer midi;
    for (int start = 0; start < audio.getNumSamples(); start += blockSize)
    {
        juce::AudioBuffer<float> block (audio.getArrayOfWritePointers(), audio.getNumChannels(), start,
                                        juce::jmin (blockSize, audio.getNumSamples() - start));
        instance->processBlock (block, midi);
    }
    instance->releaseResources();
    return true;
}

bool renderVst2 (const juce::File& plugin, float type, juce::AudioBuffer<float>& audio, double sampleRate, juce::String& error)
{
    Vst2Host host (plugin.getFullPathName().toStdString(), static_cast<float> (sampleRate), blockSize);
    if (! host.error().empty())
    {
        error = juce::String (host.error()) + ": " + plugin.getFullPathName();
        return false;
    }
    host.setParameter (ParameterTable::flangerType, type);
    host.start();
    std::vector<std::vector<float>> channels;
    for (int c = 0; c < audio.getNumChannels(); ++c)
        channels.emplace_back (audio.getReadPointer (c), audio.getReadPointer (c) + audio.getNumSamples());
    host.process (channels, channels);
    for (int c = 0; c < audio.getNumChannels(); ++c)
        audio.copyFrom (c, 0, channels[static_cast<std::size_t> (c)].data(), audio.getNumSamples());
    return true;
}

bool renderAax (const juce::File& plugin, float type, juce::AudioBuffer<float>& audio, double sampleRate, juce::String& error)
{
    aaxhost::Session session (aaxhost::modulePathOf (plugin.getFullPathName().toStdString()));
    const int component = session.componentFor (audio.getNumChannels(), audio.getNumChannels());
    error = session.error().empty() && component < 0 ? juce::String ("no component for this layout") : juce::String (session.error());
    if (error.isNotEmpty())
        return false;
    auto& instance = session.make (component, static_cast<float> (sampleRate));
    if (! instance.isReady())
    {
        error = instance.error;
        return false;
    }
    // The instance is prepared as it is made: initialised once more, it
    // prepares with the type the processor then holds.
    instance.parameters->UpdateParameterNormalizedValue (juce::String (ParameterTable::flangerType).toRawUTF8(), type,
                                                        AAX_eUpdateSource_Parameter);
    instance.parameters->Uninitialize();
    instance.initialize();
    for (int start = 0; start < audio.getNumSamples(); start += blockSize)
    {
        juce::AudioBuffer<float> block (audio.getArrayOfWritePointers(), audio.getNumChannels(), start,
                                        juce::jmin (blockSize, audio.getNumSamples() - start));
        instance.render (block.getArrayOfWritePointers(), block.getArrayOfWritePointers(), block.getNumSamples());
    }
    return true;
}

struct Format
{
    const char* name;
    const char* filePrefix;
    Render render;
};

const Format* formatOf (const juce::File& plugin)
{
    static const Format vst3 { "VST3", "vst3", renderVst3 }, vst2 { "VST 2", "vst2", renderVst2 }, aax { "AAX", "aax", renderAax };
    if (plugin.hasFileExtension ("vst3"))
        return &vst3;
    if (plugin.hasFileExtension ("so"))
        return &vst2;
    if (plugin.hasFileExtension ("aax"))
        return &aax;
    return nullptr;
}

// How far a render is from the first plug-in's: its largest difference in dB
// of full scale.
juce::String difference (const juce::AudioBuffer<float>& audio, const juce::AudioBuffer<float>& first, const juce::String& firstName)
{
    float largest = 0.0f;
    for (int c = 0; c < audio.getNumChannels(); ++c)
        for (int n = 0; n < audio.getNumSamples(); ++n)
            largest = std::max (largest, std::abs (audio.getSample (c, n) - first.getSample (c, n)));
    if (largest == 0.0f)
        return "  the same as the " + firstName + "'s, bit for bit";
    return "  largest difference from the " + firstName + "'s: " + juce::String (juce::Decibels::gainToDecibels (largest, -400.0f), 1) + " dBFS";
}
} // namespace

int PluginRender::renderEachType (const juce::StringArray& plugins, const juce::AudioBuffer<float>& input, double sampleRate,
                                  const juce::File& folder)
{
    const juce::ScopedJuceInitialiser_GUI juce;
    std::vector<juce::AudioBuffer<float>> firstRenders; // the first plug-in's, one per type
    juce::String firstName;

    for (const auto& path : plugins)
    {
        const auto plugin = juce::File::getCurrentWorkingDirectory().getChildFile (path);
        const auto* format = formatOf (plugin);
        if (format == nullptr)
        {
            std::fprintf (stderr, "render: not a .vst3, .so or .aax plug-in: %s\n", plugin.getFullPathName().toRawUTF8());
            return 1;
        }
        const bool first = firstRenders.empty();
        for (int type = 0; type < 3; ++type)
        {
            const float value = 0.5f * static_cast<float> (type);
            juce::AudioBuffer<float> audio (input);
            juce::String error;
            if (! format->render (plugin, value, audio, sampleRate, error))
            {
                std::fprintf (stderr, "render: %s\n", error.toRawUTF8());
                return 1;
            }
            if (type == 0)
                std::printf ("Rendered the demo signal through the %s plug-in %s:\n", format->name, plugin.getFullPathName().toRawUTF8());

            const auto label = ParameterTable::text (ParameterTable::flangerType, value);
            const auto file = folder.getChildFile (juce::String (format->filePrefix) + "-" + label.toLowerCase().removeCharacters (" ")
                                                   + ".wav");
            const auto note = first ? juce::String() : difference (audio, firstRenders[static_cast<std::size_t> (type)], firstName);
            if (! RenderedFile::save (file, audio, sampleRate, label, note))
                return 1;
            if (first)
                firstRenders.push_back (std::move (audio));
        }
        if (first)
            firstName = format->name;
    }
    return 0;
}
