#pragma once

#include "SZBaseStatic.h"

// Inverting anti-aliasing filter in front of the Type 2 diode stage (DC gain -2/3).
class Flanger117AntiAliasing final : public SZBase1s
{
public:
    void calc() override;
};
