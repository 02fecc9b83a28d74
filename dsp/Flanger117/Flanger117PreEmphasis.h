#pragma once

#include "SZBaseStatic.h"

// Pre-emphasis of the Type 2 input.
class Flanger117PreEmphasis final : public SZBase2s
{
public:
    void calc() override;
};
