#pragma once

#include <cstddef>

// Counts heap allocations made by the current thread while a scope is open;
// the test program replaces the global operator new for it.
class ScopedAllocationCounter
{
public:
    ScopedAllocationCounter();
    ~ScopedAllocationCounter();

    std::size_t count() const;
};
