#pragma once

#include "SZBaseGliding.h"

// Third-order band-pass of the Type 1 feedback path (peak near 1 kHz) whose
// gain follows the Feedback pot. resetCoeffs() clears only the pot value: the
// first coefficients after construction or a sample-rate change jump, later
// ones (also after a model reset) glide from where the section stands.
class DeluxeElectricMistressFeedbackFilter final : public SZBase3x
{
public:
    void resetCoeffs() override;
    void calc() override;
    void setFeedback (float value);

private:
    float feedbackValue = 0.0f;
};
