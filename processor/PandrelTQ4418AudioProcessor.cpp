#include "PandrelTQ4418AudioProcessor.h"

#include "HostParameter.h"

PandrelTQ4418AudioProcessor::PandrelTQ4418AudioProcessor()
    : juce::AudioProcessor (BusesProperties()
                                .withInput ("Input", juce::AudioChannelSet::stereo(), true)
                                .withOutput ("Output", juce::AudioChannelSet::stereo(), true)),
      models { &deluxeElectricMistressFlanger, &flanger117, &electricMistressFlanger }
{
    for (auto& value : currentValues)
        value.store (0.0f);

    for (int i = 0; i < ParameterTable::numParameters; ++i)
    {
        auto parameter = std::make_unique<HostParameter> (*this, i);
        hostParameters[i] = parameter.get();
        addParameter (parameter.release());
    }

    initDefaultPreset();
}

PandrelTQ4418AudioProcessor::~PandrelTQ4418AudioProcessor()
{
    tick.stop();
    stopTimer();
    work.release();
}

const juce::String PandrelTQ4418AudioProcessor::getName() const { return "Pandrel TQ4418"; }

bool PandrelTQ4418AudioProcessor::silenceInProducesSilenceOut() const { return false; }

// Feedback rings on after the input stops. Longest with Feedback, Delay and
// Depth full and the LFO at its slowest: an impulse's response then falls
// 120 dB below its peak within 3.51 s (Type 1 at 768 kHz; 2.28 s at 48 kHz),
// measured over the three types and every sample-rate band.
double PandrelTQ4418AudioProcessor::getTailLengthSeconds() const { return 4.0; }

bool PandrelTQ4418AudioProcessor::acceptsMidi() const { return false; }

bool PandrelTQ4418AudioProcessor::producesMidi() const { return false; }

bool PandrelTQ4418AudioProcessor::hasEditor() const { return true; }

const juce::String PandrelTQ4418AudioProcessor::getInputChannelName (int channelIndex) const
{
    return juce::String (channelIndex + 1);
}

const juce::String PandrelTQ4418AudioProcessor::getOutputChannelName (int channelIndex) const
{
    return juce::String (channelIndex + 1);
}

bool PandrelTQ4418AudioProcessor::isInputChannelStereoPair (int) const { return true; }

bool PandrelTQ4418AudioProcessor::isOutputChannelStereoPair (int) const { return true; }

bool PandrelTQ4418AudioProcessor::isBusesLayoutSupported (const BusesLayout& layouts) const
{
    if (layouts.inputBuses.size() != 1 || layouts.outputBuses.size() != 1)
        return false;

    const auto ins = layouts.getMainInputChannels();
    const auto outs = layouts.getMainOutputChannels();
    return (ins == 2 && outs == 2) || (ins == 1 && outs == 2) || (ins == 1 && outs == 1);
}

juce::AudioProcessor* JUCE_CALLTYPE createPluginFilter() { return new PandrelTQ4418AudioProcessor(); }
