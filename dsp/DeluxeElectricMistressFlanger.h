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
    DeluxeElectricMistressPreEmphasis inputPreEmphasis;
    DeluxeElectricMistressPreEmphasis feedbackPreEmphasis;
    DeluxeElectricMistressFeedbackFilter feedbackFilter;
    DeluxeElectricMistressInputFilter inputFilter;
    DeluxeElectricMistressWetFilter wetFilter;
    OnePole outputLowpass;
    OnePoleHighpass outputHighpass;
};
