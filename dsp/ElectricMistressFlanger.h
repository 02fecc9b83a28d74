#pragma once

#include "BBDNonLinear.h"
#include "ElectricMistresDryPreEmphasisFilter.h"
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

    void setSampleRate (float newSampleRate) override;
    void resetBuffer() override;
    void resetCoeffs() override;
    void calc() override;

protected:
    void processFlanger (float* x, int n) override;
    void processFlanger (float* l, float* r, int n) override;
    void setFixedSettings() override;
    void setFeedbackSection (float value) override;
    void calcFeedbackSection() override;

private:
    template <typename Sample, typename Io>
    void run (Io io, int n);

    BBDNonLinear bbdStage;
    ElectricMistresDryPreEmphasisFilter dryPreEmphasis;
    ElectricMistressFeedbackPreEmphasisFilter feedbackPreEmphasis;
    ElectricMistressDryDeEmphasisFilter dryDeEmphasis;
    OnePoleHighpass outputHighpass;
};
