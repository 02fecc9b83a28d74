#pragma once

#include "BBDNonLinear.h"
#include "ElectricMistresDryPreEmphasisFilter.h"
#include "ElectricMistressDelayDeEmphasisFilter.h"
#include "ElectricMistressDryDeEmphasisFilter.h"
#include "ElectricMistressFeedbackPreEmphasisFilter.h"
#include "FlangerModelBase.h"
#include "OnePoleHighpass.h"

// "Type 3": bucket-brigade flanger with positive feedback taken from the
// mixed output through a pre-emphasis following the Feedback pot and a trim,
// a third-order pre-emphasis of the input before the delay, de-emphasis, a
// 10 Hz high-pass and the level stage after the mix.
class ElectricMistressFlanger final : public FlangerModelBase
{
public:
    ElectricMistressFlanger();
    ~ElectricMistressFlanger() override;

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
    static constexpr bool feedbackFromMix = true;
    static constexpr float outputGain = 1.57f;
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
    ElectricMistresDryPreEmphasisFilter dryPreEmphasis;
    ElectricMistressFeedbackPreEmphasisFilter feedbackPreEmphasis;
    ElectricMistressDryDeEmphasisFilter dryDeEmphasis;
    // Set, reset and recalculated like the others, but nothing passes it.
    ElectricMistressDelayDeEmphasisFilter delayDeEmphasis;
    OnePoleHighpass outputHighpass;
};
