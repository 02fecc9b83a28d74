#pragma once

#include <cstdint>

// One call a plug-in made into its host.
struct HostCall
{
    int opcode;
    int index;
    std::intptr_t value;
    void* ptr;
    float opt;
};
