#pragma once

// The reference-counted base of every object the module hands to a host.
// The public QueryInterface, AddRef and Release of a derived interface go
// through the outer unknown; without aggregation (the only case here) that
// is the object's own private unknown, which calls the Internal operations.
// A process-wide count of live objects tells the host when the module may be
// unloaded.

#include "ACF/ACFBase.h"

#include <atomic>
#include <cstdint>

class CACFUnknown
{
public:
    CACFUnknown();
    virtual ~CACFUnknown();
    CACFUnknown (const CACFUnknown&) = delete;
    CACFUnknown& operator= (const CACFUnknown&) = delete;

    virtual ACFRESULT InitializeInstance (IACFUnknown* outer);
    virtual void FinalRelease();
    virtual void ReclaimMemory(); // deletes the object

    // IID_IACFUnknown gives the private unknown with a reference added; any
    // other ID ACF_E_NOINTERFACE and null; a null out -20004.
    virtual ACFRESULT InternalQueryInterface (const acfIID& iid, void** out);
    virtual std::uint32_t InternalAddRef();
    // At 0 the object runs FinalRelease and deletes itself.
    virtual std::uint32_t InternalRelease();

    static std::int32_t GetActiveObjectCount();

protected:
    IACFUnknown* GetOuterUnknown() const { return outerUnknown; }

private:
    class PrivateUnknown final : public IACFUnknown
    {
    public:
        explicit PrivateUnknown (CACFUnknown& o) : owner (o) {}
        ACFRESULT QueryInterface (const acfIID& iid, void** out) override;
        std::uint32_t AddRef() override;
        std::uint32_t Release() override;

    private:
        CACFUnknown& owner;
    };

    std::atomic<std::int32_t> referenceCount { 0 };
    IACFUnknown* outerUnknown;
    PrivateUnknown privateUnknown;

    static std::atomic<std::int32_t> activeObjects;
};
