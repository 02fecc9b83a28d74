#pragma once

// Holds one counted reference to a host interface: released on destruction
// and before being overwritten. Using it while null throws ACF_E_POINTER as
// an int; the wrappers test for null first, so that never fires through them.

#include "ACF/ACFBase.h"

#include <utility>

template <class T>
class ACFPtr
{
public:
    ACFPtr() = default;
    ACFPtr (const ACFPtr& other) : pointer (other.pointer)
    {
        if (pointer != nullptr)
            pointer->AddRef();
    }
    ACFPtr (ACFPtr&& other) noexcept : pointer (std::exchange (other.pointer, nullptr)) {}
    ~ACFPtr() { reset(); }

    ACFPtr& operator= (ACFPtr other) noexcept
    {
        std::swap (pointer, other.pointer);
        return *this;
    }

    // Takes over a reference the caller already owns.
    void attach (T* p)
    {
        reset();
        pointer = p;
    }

    void reset()
    {
        if (auto* p = std::exchange (pointer, nullptr))
            p->Release();
    }

    T* get() const noexcept { return pointer; }
    explicit operator bool() const noexcept { return pointer != nullptr; }

    T* operator->() const
    {
        if (pointer == nullptr)
            throw static_cast<int> (ACF_E_POINTER);
        return pointer;
    }

private:
    T* pointer = nullptr;
};
