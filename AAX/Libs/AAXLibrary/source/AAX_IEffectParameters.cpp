#include "AAX_IEffectParameters.h"

#include "ACF/AAX_ACFIdentifiers.h"
#include "AAX_Errors.h"

ACFRESULT AAX_IEffectParameters::QueryInterface (const acfIID& iid, void** out)
{
    return GetOuterUnknown()->QueryInterface (iid, out);
}

std::uint32_t AAX_IEffectParameters::AddRef() { return GetOuterUnknown()->AddRef(); }

std::uint32_t AAX_IEffectParameters::Release() { return GetOuterUnknown()->Release(); }

ACFRESULT AAX_IEffectParameters::InternalQueryInterface (const acfIID& iid, void** out)
{
    if (out == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    // One table serves all three versions: each is a prefix of the next.
    if (iid == IID_IAAXEffectParametersV1 || iid == IID_IAAXEffectParametersV2 || iid == IID_IAAXEffectParametersV3)
    {
        *out = static_cast<AAX_IACFEffectParameters_V3*> (this);
        AddRef();
        return ACF_OK;
    }
    return CACFUnknown::InternalQueryInterface (iid, out);
}
