#include "PluginRender.h"

#include "PluginHost.h"

#include <juce_audio_formats/juce_audio_formats.h>

#include <cmath>
#include <cstdio>

namespace
{
constexpr int blockSize = 512;
constexpr int flangerTypeIndex = 1;

float toDecibels (double gain) { return juce::Decibels::gainToDecibels (static_cast<float> (gain), -200.0f); }

double rmsOf (const juce::AudioBuffer<float>& audio)
{
    double sum = 0.0;
    for (int c = 0; c < audio.getNumChannels(); ++c)
        for (int n = 0; n < audio.getNumSamples(); ++n)
            sum += static_cast<double> (audio.getSample (c, n)) * audio.getSample (c, n);
    return std::sqrt (sum / (audio.getNumChannels() * static_cast<double> (audio.getNumSamples())));
}

bool writeWav (const juce::File& file, const juce::AudioBuffer<float>& audio, double sampleRate)
{
    file.deleteFile();
    auto stream = file.createOutputStream();
    if (stream == nullptr)
        return false;

    juce::WavAudioFormat wav;
    std::unique_ptr<juce::AudioFormatWriter> writer (
        wav.createWriterFor (stream.get(), sampleRate, static_cast<unsigned> (audio.getNumChannels()), 24, {}, 0));
    if (writer == nullptr)
        return false;
    stream.release(); // the writer owns it now
    return writer->writeFromAudioSampleBuffer (audio, 0, audio.getNumSamples()) && writer->flush();
}

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
        if (! writeWav (file, audio, sampleRate))
        {
            std::fprintf (stderr, "render: cannot write %s\n", file.getFullPathName().toRawUTF8());
            return 1;
        }
        std::printf ("  %s  %s  peak %6.1f dBFS  RMS %6.1f dBFS\n", label.toRawUTF8(), file.getFullPathName().toRawUTF8(),
                     toDecibels (audio.getMagnitude (0, audio.getNumSamples())), toDecibels (rmsOf (audio)));
    }
    return 0;
}
