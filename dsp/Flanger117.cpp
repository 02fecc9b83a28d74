#include "Flanger117.h"

Flanger117::Flanger117() : FlangerModelBase ({ "Flanger117", 5, 4, 0.0f, false })
{
    initialise ({ &preEmphasis, &antiAliasing, &bbdStage, &reconstruction, &deEmphasis, &regeneration });
}

Flanger117::~Flanger117() = default;

void Flanger117::setFixedSettings() { lfoSmoothing.setFrequency (72.0f); }
void Flanger117::setFeedbackSection (float value) { regeneration.setRegen (value); }
void Flanger117::calcFeedbackSection() { regeneration.calc(); }

void Flanger117::processFlanger (float* x, int n) { run (MonoIo { x }, n); }
void Flanger117::processFlanger (float* l, float* r, int n) { run (StereoIo { l, r }, n); }

template <typename Io>
void Flanger117::run (Io io, int n)
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
        // With the spread off, both channels' LFO values pass the smoothing.
        planDelays<Sample, true> (taps, count);

        for (int k = 0; k < count; ++k)
        {
            Sample x = io.input (start + k);
            preEmphasis.process (x);
            input[k] = x;
        }

        for (int k = 0; k < count; ++k)
        {
            Sample s = fb * 1.25 + input[k];
            antiAliasing.process (s);
            diodeStage.process (s);

            delay (s, taps, k);
            bbdStage.process (s);
            reconstruction.process (s);

            fb = s;
            regeneration.process (fb);
            wetPath[k] = s;
        }

        for (int k = 0; k < count; ++k)
        {
            Sample y = (wetPath[k] * mix.wet) * 1.8292683362960815 + input[k] * mix.dry;
            deEmphasis.process (y);
            level.process (y);
            io.output (start + k, y, -1.47f);
        }
    }

    storeFeedback (fb);
}
