#include "Flanger117.h"

// Spread off by default, no announcement when forced, "Feedback" before "Delay".
Flanger117::Flanger117() : FlangerModelBase ({ "Flanger117", 0.0f, false, true })
{
    initialise ({ &preEmphasis, &antiAliasing, &bbdStage, &reconstruction, &deEmphasis, &regeneration });
}

Flanger117::~Flanger117() = default;

void Flanger117::setFixedSettings() { lfoSmoothing.setFrequency (72.0f); }
void Flanger117::setFeedbackSection (float value) { regeneration.setRegen (value); }
void Flanger117::calcFeedbackSection() { regeneration.calc(); }

template <typename Sample>
void Flanger117::takeIn (Sample& x) noexcept
{
    preEmphasis.process (x);
}

// The feedback loop: into the delay through the anti-aliasing filter and the
// diode network (shapeIntoDelay), out of it through the reconstruction and
// regeneration filters.
template <typename Sample>
Sample Flanger117::intoDelay (Sample feedback, Sample& in) noexcept
{
    Sample s = feedback * 1.25 + in;
    antiAliasing.process (s);
    return s;
}

template <typename Sample>
Sample Flanger117::outOfDelay (Sample delayed, Sample, const Mix&, Sample& wet) noexcept
{
    Sample s = delayed;
    bbdStage.process (s);
    reconstruction.process (s);
    wet = s;
    regeneration.process (s);
    return s;
}

template <typename Sample>
Sample Flanger117::mixOut (Sample wet, Sample in, const Mix& mix) noexcept
{
    Sample y = (wet * mix.wet) * 1.8292683362960815 + in * mix.dry;
    deEmphasis.process (y);
    return y;
}

void Flanger117::processFlanger (float* x, int n) { runChain (*this, MonoIo { x }, n); }
void Flanger117::processFlanger (float* l, float* r, int n) { runChain (*this, StereoIo { l, r }, n); }
