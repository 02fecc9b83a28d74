#include "ElectricMistressFlanger.h"

#include <algorithm>

ElectricMistressFlanger::ElectricMistressFlanger()
    : FlangerModelBase ({ "ElectricMistressFlanger", 4, 5, 1.0f, true })
{
    initialise();
}

ElectricMistressFlanger::~ElectricMistressFlanger() = default;

void ElectricMistressFlanger::setSampleRate (float newSampleRate)
{
    FlangerModelBase::setSampleRate (newSampleRate);
    bbdStage.setSampleRate (newSampleRate);
    dryPreEmphasis.setSampleRate (newSampleRate);
    feedbackPreEmphasis.setSampleRate (newSampleRate);
    dryDeEmphasis.setSampleRate (newSampleRate);
    outputHighpass.setSampleRate (newSampleRate);
}

void ElectricMistressFlanger::resetBuffer()
{
    FlangerModelBase::resetBuffer();
    dryPreEmphasis.resetBuffer();
    feedbackPreEmphasis.resetBuffer();
    dryDeEmphasis.resetBuffer();
    outputHighpass.resetBuffer();
}

void ElectricMistressFlanger::resetCoeffs()
{
    FlangerModelBase::resetCoeffs();
    dryPreEmphasis.resetCoeffs();
    feedbackPreEmphasis.resetCoeffs();
    dryDeEmphasis.resetCoeffs();
    outputHighpass.resetCoeffs();
}

void ElectricMistressFlanger::calc()
{
    FlangerModelBase::calc();
    dryPreEmphasis.calc();
    feedbackPreEmphasis.calc();
    dryDeEmphasis.calc();
}

void ElectricMistressFlanger::setFixedSettings()
{
    feedbackPreEmphasis.setFeedbackTrim (1.0f);
    lfoSmoothing.setFrequency (72.0f);
    outputHighpass.setFrequency (10.0f);
}

void ElectricMistressFlanger::setFeedbackSection (float value) { feedbackPreEmphasis.setFeedback (value); }
void ElectricMistressFlanger::calcFeedbackSection() { feedbackPreEmphasis.calc(); }

void ElectricMistressFlanger::processFlanger (float* x, int n) { run<double> (MonoIo { x }, n); }
void ElectricMistressFlanger::processFlanger (float* l, float* r, int n) { run<StereoPair> (StereoIo { l, r }, n); }

template <typename Sample, typename Io>
void ElectricMistressFlanger::run (Io io, int n)
{
    const double wet = static_cast<double> (mixValue);
    const double dry = static_cast<double> (1.0f - mixValue);
    Sample fb = loadFeedback<Sample>();
    DelayTaps taps;
    Sample mixed[chunkSize];

    for (int start = 0; start < n; start += chunkSize)
    {
        const int count = std::min (chunkSize, n - start);
        planDelays<Sample, false> (taps, count);

        for (int k = 0; k < count; ++k)
        {
            Sample x = io.input (start + k);
            feedbackPreEmphasis.process (fb);
            x = fb * 1.4 + x;
            dryPreEmphasis.process (x);

            Sample s = x;
            delay (s, taps, k);
            bbdStage.process (s);

            Sample y = s * wet + x * dry;
            dryDeEmphasis.process (y);
            // The feedback is the de-emphasised mix.
            fb = y;
            mixed[k] = y;
        }

        for (int k = 0; k < count; ++k)
        {
            Sample y = mixed[k];
            outputHighpass.process (y);
            level.process (y);
            io.output (start + k, y, 1.57f);
        }
    }

    storeFeedback (fb);
}
