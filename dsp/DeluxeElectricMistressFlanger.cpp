#include "DeluxeElectricMistressFlanger.h"

#include <algorithm>

DeluxeElectricMistressFlanger::DeluxeElectricMistressFlanger()
    : FlangerModelBase ({ "DeluxeElectricMistressFlanger", 4, 5, 1.0f, true })
{
    initialise();
}

DeluxeElectricMistressFlanger::~DeluxeElectricMistressFlanger() = default;

void DeluxeElectricMistressFlanger::setSampleRate (float newSampleRate)
{
    FlangerModelBase::setSampleRate (newSampleRate);
    bbdStage.setSampleRate (newSampleRate);
    inputPreEmphasis.setSampleRate (newSampleRate);
    feedbackPreEmphasis.setSampleRate (newSampleRate);
    feedbackFilter.setSampleRate (newSampleRate);
    inputFilter.setSampleRate (newSampleRate);
    wetFilter.setSampleRate (newSampleRate);
    outputLowpass.setSampleRate (newSampleRate);
    outputHighpass.setSampleRate (newSampleRate);
}

void DeluxeElectricMistressFlanger::resetBuffer()
{
    FlangerModelBase::resetBuffer();
    inputPreEmphasis.resetBuffer();
    feedbackPreEmphasis.resetBuffer();
    feedbackFilter.resetBuffer();
    inputFilter.resetBuffer();
    wetFilter.resetBuffer();
    outputLowpass.resetBuffer();
    outputHighpass.resetBuffer();
}

void DeluxeElectricMistressFlanger::resetCoeffs()
{
    FlangerModelBase::resetCoeffs();
    inputPreEmphasis.resetCoeffs();
    feedbackPreEmphasis.resetCoeffs();
    feedbackFilter.resetCoeffs();
    inputFilter.resetCoeffs();
    wetFilter.resetCoeffs();
    outputLowpass.resetCoeffs();
    outputHighpass.resetCoeffs();
}

void DeluxeElectricMistressFlanger::calc()
{
    FlangerModelBase::calc();
    inputPreEmphasis.calc();
    feedbackPreEmphasis.calc();
    feedbackFilter.calc();
    inputFilter.calc();
    wetFilter.calc();
}

void DeluxeElectricMistressFlanger::setFixedSettings()
{
    outputLowpass.setFrequency (800.0f);
    lfoSmoothing.setFrequency (72.0f);
    outputHighpass.setFrequency (10.0f);
}

void DeluxeElectricMistressFlanger::setFeedbackSection (float value) { feedbackFilter.setFeedback (value); }
void DeluxeElectricMistressFlanger::calcFeedbackSection() { feedbackFilter.calc(); }

void DeluxeElectricMistressFlanger::processFlanger (float* x, int n) { run<double> (MonoIo { x }, n); }
void DeluxeElectricMistressFlanger::processFlanger (float* l, float* r, int n) { run<StereoPair> (StereoIo { l, r }, n); }

template <typename Sample, typename Io>
void DeluxeElectricMistressFlanger::run (Io io, int n)
{
    const double wet = static_cast<double> (mixValue);
    const double dry = static_cast<double> (1.0f - mixValue);
    Sample fb = loadFeedback<Sample>();
    DelayTaps taps;
    Sample input[chunkSize];
    Sample wetPath[chunkSize];

    for (int start = 0; start < n; start += chunkSize)
    {
        const int count = std::min (chunkSize, n - start);
        planDelays<Sample, false> (taps, count);

        for (int k = 0; k < count; ++k)
        {
            Sample x = io.input (start + k);
            inputFilter.process (x);
            inputPreEmphasis.process (x);
            input[k] = x;
        }

        for (int k = 0; k < count; ++k)
        {
            // Negative feedback: subtracted, and the difference doubled.
            Sample s = (input[k] - fb) + (input[k] - fb);
            delay (s, taps, k);
            bbdStage.process (s);

            fb = s;
            feedbackFilter.process (fb);
            feedbackPreEmphasis.process (fb);
            wetPath[k] = s;
        }

        for (int k = 0; k < count; ++k)
        {
            Sample s = wetPath[k];
            wetFilter.process (s);
            Sample y = (s * wet) * 0.75 + input[k] * dry;
            outputLowpass.process (y);
            outputHighpass.process (y);
            level.process (y);
            io.output (start + k, y, -0.667f);
        }
    }

    storeFeedback (fb);
}
