#pragma once

// The parameter object an effect hands its host: the host's three parameter
// interface versions on a reference-counted object, each answered with itself.

#include "ACF/AAX_ACFEffect.h"
#include "CACFUnknown.h"

class AAX_IEffectParameters : public AAX_IACFEffectParameters_V3, public CACFUnknown
{
public:
    ACFRESULT QueryInterface (const acfIID& iid, void** out) override;
    std::uint32_t AddRef() override;
    std::uint32_t Release() override;

    ACFRESULT InternalQueryInterface (const acfIID& iid, void** out) override;
};
