#pragma once

#include "BBDNonLinear.h"
#include "DeluxeElectricMistressFeedbackFilter.h"
#include "DeluxeElectricMistressInputFilter.h"
#include "DeluxeElectricMistressPreEmphasis.h"
#include "DeluxeElectricMistressWetFilter.h"
#include "FlangerModelBase.h"
#include "OnePoleHighpass.h"

// "Type 1": bucket-brigade flanger with negative feedback taken after the
// delay, input filter and pre-emphasis before it, a third-order feedback
// network following the Feedback pot, and an 800 Hz low-pass, a 10 Hz
// high-pass and the level stage after the mix. Output polarity inverted.
class DeluxeElectricMistressFlanger final : public FlangerModelBase
{
public:
    DeluxeElectricMistressFlanger();
    ~DeluxeElectricMistressFlanger() override;

protected:
    void processFlanger (float* x, int n) override;
    void processFlanger (float* l, float* r, int n) override;
    void setFixedSettings() override;
    void setFeedbackSection (float value) override;
    void calcFeedbackSection() override;

private:
    // The chain's stages (see FlangerModelBase::runChain).
    friend class FlangerModelBase;
    static constexpr bool smoothBothWhenMono = false;
    static constexpr bool feedbackFromMix = false;
    static constexpr float outputGain = -0.667f;
    template <typename Sample>
    [[gnu::always_inline]] inline void takeIn (Sample& x) noexcept;
    template <typename Sample>
    [[gnu::always_inline]] inline Sample intoDelay (Sample feedback, Sample& in) noexcept;
    template <typename Sample>
    [[gnu::always_inline]] inline void shapeIntoDelay (Sample&) noexcept {}
    template <typename Sample>
    [[gnu::always_inline]] inline Sample outOfDelay (Sample delayed, Sample in, const Mix& mix, Sample& wet) noexcept;
    template <typename Sample>
    [[gnu::always_inline]] inline Sample mixOut (Sample wet, Sample in, const Mix& mix) noexcept;

    BBDNonLinear bbdStage;
    DeluxeElectricMistressPreEmphasis inputPreEmphasis;
    DeluxeElectricMistressPreEmphasis feedbackPreEmphasis;
    DeluxeElectricMistressFeedbackFilter feedbackFilter;
    DeluxeElectricMistressInputFilter inputFilter;
    DeluxeElectricMistressWetFilter wetFilter;
    OnePole outputLowpass;
    OnePoleHighpass outputHighpass;
};
