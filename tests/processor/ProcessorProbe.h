#pragma once

#include "PandrelTQ4418AudioProcessor.h"
#include "PandrelVersion.h"

#include <atomic>
#include <cmath>
#include <cstring>

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

// Read access to the processor's audio-path state, and test audio helpers.
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
    FlangerModelBase& model (int m) const { return *static_cast<FlangerModelBase*> (p.models[m]); }

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

// Host state as copyXmlToBinary frames it, around any text.
inline juce::MemoryBlock framed (const juce::String& text)
{
    juce::MemoryOutputStream out;
    out.writeInt (0x21324356);
    out.writeInt ((int) text.getNumBytesAsUTF8());
    out << text;
    out.writeByte (0);
    return out.getMemoryBlock();
}
} // namespace testdocs

namespace testaudio
{
// Two sines and a little noise, different per channel, continuous over blocks.
inline void fill (juce::AudioBuffer<float>& b, int start)
{
    juce::Random random (start);
    for (int ch = 0; ch < b.getNumChannels(); ++ch)
        for (int k = 0; k < b.getNumSamples(); ++k)
            b.setSample (ch, k, 0.4f * std::sin (0.0288f * float (start + k) + float (ch)) + 0.2f * std::sin (0.18f * float (start + k))
                                    + 0.05f * (random.nextFloat() - 0.5f));
}

inline bool allFinite (const juce::AudioBuffer<float>& b)
{
    for (int ch = 0; ch < b.getNumChannels(); ++ch)
        for (int k = 0; k < b.getNumSamples(); ++k)
            if (! std::isfinite (b.getSample (ch, k)))
                return false;
    return true;
}

inline float maxDifference (const juce::AudioBuffer<float>& a, const juce::AudioBuffer<float>& b, int ch)
{
    float worst = 0.0f;
    for (int k = 0; k < a.getNumSamples(); ++k)
        worst = std::max (worst, std::abs (a.getSample (ch, k) - b.getSample (ch, k)));
    return worst;
}

inline bool identical (const juce::AudioBuffer<float>& a, const juce::AudioBuffer<float>& b)
{
    for (int ch = 0; ch < a.getNumChannels(); ++ch)
        if (std::memcmp (a.getReadPointer (ch), b.getReadPointer (ch), sizeof (float) * (size_t) a.getNumSamples()) != 0)
            return false;
    return true;
}

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
