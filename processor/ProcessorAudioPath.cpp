#include "PandrelTQ4418AudioProcessor.h"

#include "HostTempo.h"
#include "ModelRouting.h"

#include <algorithm>
#include <cmath>
#include <new>

using ParameterTable::toModelValue;

void PandrelTQ4418AudioProcessor::prepareToPlay (double sampleRate, int maximumExpectedSamplesPerBlock)
{
    // Until everything below stands, the processor is unprepared and its
    // audio passes through: so it stays for a rate the models are not made
    // for, and when memory runs out.
    work.release();
    if (! isPlayableSampleRate (sampleRate) || ! work.allocate (maximumExpectedSamplesPerBlock))
        return;

    try
    {
        for (auto* model : models)
        {
            model->setSampleRate (static_cast<float> (sampleRate));
            model->setExpectedSampleFrame (work.capacity());
        }
    }
    catch (const std::bad_alloc&)
    {
        work.release();
        return;
    }

    bypassRamp.setFadeLength (BypassRamp::fadeLengthFor (sampleRate));
    forceCalcParams();
}

bool PandrelTQ4418AudioProcessor::isPlayableSampleRate (double sampleRate)
{
    return sampleRate >= lowestSampleRate && sampleRate <= highestSampleRate;
}

void PandrelTQ4418AudioProcessor::releaseResources() { work.release(); }

void PandrelTQ4418AudioProcessor::forceCalcParams()
{
    effectOn = ParameterTable::isOn (currentValue (ParameterTable::onBypass));
    bypassRamp.jumpTo (effectOn);

    activeModel = ParameterTable::modelIndexFor (currentValue (ParameterTable::flangerType));
    targetModel = activeModel;
    postedModel.store (activeModel, std::memory_order_release);
    crossfading = false;
    crossfade.stop();

    for (auto* model : models)
        model->reset();

    // The processor ramps bypass itself; the models stay engaged.
    for (auto* model : models)
        model->setParameter (FlangerModelBase::bypassParameter, 1.0f);

    if (const auto tempo = readHostTempo (getPlayHead(), playHeadPosition))
    {
        lastBpm = *tempo;
        for (auto* model : models)
            model->setBpm (lastBpm);
    }

    for (int i = ParameterTable::rate; i <= ParameterTable::level; ++i)
    {
        const float value = toModelValue (i, currentValue (i));
        for (auto* model : models)
            model->setParameter (ModelRouting::modelParameterIndex (i, *model), value);
        lastApplied[i - ParameterTable::rate] = value;
    }

    lastStereo = ParameterTable::isOn (currentValue (ParameterTable::stereo));
    lastSync = ParameterTable::isOn (currentValue (ParameterTable::sync));
    for (auto* model : models)
    {
        model->setParameter (FlangerModelBase::stereoParameter, lastStereo ? 1.0f : 0.0f);
        model->setParameter (FlangerModelBase::syncParameter, lastSync ? 1.0f : 0.0f);
    }

    for (auto* model : models)
        model->forceCalcParams();
}

void PandrelTQ4418AudioProcessor::processBlock (juce::AudioBuffer<float>& buffer, juce::MidiBuffer&)
{
    render (buffer, false);
}

void PandrelTQ4418AudioProcessor::processBlockBypassed (juce::AudioBuffer<float>& buffer, juce::MidiBuffer&)
{
    render (buffer, true);
}

void PandrelTQ4418AudioProcessor::render (juce::AudioBuffer<float>& buffer, bool hostBypassed)
{
    juce::ScopedNoDenormals noDenormals;

    const int n = buffer.getNumSamples();
    const int channels = buffer.getNumChannels();
    if (n <= 0 || channels == 0)
        return;

    const int ins = getTotalNumInputChannels();
    const int outs = getTotalNumOutputChannels();
    float* left = buffer.getWritePointer (0);
    float* right = (ins > 1 || outs >= 2) && channels > 1 ? buffer.getWritePointer (1) : nullptr;

    if (ins <= 1 && outs >= 2 && right != nullptr)
        std::copy (left, left + n, right);

    // Not prepared: the audio passes through.
    if (work.capacity() == 0)
        return;

    const float bypassValue = currentValue (ParameterTable::onBypass);
    effectOn = ! hostBypassed && ParameterTable::isOn (bypassValue);

    // Fully bypassed: the models rest and the input leaves untouched. Under
    // the host's bypass they are cleared first (once), as after a long pause.
    if ((hostBypassed || bypassValue == 0.0f) && bypassRamp.isFullyDry())
    {
        if (hostBypassed && ! modelsCleared)
        {
            for (auto* model : models)
            {
                model->reset();
                model->forceCalcParams();
            }
            modelsCleared = true;
        }
        if (ins == 1)
            for (int ch = 1; ch < std::min (outs, channels); ++ch)
                buffer.copyFrom (ch, 0, buffer, 0, 0, n);
        return;
    }

    if (const auto tempo = readHostTempo (getPlayHead(), playHeadPosition); tempo && *tempo != lastBpm)
    {
        lastBpm = *tempo;
        for (auto* model : models)
            model->setBpm (lastBpm);
    }

    modelsCleared = false;
    takePostedModel();
    pushChangedParameters (targetModel);

    // Blocks longer than the work arrays are processed in pieces.
    const bool stereo = outs >= 2 && right != nullptr;
    for (int start = 0; start < n; start += work.capacity())
    {
        const int length = std::min (work.capacity(), n - start);
        processPiece (left + start, right != nullptr ? right + start : nullptr, stereo, length);
    }
}

