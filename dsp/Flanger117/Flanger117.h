#pragma once

#include "BBDNonLinear.h"
#include "FlangerModelBase.h"
#include "Flanger117AntiAliasing.h"
#include "Flanger117DeEmphasis.h"
#include "Flanger117Diode.h"
#include "Flanger117FilterRegen.h"
#include "Flanger117PreEmphasis.h"
#include "Flanger117Reconstruction.h"

// "Type 2": bucket-brigade flanger with positive feedback; pre-emphasis and
// anti-aliasing filter before a diode clipping network in front of the
// delay, a fifth-order reconstruction filter after it, a regeneration filter
// in the feedback path, de-emphasis and the level stage after the mix.
// Parameter 4 is "Feedback" and 5 "Delay". Output polarity inverted.
class Flanger117 final : public FlangerModelBase
{
public:
    Flanger117();
    ~Flanger117() override;

protected:
    void processFlanger (float* x, int n) override;
    void processFlanger (float* l, float* r, int n) override;
    void setFixedSettings() override;
    void setFeedbackSection (float value) override;
    void calcFeedbackSection() override;

private:
    // The chain's stages (see FlangerModelBase::runChain). With the spread
    // off, both channels' LFO values pass the smoothing.
    friend class FlangerModelBase;
    static constexpr bool smoothBothWhenMono = true;
    static constexpr bool feedbackFromMix = false;
    static constexpr float outputGain = -1.47f;
    template <typename Sample>
    [[gnu::always_inline]] inline void takeIn (Sample& x) noexcept;
    template <typename Sample>
    [[gnu::always_inline]] inline Sample intoDelay (Sample feedback, Sample& in) noexcept;
    template <typename Sample>
    [[gnu::always_inline]] inline void shapeIntoDelay (Sample& s) noexcept
    {
        diodeStage.process (s);
    }
    template <typename Sample>
    [[gnu::always_inline]] inline Sample outOfDelay (Sample delayed, Sample in, const Mix& mix, Sample& wet) noexcept;
    template <typename Sample>
    [[gnu::always_inline]] inline Sample mixOut (Sample wet, Sample in, const Mix& mix) noexcept;

    Flanger117PreEmphasis preEmphasis;
    Flanger117AntiAliasing antiAliasing;
    Flanger117Diode diodeStage;
    BBDNonLinear bbdStage;
    Flanger117Reconstruction reconstruction;
    Flanger117DeEmphasis deEmphasis;
    Flanger117FilterRegen regeneration;
};
