#pragma once

#include "SZBaseStatic.h"

// Third-order pre-emphasis of the Type 3 input plus feedback, before the delay.
class ElectricMistresDryPreEmphasisFilter final : public SZBase3s
{
public:
    void calc() override;
};
