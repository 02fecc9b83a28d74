#pragma once

// How the wrappers obtain host interfaces. A host that fails a request, or
// reports success with a null pointer, leaves the wrapper's pointer null.

#include "ACF/AAX_ACFIdentifiers.h"
#include "ACFPtr.h"

namespace AAX_HostQuery
{
template <class T>
ACFPtr<T> query (IACFUnknown* object, const acfIID& iid)
{
    ACFPtr<T> result;
    void* out = nullptr;
    if (object != nullptr && object->QueryInterface (iid, &out) == ACF_OK && out != nullptr)
        result.attach (static_cast<T*> (out));
    return result;
}

// A reference of the wrapper's own on the host object, kept for the children
// it makes.
inline ACFPtr<IACFUnknown> hold (IACFUnknown* object)
{
    ACFPtr<IACFUnknown> result;
    if (object != nullptr)
    {
        object->AddRef();
        result.attach (object);
    }
    return result;
}

// Creates a host component through the host object's component factory; the
// factory's reference is dropped again before returning.
template <class T>
ACFPtr<T> create (IACFUnknown* host, const acfCLSID& component, const acfIID& iid)
{
    ACFPtr<T> result;
    const auto factory = query<IACFComponentFactory> (host, IID_IACFComponentFactory);
    void* out = nullptr;
    if (factory && factory->CreateComponent (nullptr, component, iid, &out) == ACF_OK && out != nullptr)
        result.attach (static_cast<T*> (out));
    return result;
}
} // namespace AAX_HostQuery
