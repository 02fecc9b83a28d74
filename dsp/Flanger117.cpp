#include "Flanger117.h"

#include <algorithm>

Flanger117::Flanger117() : FlangerModelBase ({ "Flanger117", 5, 4, 0.0f, false })
{
    initialise();
}

Flanger117::~Flanger117() = default;

void Flanger117::setSampleRate (float newSampleRate)
{
    FlangerModelBase::setSampleRate (newSampleRate);
    preEmphasis.setSampleRate (newSampleRate);
    antiAliasing.setSampleRate (newSampleRate);
    bbdStage.setSampleRate (newSampleRate);
    reconstruction.setSampleRate (newSampleRate);
    deEmphasis.setSampleRate (newSampleRate);
    regeneration.setSampleRate (newSampleRate);
}

void Flanger117::resetBuffer()
{
    FlangerModelBase::resetBuffer();
    preEmphasis.resetBuffer();
    antiAliasing.resetBuffer();
    reconstruction.resetBuffer();
    deEmphasis.resetBuffer();
    regeneration.resetBuffer();
}

void Flanger117::resetCoeffs()
{
    FlangerModelBase::resetCoeffs();
    preEmphasis.resetCoeffs();
    antiAliasing.resetCoeffs();
    reconstruction.resetCoeffs();
    deEmphasis.resetCoeffs();
    regeneration.resetCoeffs();
}

void Flanger117::calc()
{
    FlangerModelBase::calc();
    preEmphasis.calc();
    antiAliasing.calc();
    reconstruction.calc();
    deEmphasis.calc();
    regeneration.calc();
}

void Flanger117::setFixedSettings() { lfoSmoothing.setFrequency (72.0f); }
void Flanger117::setFeedbackSection (float value) { regeneration.setRegen (value); }
void Flanger117::calcFeedbackSection() { regeneration.calc(); }

void Flanger117::processFlanger (float* x, int n) { run<double> (MonoIo { x }, n); }
void Flanger117::processFlanger (float* l, float* r, int n) { run<StereoPair> (StereoIo { l, r }, n); }

template <typename Sample, typename Io>
void Flanger117::run (Io io, int n)
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
            Sample y = (wetPath[k] * wet) * 1.8292683362960815 + input[k] * dry;
            deEmphasis.process (y);
            level.process (y);
            io.output (start + k, y, -1.47f);
        }
    }

    storeFeedback (fb);
}
