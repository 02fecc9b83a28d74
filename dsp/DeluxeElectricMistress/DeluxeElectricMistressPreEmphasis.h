#pragma once

#include "SZBaseStatic.h"

// Inverting pre-emphasis of the Type 1 input and of its feedback signal.
class DeluxeElectricMistressPreEmphasis final : public SZBase2s
{
public:
    void calc() override;
};
