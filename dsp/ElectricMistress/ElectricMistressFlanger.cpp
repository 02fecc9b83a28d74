#include "ElectricMistressFlanger.h"

ElectricMistressFlanger::ElectricMistressFlanger()
    : FlangerModelBase ({ "ElectricMistressFlanger", 1.0f, true, false })
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

template <typename Sample>
void ElectricMistressFlanger::takeIn (Sample&) noexcept
{
}

template <typename Sample>
Sample ElectricMistressFlanger::intoDelay (Sample feedback, Sample& in) noexcept
{
    feedbackPreEmphasis.process (feedback);
    in = feedback * 1.4 + in;
    dryPreEmphasis.process (in);
    return in;
}

template <typename Sample>
Sample ElectricMistressFlanger::outOfDelay (Sample delayed, Sample in, const Mix& mix, Sample& wet) noexcept
{
    Sample s = delayed;
    bbdStage.process (s);
    Sample y = s * mix.wet + in * mix.dry;
    dryDeEmphasis.process (y);
    // The feedback is the de-emphasised mix.
    wet = y;
    return y;
}

template <typename Sample>
Sample ElectricMistressFlanger::mixOut (Sample wet, Sample, const Mix&) noexcept
{
    outputHighpass.process (wet);
    return wet;
}

void ElectricMistressFlanger::processFlanger (float* x, int n) { runChain (*this, MonoIo { x }, n); }
void ElectricMistressFlanger::processFlanger (float* l, float* r, int n) { runChain (*this, StereoIo { l, r }, n); }
