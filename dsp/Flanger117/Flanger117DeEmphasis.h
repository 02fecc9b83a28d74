#pragma once

#include "SZBaseStatic.h"

// De-emphasis of the Type 2 mix.
class Flanger117DeEmphasis final : public SZBase2s
{
public:
    void calc() override;
};
