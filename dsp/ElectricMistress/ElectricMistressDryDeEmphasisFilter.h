#pragma once

#include "SZBaseStatic.h"

// Inverting de-emphasis of the Type 3 mix (DC gain -0.625).
class ElectricMistressDryDeEmphasisFilter final : public SZBase1s
{
public:
    void calc() override;
};
