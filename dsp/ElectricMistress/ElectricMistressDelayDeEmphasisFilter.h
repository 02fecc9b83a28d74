#pragma once

#include "SZBaseStatic.h"

// De-emphasis section of the Type 3 delay path. It is kept up to date with the
// rest of the model, but no samples pass through it.
class ElectricMistressDelayDeEmphasisFilter final : public SZBase1s
{
public:
    void calc() override;
};
