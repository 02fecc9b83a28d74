#include "AAX_IEffectGUI.h"

#include "ACF/AAX_ACFIdentifiers.h"
#include "AAX_Errors.h"

ACFRESULT AAX_IEffectGUI::QueryInterface (const acfIID& iid, void** out)
{
    return GetOuterUnknown()->QueryInterface (iid, out);
}

std::uint32_t AAX_IEffectGUI::AddRef() { return GetOuterUnknown()->AddRef(); }

std::uint32_t AAX_IEffectGUI::Release() { return GetOuterUnknown()->Release(); }

ACFRESULT AAX_IEffectGUI::InternalQueryInterface (const acfIID& iid, void** out)
{
    if (out == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    if (iid == IID_IAAXEffectGUIV1)
    {
        *out = static_cast<AAX_IACFEffectGUI*> (this);
        AddRef();
        return ACF_OK;
    }
    return CACFUnknown::InternalQueryInterface (iid, out);
}
