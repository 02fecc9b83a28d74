#include "ElectricMistressFlanger.h"

ElectricMistressFlanger::ElectricMistressFlanger()
    : FlangerModelBase ({ "ElectricMistressFlanger", 4, 5, 1.0f, true })
{
    initialise ({ &bbdStage, &dryPreEmphasis, &feedbackPreEmphasis, &dryDeEmphasis, &delayDeEmphasis, &outputHighpass });
}

ElectricMistressFlanger::~ElectricMistressFlanger() = default;

void ElectricMistressFlanger::setFixedSettings()
{
    feedbackPreEmphasis.setFeedbackTrim (1.0f);
    lfoSmoothing.setFrequency (72.0f);
    outputHighpass.setFrequency (10.0f);
}

void ElectricMistressFlanger::setFeedbackSection (float value) { feedbackPreEmphasis.setFeedback (value); }
void ElectricMistressFlanger::calcFeedbackSection() { feedbackPreEmphasis.calc(); }

void ElectricMistressFlanger::processFlanger (float* x, int n) { run (MonoIo { x }, n); }
void ElectricMistressFlanger::processFlanger (float* l, float* r, int n) { run (StereoIo { l, r }, n); }

template <typename Io>
void ElectricMistressFlanger::run (Io io, int n)
{
    using Sample = typename Io::Sample;
    Sample mixed[chunkSize];
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
            feedbackPreEmphasis.process (fb);
            x = fb * 1.4 + x;
            dryPreEmphasis.process (x);

            Sample s = x;
            delay (s, taps, k);
            bbdStage.process (s);

            Sample y = s * mix.wet + x * mix.dry;
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
