#pragma once

// The object model shared by an AAX host and a plug-in module: 16-byte
// identifiers, the counted unknown every object answers through, and the
// definition and factory interfaces of the module boundary. Everything that
// crosses between host and plug-in is an interface of pure virtual operations,
// so both sides must be built on these same declarations.

#include <cstdint>

using ACFRESULT = std::int32_t;

constexpr ACFRESULT ACF_OK = 0;
constexpr ACFRESULT ACF_E_NOINTERFACE = static_cast<ACFRESULT> (0x80000004u); // interface not offered
constexpr ACFRESULT ACF_E_POINTER = static_cast<ACFRESULT> (0x80000005u);     // a null interface pointer was used
constexpr ACFRESULT ACF_E_UNEXPECTED = static_cast<ACFRESULT> (0x8000FFFFu);  // an exception reached the boundary

// uint32, uint16, uint16, then 8 bytes: the usual textual form
// {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX} reads the fields in this order.
struct _acfUID
{
    std::uint32_t Data1;
    std::uint16_t Data2;
    std::uint16_t Data3;
    std::uint8_t Data4[8];
};

using acfUID = _acfUID;
using acfIID = _acfUID;
using acfCLSID = _acfUID;

static_assert (sizeof (_acfUID) == 16, "an identifier is 16 bytes");

constexpr bool operator== (const _acfUID& a, const _acfUID& b) noexcept
{
    if (a.Data1 != b.Data1 || a.Data2 != b.Data2 || a.Data3 != b.Data3)
        return false;
    for (int i = 0; i < 8; ++i)
        if (a.Data4[i] != b.Data4[i])
            return false;
    return true;
}

constexpr bool operator!= (const _acfUID& a, const _acfUID& b) noexcept { return ! (a == b); }

// The root of every interface. Objects are destroyed only by their last
// Release, never through an interface pointer, hence no public destructor.
class IACFUnknown
{
public:
    virtual ACFRESULT QueryInterface (const acfIID& iid, void** out) = 0;
    virtual std::uint32_t AddRef() = 0;
    virtual std::uint32_t Release() = 0;

protected:
    ~IACFUnknown() = default;
};

// What a module hands the host from its registration entry: the plug-in as a
// whole, and any further components. Both are marker interfaces; the host
// reads the object behind them through its own interfaces.
class IACFPluginDefinition : public IACFUnknown
{
protected:
    ~IACFPluginDefinition() = default;
};

class IACFComponentDefinition : public IACFUnknown
{
protected:
    ~IACFComponentDefinition() = default;
};

// Creates the host's components (collection, descriptors, property maps,
// host services) by component ID and returns the asked-for interface with one
// reference, or fails and stores null.
class IACFComponentFactory : public IACFUnknown
{
public:
    virtual ACFRESULT CreateComponent (IACFUnknown* outer, const acfCLSID& component, const acfIID& iid,
                                       void** out) = 0;

protected:
    ~IACFComponentFactory() = default;
};
