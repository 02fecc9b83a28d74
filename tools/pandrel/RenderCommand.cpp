// pandrel render [--out DIR]: the demo signal through each flanger model at
// its default settings, one stereo 48 kHz WAV file per model.
// pandrel render --plugin PATH [--plugin PATH]... [--out DIR]: through built
// plug-ins instead (a .vst3 bundle, a VST 2 .so, an .aax bundle), one file
// per plug-in and flanger type, each compared with the first plug-in's.
#include "Commands.h"
#include "DemoSignal.h"
#include "ModelSetup.h"
#include "PluginRender.h"
#include "RenderedFile.h"

#include <cstdio>
#include <cstring>

namespace
{
constexpr double renderRate = 48000.0;
constexpr int blockSize = 512;
} // namespace

int pandrel::runRender (int argc, char** argv)
{
    juce::String outDir = "out";
    juce::StringArray plugins;
    for (int i = 0; i < argc; ++i)
    {
        if (std::strcmp (argv[i], "--out") == 0 && i + 1 < argc)
        {
            outDir = argv[++i];
        }
        else if (std::strcmp (argv[i], "--plugin") == 0 && i + 1 < argc)
        {
            plugins.add (argv[++i]);
        }
        else
        {
            std::fprintf (stderr, "usage: pandrel render [--plugin PATH]... [--out DIR]\n");
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
    if (! plugins.isEmpty())
        return PluginRender::renderEachType (plugins, demo, renderRate, folder);

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
        if (! RenderedFile::save (file, audio, renderRate, ModelSetup::label (m)))
            return 1;
    }
    return 0;
}
