#include "FlangerModelBase.h"

#include "PotTaper.h"
#include "SampleRateBand.h"
#include "TempoDivisions.h"

#include <algorithm>
#include <cmath>

FlangerModelBase::FlangerModelBase (const Layout& modelLayout) : layout (modelLayout)
{
    name = layout.name;
    params = parameterValues;
    paramCount = numParameters;
}

FlangerModelBase::~FlangerModelBase() = default;

void FlangerModelBase::initialise (std::initializer_list<DspBase*> modelBlocks)
{
    jassert (modelBlocks.size() <= blocks.size());
    numBlocks = std::min (modelBlocks.size(), blocks.size());
    std::copy_n (modelBlocks.begin(), numBlocks, blocks.begin());

    // Start from the default stereo mode, so that applying the defaults
    // announces nothing.
    stereoAnnounced = stereoLastAnnounced = layout.stereoDefault > 0.0f;
    for (int i = 0; i < paramCount; ++i)
        setParameter (i, getDefaultParameter (i));
    prevEngaged = engaged;
    reset();
}

float FlangerModelBase::tempoDivisionBeats (float v) { return TempoDivisions::table[TempoDivisions::indexFor (v)].beats; }

float FlangerModelBase::lfoFrequency (bool sync, float rate, float rateSync, float tempo, float rateOfSampling)
{
    float freq;
    if (sync)
        freq = 1.0f / (60.0f / tempo * tempoDivisionBeats (rateSync));
    else
        freq = PotTaper::log81 (rate) * 20.0f;

    // A tempo or rate that is not a number, or far out of range, must not
    // leave the table reads of the LFO.
    const float ceiling = std::nextafter (0.5f * rateOfSampling, 0.0f);
    if (! (freq >= 0.01f))
        freq = 0.01f;
    else if (freq > ceiling)
        freq = ceiling;
    return freq;
}

void FlangerModelBase::calcOsc()
{
    lfo.setFrequency (lfoFrequency (syncOn, rateValue, rateSyncValue, bpm, sampleRate));
    lfo.calc();
}

void FlangerModelBase::setSampleRate (float newSampleRate)
{
    sampleRate = newSampleRate;
    lfo.setSampleRate (newSampleRate);
    leftDelayLine.setSampleRate (newSampleRate);
    rightDelayLine.setSampleRate (newSampleRate);
    lfoSmoothing.setSampleRate (newSampleRate);
    for (size_t b = 0; b < numBlocks; ++b)
        blocks[b]->setSampleRate (newSampleRate);
    level.setSampleRate (newSampleRate);
}

void FlangerModelBase::resetBuffer()
{
    feedbackMemory[0] = feedbackMemory[1] = 0.0;
    lfo.resetBuffer();
    leftDelayLine.resetBuffer();
    rightDelayLine.resetBuffer();
    lfoSmoothing.resetBuffer();
    for (size_t b = 0; b < numBlocks; ++b)
        blocks[b]->resetBuffer();
    level.resetBuffer();
}

void FlangerModelBase::resetCoeffs()
{
    lfo.resetCoeffs();
    leftDelayLine.resetCoeffs();
    rightDelayLine.resetCoeffs();
    lfoSmoothing.resetCoeffs();
    for (size_t b = 0; b < numBlocks; ++b)
        blocks[b]->resetCoeffs();
    level.resetCoeffs();
}

void FlangerModelBase::calc()
{
    startBypassCrossfade();
    calcOsc();
    leftDelayLine.calc();
    rightDelayLine.calc();
    for (size_t b = 0; b < numBlocks; ++b)
        blocks[b]->calc();
    level.calc();
}

float FlangerModelBase::getDefaultParameter (int index)
{
    static constexpr float defaults[numParameters] = { 1.0f, 0.2f, 1.0f / 6.0f, 0.2f, 0.0f, 0.5f, 0.5f, 0.5f, 0.0f, 0.0f };
    if (static_cast<unsigned> (index) >= static_cast<unsigned> (numParameters))
        return 0.0f;
    if (index == delayParameter())
        return 0.0f;
    if (index == feedbackParameter())
        return 0.5f;
    if (index == stereoParameter)
        return layout.stereoDefault;
    return defaults[index];
}

