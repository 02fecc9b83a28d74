#include "DeluxeElectricMistressFlanger.h"

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

void DeluxeElectricMistressFlanger::processFlanger (float* buffer, int n)
{
    const double wet = static_cast<double> (mixValue);
    const double dry = static_cast<double> (1.0f - mixValue);
    double fb = feedbackMemory[0];

    for (int k = 0; k < n; ++k)
    {
        double x = takeInput (buffer[k]);
        inputFilter.process (x);
        inputPreEmphasis.process (x);

        // Negative feedback: subtracted, and the difference doubled.
        double s = (x - fb) + (x - fb);
        float lfoValue = nextLfo();
        leftDelayLine.process (s, lfoValue);
        bbdStage.process (s);

        fb = s;
        feedbackFilter.process (fb);
        feedbackPreEmphasis.process (fb);

        wetFilter.process (s);
        double y = (s * wet) * 0.75 + x * dry;
        outputLowpass.process (y);
        outputHighpass.process (y);
        level.process (y);
        buffer[k] = static_cast<float> (y) * -0.667f;
    }

    feedbackMemory[0] = fb;
}

void DeluxeElectricMistressFlanger::processFlanger (float* left, float* right, int n)
{
    const double wet = static_cast<double> (mixValue);
    const double dry = static_cast<double> (1.0f - mixValue);
    double fbL = feedbackMemory[0];
    double fbR = feedbackMemory[1];

    for (int k = 0; k < n; ++k)
    {
        double xL = takeInput (left[k]);
        double xR = takeInput (right[k]);
        inputFilter.process (xL, xR);
        inputPreEmphasis.process (xL, xR);

        double sL = (xL - fbL) + (xL - fbL);
        double sR = (xR - fbR) + (xR - fbR);
        float lfoL, lfoR;
        nextLfoPair (lfoL, lfoR, false);
        leftDelayLine.process (sL, lfoL);
        rightDelayLine.process (sR, lfoR);
        bbdStage.process (sL, sR);

        fbL = sL;
        fbR = sR;
        feedbackFilter.process (fbL, fbR);
        feedbackPreEmphasis.process (fbL, fbR);

        wetFilter.process (sL, sR);
        double yL = (sL * wet) * 0.75 + xL * dry;
        double yR = (sR * wet) * 0.75 + xR * dry;
        outputLowpass.process (yL, yR);
        outputHighpass.process (yL, yR);
        level.process (yL, yR);
        left[k] = static_cast<float> (yL) * -0.667f;
        right[k] = static_cast<float> (yR) * -0.667f;
    }

    feedbackMemory[0] = fbL;
    feedbackMemory[1] = fbR;
}
