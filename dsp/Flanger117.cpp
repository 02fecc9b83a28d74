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

        // The feedback loop: into the delay through the diode network, out
        // of it through the reconstruction and regeneration filters.
        auto intoDelay = [&] (Sample feedback, int k) {
            Sample s = feedback * 1.25 + input[k];
            antiAliasing.process (s);
            diodeStage.process (s);
            return s;
        };
        auto outOfDelay = [&] (Sample s, int k) {
            bbdStage.process (s);
            reconstruction.process (s);
            wetPath[k] = s;
            regeneration.process (s);
            return s;
        };
        feedbackRuns<Sample> (
            taps, count,
            [&] (int from, int to) {
                Sample feedback = fb; // a local keeps it in a register
                for (int k = from; k < to; ++k)
                {
                    Sample s = intoDelay (feedback, k);
                    delay (s, taps, k);
                    feedback = outOfDelay (s, k);
                }
                fb = feedback;
            },
            [&] (int from, int to) {
                Sample feedbackAfter[chunkSize];
                for (int k = from; k < to; ++k)
                    feedbackAfter[k] = outOfDelay (readDelay<Sample> (taps, k), k);
                for (int k = from; k < to; ++k)
                    writeDelay (intoDelay (k == from ? fb : feedbackAfter[k - 1], k), taps, k);
                fb = feedbackAfter[to - 1];
            });

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
