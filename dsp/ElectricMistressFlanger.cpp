#include "ElectricMistressFlanger.h"

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

void ElectricMistressFlanger::processFlanger (float* buffer, int n)
{
    const double wet = static_cast<double> (mixValue);
    const double dry = static_cast<double> (1.0f - mixValue);
    double fb = feedbackMemory[0];

    for (int k = 0; k < n; ++k)
    {
        double x = takeInput (buffer[k]);
        feedbackPreEmphasis.process (fb);
        x = fb * 1.4 + x;
        dryPreEmphasis.process (x);

        double s = x;
        float lfoValue = nextLfo();
        leftDelayLine.process (s, lfoValue);
        bbdStage.process (s);

        double y = s * wet + x * dry;
        dryDeEmphasis.process (y);
        // The feedback is the de-emphasised mix.
        fb = y;
        outputHighpass.process (y);
        level.process (y);
        buffer[k] = static_cast<float> (y) * 1.57f;
    }

    feedbackMemory[0] = fb;
}

void ElectricMistressFlanger::processFlanger (float* left, float* right, int n)
{
    const double wet = static_cast<double> (mixValue);
    const double dry = static_cast<double> (1.0f - mixValue);
    double fbL = feedbackMemory[0];
    double fbR = feedbackMemory[1];

    for (int k = 0; k < n; ++k)
    {
        double xL = takeInput (left[k]);
        double xR = takeInput (right[k]);
        feedbackPreEmphasis.process (fbL, fbR);
        xL = fbL * 1.4 + xL;
        xR = fbR * 1.4 + xR;
        dryPreEmphasis.process (xL, xR);

        double sL = xL;
        double sR = xR;
        float lfoL, lfoR;
        nextLfoPair (lfoL, lfoR, false);
        leftDelayLine.process (sL, lfoL);
        rightDelayLine.process (sR, lfoR);
        bbdStage.process (sL, sR);

        double yL = sL * wet + xL * dry;
        double yR = sR * wet + xR * dry;
        dryDeEmphasis.process (yL, yR);
        fbL = yL;
        fbR = yR;
        outputHighpass.process (yL, yR);
        level.process (yL, yR);
        left[k] = static_cast<float> (yL) * 1.57f;
        right[k] = static_cast<float> (yR) * 1.57f;
    }

    feedbackMemory[0] = fbL;
    feedbackMemory[1] = fbR;
}
