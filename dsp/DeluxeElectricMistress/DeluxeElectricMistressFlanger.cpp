#include "DeluxeElectricMistressFlanger.h"

DeluxeElectricMistressFlanger::DeluxeElectricMistressFlanger()
    : FlangerModelBase ({ "DeluxeElectricMistressFlanger", 1.0f, true, false })
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

template <typename Sample>
void DeluxeElectricMistressFlanger::takeIn (Sample& x) noexcept
{
    inputFilter.process (x);
    inputPreEmphasis.process (x);
}

template <typename Sample>
Sample DeluxeElectricMistressFlanger::intoDelay (Sample feedback, Sample& in) noexcept
{
    // Negative feedback: subtracted, and the difference doubled.
    return (in - feedback) + (in - feedback);
}

template <typename Sample>
Sample DeluxeElectricMistressFlanger::outOfDelay (Sample delayed, Sample, const Mix&, Sample& wet) noexcept
{
    // The delayed signal often passes the stage's turning points here.
    Sample s = delayed;
    processSelecting (bbdStage, s);
    Sample fb = s;
    feedbackFilter.process (fb);
    feedbackPreEmphasis.process (fb);
    wet = s;
    return fb;
}

template <typename Sample>
Sample DeluxeElectricMistressFlanger::mixOut (Sample wet, Sample in, const Mix& mix) noexcept
{
    wetFilter.process (wet);
    Sample y = (wet * mix.wet) * 0.75 + in * mix.dry;
    outputLowpass.process (y);
    outputHighpass.process (y);
    return y;
}

void DeluxeElectricMistressFlanger::processFlanger (float* x, int n) { runChain (*this, MonoIo { x }, n); }
void DeluxeElectricMistressFlanger::processFlanger (float* l, float* r, int n) { runChain (*this, StereoIo { l, r }, n); }
