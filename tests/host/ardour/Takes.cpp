#include "Takes.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <cmath>
#include <limits>
#include <memory>

namespace
{
// The tempo a host reports, as hosts do, only while it processes.
class FixedTempo : public juce::AudioPlayHead
{
public:
    explicit FixedTempo (double bpmToReport) : bpm (bpmToReport) {}

    bool processing = false;

    juce::Optional<PositionInfo> getPosition() const override
    {
        if (! processing)
            return {};
        PositionInfo position;
        position.setBpm (bpm);
        position.setIsPlaying (true);
        return position;
    }

private:
    double bpm;
};
} // namespace

juce::AudioBuffer<float> Takes::renderThroughProcessor (const juce::AudioBuffer<float>& dry, double sampleRate,
                                                        int blockSize, double bpm, const std::vector<float>& parameters,
                                                        HostStart start)
{
    std::unique_ptr<juce::AudioProcessor> processor (createPluginFilter());
    FixedTempo playHead (bpm);
    processor->setPlayHead (&playHead);

    const auto applySettings = [&] {
        const auto& hostParameters = processor->getParameters();
        for (size_t i = 0; i < parameters.size() && static_cast<int> (i) < hostParameters.size(); ++i)
            hostParameters[static_cast<int> (i)]->setValue (parameters[i]);
    };
    if (! start.settingsAfterPrepare)
        applySettings();
    processor->setRateAndBufferSizeDetails (sampleRate, blockSize);
    processor->prepareToPlay (sampleRate, blockSize);
    if (start.settingsAfterPrepare)
        applySettings();

    const int leadIn = start.leadIn;
    juce::AudioBuffer<float> audio (dry.getNumChannels(), leadIn + dry.getNumSamples());
    audio.clear();
    for (int ch = 0; ch < dry.getNumChannels(); ++ch)
        audio.copyFrom (ch, leadIn, dry, ch, 0, dry.getNumSamples());

    juce::MidiBuffer midi;
    for (int first = 0; first < audio.getNumSamples(); first += blockSize)
    {
        const int n = std::min (blockSize, audio.getNumSamples() - first);
        juce::AudioBuffer<float> block (audio.getArrayOfWritePointers(), audio.getNumChannels(), first, n);
        playHead.processing = true;
        processor->processBlock (block, midi);
        playHead.processing = false;
    }
    processor->releaseResources();

    juce::AudioBuffer<float> wet (dry.getNumChannels(), dry.getNumSamples());
    for (int ch = 0; ch < dry.getNumChannels(); ++ch)
        wet.copyFrom (ch, 0, audio, ch, leadIn, dry.getNumSamples());
    return wet;
}

double Takes::residualDb (const juce::AudioBuffer<float>& take, const juce::AudioBuffer<float>& reference, Span span)
{
    double error = 0.0, energy = 0.0;
    const int channels = std::min (take.getNumChannels(), reference.getNumChannels());
    const int end = std::min ({ take.getNumSamples(), reference.getNumSamples(), span.end });
    for (int ch = 0; ch < channels; ++ch)
        for (int i = std::max (0, span.start); i < end; ++i)
        {
            const double r = reference.getSample (ch, i);
            const double d = take.getSample (ch, i) - r;
            error += d * d;
            energy += r * r;
        }
    if (error <= 0.0)
        return -std::numeric_limits<double>::infinity();
    if (energy <= 0.0)
        return std::numeric_limits<double>::infinity();
    return 10.0 * std::log10 (error / energy);
}

// Away from the right lead-in the mismatch grows with the LFO's phase error,
// so a coarse grid and two finer ones around its best point find it.
Takes::Alignment Takes::alignWithProcessor (const juce::AudioBuffer<float>& wet, const juce::AudioBuffer<float>& dry,
                                            double sampleRate, int blockSize, double bpm,
                                            const std::vector<float>& parameters, int maxLeadIn, Span span)
{
    Alignment best { {}, std::numeric_limits<double>::infinity() };
    for (const bool afterPrepare : { false, true })
    {
        Alignment mine { { afterPrepare, 0 }, std::numeric_limits<double>::infinity() };
        const auto tryLeadIns = [&] (int first, int last, int step) {
            for (int leadIn = std::max (0, first); leadIn <= std::min (maxLeadIn, last); leadIn += step)
            {
                const HostStart start { afterPrepare, leadIn };
                const auto reference = renderThroughProcessor (dry, sampleRate, blockSize, bpm, parameters, start);
                if (const double db = residualDb (wet, reference, span); db < mine.residualDb)
                    mine = { start, db };
            }
        };
        tryLeadIns (0, maxLeadIn, 256);
        const int coarse = mine.start.leadIn;
        tryLeadIns (coarse - 256, coarse + 256, 16);
        const int fine = mine.start.leadIn;
        tryLeadIns (fine - 16, fine + 16, 1);
        if (mine.residualDb < best.residualDb)
            best = mine;
    }
    return best;
}
