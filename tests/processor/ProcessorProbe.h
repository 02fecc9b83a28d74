#pragma once

#include "PandrelTQ4418AudioProcessor.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <cmath>
#include <vector>

// Read access to the processor's audio-path state for the tests.
struct ProcessorProbe
{
    PandrelTQ4418AudioProcessor& p;

    int fadeLength() const { return p.bypassRamp.fadeLength; }
    float wetGain() const { return p.bypassRamp.wetGain; }
    int workLength() const { return p.work.capacity(); }
    int activeModel() const { return p.activeModel; }
    int targetModel() const { return p.targetModel; }
    bool crossfading() const { return p.crossfading; }
    float crossfadeGain() const { return p.crossfade.xfadeGain; }
    float currentValue (int i) const { return p.currentValue (i); }
    FlangerModelBase& model (int m) const { return *static_cast<FlangerModelBase*> (p.models[m]); }
    float modelParameter (int m, int i) const { return p.models[m]->getParameter (i); }
};

namespace testaudio
{
// A deterministic, broadband test signal: two sines and a little noise.
inline void fill (juce::AudioBuffer<float>& buffer, int startSample, int seed = 1)
{
    juce::Random random (seed + startSample);
    for (int ch = 0; ch < buffer.getNumChannels(); ++ch)
        for (int k = 0; k < buffer.getNumSamples(); ++k)
        {
            const double t = static_cast<double> (startSample + k) / 48000.0;
            buffer.setSample (ch, k, static_cast<float> (0.4 * std::sin (2.0 * juce::MathConstants<double>::pi * 220.0 * t + ch)
                                                         + 0.2 * std::sin (2.0 * juce::MathConstants<double>::pi * 1375.0 * t)
                                                         + 0.05 * (random.nextFloat() - 0.5f)));
        }
}

inline bool allFinite (const juce::AudioBuffer<float>& buffer)
{
    for (int ch = 0; ch < buffer.getNumChannels(); ++ch)
        for (int k = 0; k < buffer.getNumSamples(); ++k)
            if (! std::isfinite (buffer.getSample (ch, k)))
                return false;
    return true;
}

inline double maxDifference (const juce::AudioBuffer<float>& a, const juce::AudioBuffer<float>& b, int channel)
{
    double worst = 0.0;
    for (int k = 0; k < a.getNumSamples(); ++k)
        worst = std::max (worst, std::abs (static_cast<double> (a.getSample (channel, k)) - b.getSample (channel, k)));
    return worst;
}

// Sets a stereo-in, stereo-out layout (or another) and prepares.
inline void prepare (juce::AudioProcessor& p, double rate, int block, int ins = 2, int outs = 2)
{
    juce::AudioProcessor::BusesLayout layout;
    layout.inputBuses.add (juce::AudioChannelSet::canonicalChannelSet (ins));
    layout.outputBuses.add (juce::AudioChannelSet::canonicalChannelSet (outs));
    p.setBusesLayout (layout);
    p.setRateAndBufferSizeDetails (rate, block);
    p.prepareToPlay (rate, block);
}

inline void process (juce::AudioProcessor& p, juce::AudioBuffer<float>& buffer)
{
    juce::MidiBuffer midi;
    p.processBlock (buffer, midi);
}
} // namespace testaudio
