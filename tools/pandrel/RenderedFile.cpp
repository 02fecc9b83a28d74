#include "RenderedFile.h"

#include "FileReplacement.h"

#include <juce_audio_formats/juce_audio_formats.h>

#include <cmath>
#include <cstdio>
#include <memory>

namespace
{
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
    // Made in memory first, so that a file that cannot be written whole
    // leaves any earlier rendering as it was.
    juce::MemoryBlock wavBytes;
    {
        auto stream = std::make_unique<juce::MemoryOutputStream> (wavBytes, false);
        juce::WavAudioFormat wav;
        std::unique_ptr<juce::AudioFormatWriter> writer (
            wav.createWriterFor (stream.get(), sampleRate, static_cast<unsigned> (audio.getNumChannels()), 24, {}, 0));
        if (writer == nullptr)
            return false;
        stream.release(); // the writer owns it now, and completes the header when it goes
        if (! writer->writeFromAudioSampleBuffer (audio, 0, audio.getNumSamples()))
            return false;
    }
    return FileReplacement::replaceWith (file, wavBytes);
}
} // namespace

bool RenderedFile::save (const juce::File& file, const juce::AudioBuffer<float>& audio, double sampleRate, const juce::String& label)
{
    if (! writeWav (file, audio, sampleRate))
    {
        std::fprintf (stderr, "render: cannot write %s\n", file.getFullPathName().toRawUTF8());
        return false;
    }
    std::printf ("  %s  %s  peak %6.1f dBFS  RMS %6.1f dBFS\n", label.toRawUTF8(), file.getFullPathName().toRawUTF8(),
                 toDecibels (audio.getMagnitude (0, audio.getNumSamples())), toDecibels (rmsOf (audio)));
    return true;
}
