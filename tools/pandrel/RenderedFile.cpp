#include "RenderedFile.h"

#include "WavFile.h"

#include <cmath>
#include <cstdio>

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
} // namespace

bool RenderedFile::save (const juce::File& file, const juce::AudioBuffer<float>& audio, double sampleRate, const juce::String& label,
                         const juce::String& note)
{
    if (! WavFile::write (file, audio, sampleRate, 24))
    {
        std::fprintf (stderr, "render: cannot write %s\n", file.getFullPathName().toRawUTF8());
        return false;
    }
    std::printf ("  %s  %s  peak %6.1f dBFS  RMS %6.1f dBFS%s\n", label.toRawUTF8(), file.getFullPathName().toRawUTF8(),
                 toDecibels (audio.getMagnitude (0, audio.getNumSamples())), toDecibels (rmsOf (audio)), note.toRawUTF8());
    return true;
}
