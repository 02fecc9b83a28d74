#include "CACFUnknown.h"

#include "ACF/AAX_ACFIdentifiers.h"
#include "AAX_Errors.h"

std::atomic<std::int32_t> CACFUnknown::activeObjects { 0 };

CACFUnknown::CACFUnknown() : outerUnknown (&privateUnknown), privateUnknown (*this) { ++activeObjects; }

CACFUnknown::~CACFUnknown() { --activeObjects; }

ACFRESULT CACFUnknown::InitializeInstance (IACFUnknown*) { return ACF_OK; }

void CACFUnknown::FinalRelease() {}

void CACFUnknown::ReclaimMemory() { delete this; }

ACFRESULT CACFUnknown::InternalQueryInterface (const acfIID& iid, void** out)
{
    if (out == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    *out = nullptr;
    if (iid != IID_IACFUnknown)
        return ACF_E_NOINTERFACE;
    *out = static_cast<IACFUnknown*> (&privateUnknown);
    privateUnknown.AddRef();
    return ACF_OK;
}

std::uint32_t CACFUnknown::InternalAddRef() { return static_cast<std::uint32_t> (++referenceCount); }

std::uint32_t CACFUnknown::InternalRelease()
{
    const std::int32_t count = --referenceCount;
    if (count == 0)
    {
        FinalRelease();
        ReclaimMemory();
    }
    return static_cast<std::uint32_t> (count);
}

std::int32_t CACFUnknown::GetActiveObjectCount() { return activeObjects.load(); }

ACFRESULT CACFUnknown::PrivateUnknown::QueryInterface (const acfIID& iid, void** out)
{
    return owner.InternalQueryInterface (iid, out);
}

std::uint32_t CACFUnknown::PrivateUnknown::AddRef() { return owner.InternalAddRef(); }

std::uint32_t CACFUnknown::PrivateUnknown::Release() { return owner.InternalRelease(); }
