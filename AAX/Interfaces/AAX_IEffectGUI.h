#pragma once

// The GUI object an effect hands its host: the host's GUI interface on a
// reference-counted object, answering IID_IAAXEffectGUIV1 with itself.

#include "ACF/AAX_ACFEffect.h"
#include "CACFUnknown.h"

class AAX_IEffectGUI : public AAX_IACFEffectGUI, public CACFUnknown
{
public:
    ACFRESULT QueryInterface (const acfIID& iid, void** out) override;
    std::uint32_t AddRef() override;
    std::uint32_t Release() override;

    ACFRESULT InternalQueryInterface (const acfIID& iid, void** out) override;
};
