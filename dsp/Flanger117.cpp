#include "Flanger117.h"

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

void Flanger117::processFlanger (float* buffer, int n)
{
    const double wet = static_cast<double> (mixValue);
    const double dry = static_cast<double> (1.0f - mixValue);
    double fb = feedbackMemory[0];

    for (int k = 0; k < n; ++k)
    {
        double x = takeInput (buffer[k]);
        preEmphasis.process (x);

        double s = fb * 1.25 + x;
        antiAliasing.process (s);
        diodeStage.process (s);

        float lfoValue = nextLfo();
        leftDelayLine.process (s, lfoValue);
        bbdStage.process (s);
        reconstruction.process (s);

        fb = s;
        regeneration.process (fb);

        double y = (s * wet) * 1.8292683362960815 + x * dry;
        deEmphasis.process (y);
        level.process (y);
        buffer[k] = static_cast<float> (y) * -1.47f;
    }

    feedbackMemory[0] = fb;
}

void Flanger117::processFlanger (float* left, float* right, int n)
{
    const double wet = static_cast<double> (mixValue);
    const double dry = static_cast<double> (1.0f - mixValue);
    double fbL = feedbackMemory[0];
    double fbR = feedbackMemory[1];

    for (int k = 0; k < n; ++k)
    {
        double xL = takeInput (left[k]);
        double xR = takeInput (right[k]);
        preEmphasis.process (xL, xR);

        double sL = fbL * 1.25 + xL;
        double sR = fbR * 1.25 + xR;
        antiAliasing.process (sL, sR);
        diodeStage.process (sL, sR);

        float lfoL, lfoR;
        nextLfoPair (lfoL, lfoR, true);
        leftDelayLine.process (sL, lfoL);
        rightDelayLine.process (sR, lfoR);
        bbdStage.process (sL, sR);
        reconstruction.process (sL, sR);

        fbL = sL;
        fbR = sR;
        regeneration.process (fbL, fbR);

        double yL = (sL * wet) * 1.8292683362960815 + xL * dry;
        double yR = (sR * wet) * 1.8292683362960815 + xR * dry;
        deEmphasis.process (yL, yR);
        level.process (yL, yR);
        left[k] = static_cast<float> (yL) * -1.47f;
        right[k] = static_cast<float> (yR) * -1.47f;
    }

    feedbackMemory[0] = fbL;
    feedbackMemory[1] = fbR;
}
