// pandrel render [--out DIR]: the demo signal through each flanger model at
// its default settings, one stereo 48 kHz WAV file per model.
// pandrel render --plugin VST3 [--out DIR]: through a built VST3 plug-in
// instead, loaded by JUCE's VST3 hosting, one file per flanger type.
#include "Commands.h"
#include "DemoSignal.h"
#include "ModelSetup.h"
#include "PluginRender.h"

#include <juce_audio_formats/juce_audio_formats.h>

#include <cmath>
#include <cstdio>
#include <cstring>

namespace
{
constexpr double renderRate = 48000.0;
constexpr int blockSize = 512;

float toDecibels (double gain) { return juce::Decibels::gainToDecibels (static_cast<float> (gain), -200.0f); }

double rmsOf (const juce::AudioBuffer<float>& audio)
{
    double sum = 0.0;
    for (int c = 0; c < audio.getNumChannels(); ++c)
        for (int n = 0; n < audio.getNumSamples(); ++n)
            sum += static_cast<double> (audio.getSample (c, n)) * audio.getSample (c, n);
    return std::sqrt (sum / (audio.getNumChannels() * static_cast<double> (audio.getNumSamples())));
}

bool writeWav (const juce::File& file, const juce::AudioBuffer<float>& audio)
{
    file.deleteFile();
    auto stream = file.createOutputStream();
    if (stream == nullptr)
        return false;

    juce::WavAudioFormat wav;
    std::unique_ptr<juce::AudioFormatWriter> writer (
        wav.createWriterFor (stream.get(), renderRate, static_cast<unsigned> (audio.getNumChannels()), 24, {}, 0));
    if (writer == nullptr)
        return false;
    stream.release(); // the writer owns it now
    return writer->writeFromAudioSampleBuffer (audio, 0, audio.getNumSamples()) && writer->flush();
}
} // namespace

int pandrel::runRender (int argc, char** argv)
{
    juce::String outDir = "out";
    juce::String plugin;
    for (int i = 0; i < argc; ++i)
    {
        if (std::strcmp (argv[i], "--out") == 0 && i + 1 < argc)
        {
            outDir = argv[++i];
        }
        else if (std::strcmp (argv[i], "--plugin") == 0 && i + 1 < argc)
        {
            plugin = argv[++i];
        }
        else
        {
            std::fprintf (stderr, "usage: pandrel render [--plugin VST3] [--out DIR]\n");
            return 2;
        }
    }

    const auto folder = juce::File::getCurrentWorkingDirectory().getChildFile (outDir);
    if (! folder.createDirectory())
    {
        std::fprintf (stderr, "render: cannot create folder %s\n", folder.getFullPathName().toRawUTF8());
        return 1;
    }

    juce::ScopedNoDenormals noDenormals;
    const auto demo = DemoSignal::make (renderRate);
    if (plugin.isNotEmpty())
        return PluginRender::renderEachType (juce::File::getCurrentWorkingDirectory().getChildFile (plugin), demo, renderRate, folder);

    std::printf ("Rendered the demo signal (%.1f s, stereo, %d Hz) through each model at its default settings:\n",
                 demo.getNumSamples() / renderRate, static_cast<int> (renderRate));

    for (int m = 0; m < ModelSetup::numModels; ++m)
    {
        auto model = ModelSetup::create (m);
        ModelSetup::prepare (*model, static_cast<float> (renderRate), blockSize);

        juce::AudioBuffer<float> audio (demo);
        for (int start = 0; start < audio.getNumSamples(); start += blockSize)
        {
            const int n = juce::jmin (blockSize, audio.getNumSamples() - start);
            model->process (audio.getWritePointer (0, start), audio.getWritePointer (1, start), n);
        }

        const auto file = folder.getChildFile (juce::String ("type") + juce::String (m + 1) + "-" + ModelSetup::className (m) + ".wav");
        if (! writeWav (file, audio))
        {
            std::fprintf (stderr, "render: cannot write %s\n", file.getFullPathName().toRawUTF8());
            return 1;
        }
        std::printf ("  %s  %s  peak %6.1f dBFS  RMS %6.1f dBFS\n", ModelSetup::label (m),
                     file.getFullPathName().toRawUTF8(), toDecibels (audio.getMagnitude (0, audio.getNumSamples())),
                     toDecibels (rmsOf (audio)));
    }
    return 0;
}
