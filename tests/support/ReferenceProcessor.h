#pragma once
// The processor run in-process, to compare a built plug-in with: driven in
// place a block at a time, with a tempo of 100 BPM reported only while it
// processes, as the wrappers report the host's.
#include "PandrelTQ4418AudioProcessor.h"
#include "TestAudio.h"

#include <algorithm>
#include <memory>

class ReferenceProcessor : private juce::AudioPlayHead
{
public:
    ReferenceProcessor() : processor (static_cast<PandrelTQ4418AudioProcessor*> (createPluginFilter()))
    {
        processor->setPlayHead (this);
    }

    void setLayout (int ins, int outs)
    {
        juce::AudioProcessor::BusesLayout layout;
        layout.inputBuses.add (juce::AudioChannelSet::canonicalChannelSet (ins));
        layout.outputBuses.add (juce::AudioChannelSet::canonicalChannelSet (outs));
        processor->setBusesLayout (layout);
    }

    void prepare (double rate, int block)
    {
        processor->setRateAndBufferSizeDetails (rate, block);
        processor->prepareToPlay (rate, block);
    }

    void set (int index, float value) { processor->getParameters()[index]->setValue (value); }

    // The model switch the processor's timer makes on the message thread.
    void runTimer() { processor->timerCallback(); }

    void process (Channels& io, int start, int frames)
    {
        std::vector<float*> channels;
        for (auto& channel : io)
            channels.push_back (channel.data() + start);
        juce::AudioBuffer<float> buffer (channels.data(), static_cast<int> (channels.size()), frames);
        juce::MidiBuffer midi;
        processing = true;
        processor->processBlock (buffer, midi);
        processing = false;
    }

    Channels render (Channels audio, int block)
    {
        const int length = static_cast<int> (audio[0].size());
        for (int start = 0; start < length; start += block)
            process (audio, start, std::min (block, length - start));
        return audio;
    }

private:
    juce::Optional<PositionInfo> getPosition() const override
    {
        if (! processing)
            return {};
        PositionInfo position;
        position.setBpm (100.0);
        return position;
    }

    std::unique_ptr<PandrelTQ4418AudioProcessor> processor;
    bool processing = false;
};
