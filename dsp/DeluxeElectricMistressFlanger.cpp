#include "DeluxeElectricMistressFlanger.h"

DeluxeElectricMistressFlanger::DeluxeElectricMistressFlanger()
    : FlangerModelBase ({ "DeluxeElectricMistressFlanger", 4, 5, 1.0f, true })
{
    initialise ({ &bbdStage, &inputPreEmphasis, &feedbackPreEmphasis, &feedbackFilter, &inputFilter, &wetFilter, &outputLowpass,
                  &outputHighpass });
}

DeluxeElectricMistressFlanger::~DeluxeElectricMistressFlanger() = default;

void DeluxeElectricMistressFlanger::setFixedSettings()
{
    outputLowpass.setFrequency (800.0f);
    lfoSmoothing.setFrequency (72.0f);
    outputHighpass.setFrequency (10.0f);
}

void DeluxeElectricMistressFlanger::setFeedbackSection (float value) { feedbackFilter.setFeedback (value); }
void DeluxeElectricMistressFlanger::calcFeedbackSection() { feedbackFilter.calc(); }

void DeluxeElectricMistressFlanger::processFlanger (float* x, int n) { run (MonoIo { x }, n); }
void DeluxeElectricMistressFlanger::processFlanger (float* l, float* r, int n) { run (StereoIo { l, r }, n); }

template <typename Io>
void DeluxeElectricMistressFlanger::run (Io io, int n)
{
    using Sample = typename Io::Sample;
    Sample input[chunkSize];
    Sample wetPath[chunkSize];
    const Mix mix = blockMix();
    Sample fb = loadFeedback<Sample>();
    DelayTaps taps;

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
            Sample y = (s * mix.wet) * 0.75 + input[k] * mix.dry;
            outputLowpass.process (y);
            outputHighpass.process (y);
            level.process (y);
            io.output (start + k, y, -0.667f);
        }
    }

    storeFeedback (fb);
}
