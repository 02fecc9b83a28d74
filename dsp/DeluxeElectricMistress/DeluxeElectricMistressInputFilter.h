#pragma once

#include "SZBaseStatic.h"

// First filter of the Type 1 input.
class DeluxeElectricMistressInputFilter final : public SZBase2s
{
public:
    void calc() override;
};
