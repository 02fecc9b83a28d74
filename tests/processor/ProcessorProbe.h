#pragma once

#include "BinaryXml.h"
#include "PandrelTQ4418AudioProcessor.h"
#include "PandrelVersion.h"
#include "TestAudio.h"

#include <atomic>

// JUCE's message dispatch (internal): tests run the message loop by hand.
namespace juce
{
bool dispatchNextMessageOnSystemQueue (bool returnIfNoPendingMessages);
}

// Milliseconds that pass only when a test says so.
struct ManualClock
{
    static inline std::atomic<uint32_t> ms { 0 };
    static uint32_t now() { return ms.load(); }
};

// Read access to the processor's audio-path state.
struct ProcessorProbe
{
    PandrelTQ4418AudioProcessor& p;

    int fadeLength() const { return p.bypassRamp.fadeLength; }
    float wetGain() const { return p.bypassRamp.wetGain; }
    int activeModel() const { return p.activeModel; }
    int targetModel() const { return p.targetModel; }
    bool crossfading() const { return p.crossfading; }
    int postedModel() const { return p.postedModel.load(); }
    int workCapacity() const { return p.work.capacity(); }
    float currentValue (int i) const { return p.currentValue (i); }
    FlangerModelBase& model (int m) const { return *p.models[m]; }

    // Hands the model-switch schedule a clock the test moves (ManualClock).
    void driveClock() const { p.typeChanges.setClock (&ManualClock::now); }

    // Lets the settle time pass on the driven clock and runs the timer as the
    // message loop would: it posts the model "flangerType" settled on.
    void settleTypeChange() const
    {
        ManualClock::ms += TypeChangeSchedule::settleMs;
        p.timerCallback();
    }

    // Runs the message loop until the tick has learnt which thread it is on
    // (a few seconds at most).
    bool awaitMessageThread() const
    {
        for (int i = 0; i < 5000 && ! p.tick.isMessageThread(); ++i)
        {
            while (juce::dispatchNextMessageOnSystemQueue (true))
            {
            }
            juce::Thread::sleep (1);
        }
        return p.tick.isMessageThread();
    }

    void messageThreadTick() const { p.messageThreadTick(); }
};

namespace testdocs
{
// Our "Properties" attributes in their order.
inline const juce::String ours = "deviceProductID=\"com.morvid.PandrelTQ4418\" deviceVersion=\"" + juce::String (PandrelVersion::text)
                                 + "\" presetVersion=\"1.0\"";

// A preset document's text around the given "Properties" attributes and content.
inline juce::String text (const juce::String& properties, const juce::String& content)
{
    return "<morvidPatch version=\"1.0\"><DeviceName>Pandrel TQ4418</DeviceName><Properties " + properties + ">" + content
         + "</Properties></morvidPatch>";
}

inline std::unique_ptr<juce::XmlElement> parsed (const juce::String& properties, const juce::String& content)
{
    return juce::parseXML (text (properties, content));
}

// The bank and the program state, as a host gets them.
inline juce::MemoryBlock bankOf (juce::AudioProcessor& p)
{
    juce::MemoryBlock state;
    p.getStateInformation (state);
    return state;
}

inline juce::MemoryBlock programOf (juce::AudioProcessor& p)
{
    juce::MemoryBlock state;
    p.getCurrentProgramStateInformation (state);
    return state;
}

// Host state as copyXmlToBinary frames it, around any text.
inline juce::MemoryBlock framed (const juce::String& text)
{
    const auto bytes = binaryxml::frame (text.toStdString());
    return { bytes.data(), bytes.size() };
}
} // namespace testdocs

// Driving the processor as a host does.
namespace testaudio
{
inline void prepare (juce::AudioProcessor& p, double rate, int block, int ins = 2, int outs = 2)
{
    juce::AudioProcessor::BusesLayout layout;
    layout.inputBuses.add (juce::AudioChannelSet::canonicalChannelSet (ins));
    layout.outputBuses.add (juce::AudioChannelSet::canonicalChannelSet (outs));
    p.setBusesLayout (layout);
    p.prepareToPlay (rate, block);
}

// Processes the next n samples of the test signal; returns the input.
inline juce::AudioBuffer<float> step (juce::AudioProcessor& p, juce::AudioBuffer<float>& out, int& position, int n = 512)
{
    out.setSize (std::max (p.getTotalNumInputChannels(), p.getTotalNumOutputChannels()), n, false, false, true);
    fill (out, position);
    juce::AudioBuffer<float> in (out);
    juce::MidiBuffer midi;
    p.processBlock (out, midi);
    position += n;
    return in;
}
} // namespace testaudio
