#pragma once

#include "SZBaseGliding.h"

// Pre-emphasis of the Type 3 feedback signal, following the Feedback pot and a
// 100 kOhm trim. resetCoeffs() clears only the pot and trim values: the first
// coefficients after construction or a sample-rate change jump, later ones
// glide.
class ElectricMistressFeedbackPreEmphasisFilter final : public SZBase2x
{
public:
    void resetCoeffs() override;
    void calc() override;
    void setFeedbackTrim (float value);
    void setFeedback (float value);

private:
    float feedbackTrim = 0.0f;
    float feedbackValue = 0.0f;
};
