#pragma once

#include "SZBaseStatic.h"

// Inverting fifth-order reconstruction band-pass after the Type 2 delay, steep above 10 kHz.
class Flanger117Reconstruction final : public SZBase5s
{
public:
    void calc() override;
};