const char* FlangerModelBase::getParameterName (int index)
{
    static const char* const names[numParameters] = { "Bypass", "Rate", "RateSync", "Depth", "", "", "Mix", "Level", "StereoOn", "SyncOn" };
    if (static_cast<unsigned> (index) >= static_cast<unsigned> (numParameters))
        return "";
    if (index == delayParameter())
        return "Delay";
    if (index == feedbackParameter())
        return "Feedback";
    return names[index];
}

void FlangerModelBase::setParameter (int index, float value)
{
    if (index < 0 || index >= paramCount)
        return;
    // Values are normalised; outside 0..1 (or not a number) a negative
    // Feedback, a wild Mix or Level would drive a loop to infinity and leave
    // the output not a number until the next reset.
    if (! (value >= 0.0f))
        value = 0.0f;
    else if (value > 1.0f)
        value = 1.0f;
    params[index] = value;

    if (index == delayParameter())
    {
        delayTime = value * 10.0f;
        leftDelayLine.setDelay (delayTime);
        rightDelayLine.setDelay (delayTime);
        return;
    }
    if (index == feedbackParameter())
    {
        feedbackValue = value;
        setFeedbackSection (value);
        return;
    }

    switch (index)
    {
        case bypassParameter: engaged = value > 0.0f; break;
        case rateParameter: rateValue = value; break;
        case rateSyncParameter: rateSyncValue = value; break;
        case syncParameter: syncOn = value > 0.0f; break;
        case depthParameter:
            sweepWidth = value * 9.99f + 0.01f;
            leftDelayLine.setSweepWidth (sweepWidth);
            rightDelayLine.setSweepWidth (sweepWidth);
            break;
        case mixParameter: mixValue = value; break;
        case levelParameter:
            levelGain = value + value;
            level.setValue (levelGain);
            break;
        case stereoParameter:
            stereoOn = value > 0.0f;
            announceStereoMode();
            break;
        default: break;
    }
}

void FlangerModelBase::calcParameter (int index)
{
    if (index == delayParameter())
    {
        leftDelayLine.calcDelay();
        rightDelayLine.calcDelay();
        return;
    }
    if (index == feedbackParameter())
    {
        calcFeedbackSection();
        return;
    }

    switch (index)
    {
        case bypassParameter: startBypassCrossfade(); break;
        case rateParameter:
        case rateSyncParameter:
        case syncParameter: calcOsc(); break;
        case depthParameter:
            leftDelayLine.calcSweepWidth();
            rightDelayLine.calcSweepWidth();
            break;
        case levelParameter: level.calc(); break;
        default: break;
    }
}

void FlangerModelBase::startBypassCrossfade()
{
    // The gains are left where they are: a crossfade under way turns round.
    if (prevEngaged != engaged)
    {
        bypassState = (engaged && ! prevEngaged) ? 1 : 3;
        prevEngaged = engaged;
    }
}

void FlangerModelBase::announceStereoMode()
{
    if (getInputsUsed() == 1)
    {
        stereoAnnounced = stereoOn;
        if (stereoLastAnnounced != stereoAnnounced)
        {
            raiseAnnouncement();
            stereoLastAnnounced = stereoAnnounced;
        }
    }
    else
    {
        stereoLastAnnounced = ! stereoAnnounced;
    }
}

void FlangerModelBase::setExpectedSampleFrame (int n)
{
    // Both allocated before anything changes: if one throws, the model keeps
    // its buffers and the size that goes with them.
    const size_t size = static_cast<size_t> (std::max (n, 0));
    std::unique_ptr<float[]> left (new float[size]()), right (new float[size]());
    dryBuffer[0] = std::move (left);
    dryBuffer[1] = std::move (right);
    expectedSampleFrame = n;
}