// The model "flangerType" settled on, as posted by the timer, is brought up
// to date here on the audio thread, so no other thread ever resets a model
// that runs. A fade that is running ends first.
void PandrelTQ4418AudioProcessor::takePostedModel()
{
    const int posted = postedModel.load (std::memory_order_acquire);
    if (crossfading || posted == activeModel)
        return;

    targetModel = posted;
    models[targetModel]->reset();
    models[targetModel]->forceCalcParams();
    crossfade.start (bypassRamp.fadeLength);
    crossfading = true;
}

// Every change is stored into all three models; only the chosen one
// recalculates for it.
void PandrelTQ4418AudioProcessor::pushChangedParameters (int chosenModel)
{
    const auto pushSwitch = [this, chosenModel] (int parameterIndex, int modelIndex, bool& last)
    {
        const bool on = ParameterTable::isOn (currentValue (parameterIndex));
        if (on == last)
            return;
        for (auto* model : models)
            model->setParameter (modelIndex, on ? 1.0f : 0.0f);
        models[chosenModel]->calcParameter (modelIndex);
        last = on;
    };
    pushSwitch (ParameterTable::stereo, FlangerModelBase::stereoParameter, lastStereo);
    pushSwitch (ParameterTable::sync, FlangerModelBase::syncParameter, lastSync);

    for (int i = ParameterTable::rate; i <= ParameterTable::level; ++i)
    {
        const float value = toModelValue (i, currentValue (i));
        if (value == lastApplied[i - ParameterTable::rate])
            continue;

        for (auto* model : models)
            model->setParameter (ModelRouting::modelParameterIndex (i, *model), value);
        models[chosenModel]->calcParameter (ModelRouting::modelParameterIndex (i, *models[chosenModel]));
        lastApplied[i - ParameterTable::rate] = value;
    }
}

void PandrelTQ4418AudioProcessor::runModel (int model, float* left, float* right, int n)
{
    if (right != nullptr)
        models[model]->process (left, right, n);
    else
        models[model]->process (left, n);
}

void PandrelTQ4418AudioProcessor::processPiece (float* left, float* right, bool stereo, int n)
{
    float* dryL = work.dryL();
    float* dryR = work.dryR();
    std::copy (left, left + n, dryL);
    if (right != nullptr)
        std::copy (right, right + n, dryR);

    const bool fading = crossfading;
    float* altL = work.altL();
    float* altR = stereo ? work.altR() : nullptr;
    if (fading)
    {
        std::copy (left, left + n, altL);
        if (altR != nullptr)
            std::copy (right, right + n, altR);
    }

    runModel (activeModel, left, stereo ? right : nullptr, n);

    if (fading)
    {
        runModel (targetModel, altL, altR, n);
        if (crossfade.mix (left, stereo ? right : nullptr, altL, altR, n))
        {
            crossfading = false;
            activeModel = targetModel;
        }
    }

    bypassRamp.process (left, stereo ? right : nullptr, dryL, dryR, n, effectOn);
}

// One-shot: posts the model "flangerType" settled on; the audio thread takes
// it over (takePostedModel).
void PandrelTQ4418AudioProcessor::timerCallback()
{
    // A change noted off the message thread may have come after the start.
    if (const int left = typeChanges.msUntilSettled (typeChanges.now()); left > 0)
    {
        startTimer (left);
        return;
    }

    stopTimer();
    postedModel.store (ParameterTable::modelIndexFor (currentValue (ParameterTable::flangerType)), std::memory_order_release);
}

void PandrelTQ4418AudioProcessor::messageThreadTick()
{
    if (typeChanges.takeUnseenChanges())
        startTimer (std::max (1, typeChanges.msUntilSettled (typeChanges.now())));

    for (auto* model : models)
        model->sendPendingAnnouncement();
}
