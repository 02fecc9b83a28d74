#pragma once

#include "SZBaseGliding.h"

// Filter of the Type 1 delayed signal before the mix.
class DeluxeElectricMistressWetFilter final : public SZBase2x
{
public:
    void calc() override;
};