void FlangerModelBase::forceCalcParams()
{
    prevEngaged = engaged;
    bypassState = engaged ? 2 : 0;
    crossfadeWetGain = engaged ? 1.0f : 0.0f;
    crossfadeDryGain = engaged ? 0.0f : 1.0f;

    crossfadeLength = SampleRateBand::lengthFor (sampleRate, 1024);
    crossfadeStep = 1.0f / static_cast<float> (crossfadeLength);

    setFixedSettings();

    leftDelayLine.setSweepWidth (sweepWidth);
    rightDelayLine.setSweepWidth (sweepWidth);
    leftDelayLine.setDelay (delayTime);
    rightDelayLine.setDelay (delayTime);
    setFeedbackSection (feedbackValue);
    level.setValue (levelGain);

    if (layout.announcesOnForce)
        announceStereoMode();

    calc();

    lfo.forceCalcParams();
    leftDelayLine.forceCalcParams();
    rightDelayLine.forceCalcParams();
}

void FlangerModelBase::process (float* x, int n)
{
    if (x != nullptr)
        processInPlace (x, nullptr, n);
}

void FlangerModelBase::process (float* l, float* r, int n)
{
    if (l != nullptr && r != nullptr)
        processInPlace (l, r, n);
}

void FlangerModelBase::processInPlace (float* l, float* r, int n)
{
    if (n <= 0)
        return;
    if (expectedSampleFrame < n)
        setExpectedSampleFrame (n);

    if (syncOn && ! (bpm == previousBpm))
    {
        previousBpm = bpm;
        calcOsc();
    }

    const bool fading = bypassState == 1 || bypassState == 3;
    if (bypassState != 2 && ! fading)
        return; // bypassed: the input passes unchanged

    if (fading)
    {
        std::copy (l, l + n, dryBuffer[0].get());
        if (r != nullptr)
            std::copy (r, r + n, dryBuffer[1].get());
    }
    if (r != nullptr)
        processFlanger (l, r, n);
    else
        processFlanger (l, n);
    if (fading)
        crossfade (l, r, n);
}

void FlangerModelBase::crossfade (float* l, float* r, int n) noexcept
{
    const float* dryL = dryBuffer[0].get();
    const float* dryR = dryBuffer[1].get();
    for (int k = 0; k < n; ++k)
    {
        l[k] = crossfadeWetGain * l[k] + crossfadeDryGain * dryL[k];
        if (r != nullptr)
            r[k] = crossfadeWetGain * r[k] + crossfadeDryGain * dryR[k];

        // The end test follows the sample, so a fade spans length + 1
        // samples, its last one at gains 1 and 0.
        if (bypassState == 1)
        {
            if (crossfadeWetGain < 1.0f)
            {
                crossfadeWetGain += crossfadeStep;
                crossfadeDryGain -= crossfadeStep;
            }
            else
            {
                crossfadeWetGain = 1.0f;
                crossfadeDryGain = 0.0f;
                bypassState = 2;
            }
        }
        else if (bypassState == 3)
        {
            if (crossfadeDryGain < 1.0f)
            {
                crossfadeDryGain += crossfadeStep;
                crossfadeWetGain -= crossfadeStep;
            }
            else
            {
                crossfadeDryGain = 1.0f;
                crossfadeWetGain = 0.0f;
                bypassState = 0;
            }
        }
    }
}

void FlangerModelBase::processBlock (float* l, float* r, int n)
{
    const int inputs = getInputsUsed();
    if (inputs == 2)
    {
        process (l, r, n);
    }
    else if (inputs == 1)
    {
        if (l == nullptr || r == nullptr || n <= 0)
            return;
        if (stereoOn)
        {
            std::copy (l, l + n, r);
            process (l, r, n);
        }
        else
        {
            process (l, n);
            std::copy (l, l + n, r);
        }
    }
}
