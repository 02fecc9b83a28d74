#pragma once

#include "SZBase1.h"

// First-order high-pass (time constant 5 ms) of the Type 2 feedback path; its
// high-frequency gain follows the Feedback pot from 0 to 1.
class Flanger117FilterRegen final : public SZBase1
{
public:
    void calc() override;
    void setRegen (float value);

private:
    float feedbackValue = 0.0f;
};
