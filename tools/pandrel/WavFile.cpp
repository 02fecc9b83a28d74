#include "WavFile.h"

#include "FileReplacement.h"

#include <juce_audio_formats/juce_audio_formats.h>

#include <memory>

bool WavFile::write (const juce::File& file, const juce::AudioBuffer<float>& audio, double sampleRate, int bitsPerSample)
{
    // Made in memory first, then put in place whole.
    juce::MemoryBlock wavBytes;
    {
        auto stream = std::make_unique<juce::MemoryOutputStream> (wavBytes, false);
        juce::WavAudioFormat wav;
        std::unique_ptr<juce::AudioFormatWriter> writer (
            wav.createWriterFor (stream.get(), sampleRate, static_cast<unsigned> (audio.getNumChannels()), bitsPerSample, {}, 0));
        if (writer == nullptr)
            return false;
        stream.release(); // the writer owns it now, and completes the header when it goes
        if (! writer->writeFromAudioSampleBuffer (audio, 0, audio.getNumSamples()))
            return false;
    }
    return FileReplacement::replaceWith (file, wavBytes);
}

juce::AudioBuffer<float> WavFile::read (const juce::File& file)
{
    juce::WavAudioFormat format;
    std::unique_ptr<juce::AudioFormatReader> reader (format.createReaderFor (file.createInputStream().release(), true));
    if (reader == nullptr || reader->lengthInSamples <= 0)
        return {};

    juce::AudioBuffer<float> audio (static_cast<int> (reader->numChannels), static_cast<int> (reader->lengthInSamples));
    reader->read (&audio, 0, audio.getNumSamples(), 0, true, true);
    return audio;
}
