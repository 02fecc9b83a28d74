#pragma once

#include "ParameterTable.h"

// The twelve programs, each with an A and a B slot. The editor and the kit's
// preset components read and write these records directly.
namespace ProgramTable
{
constexpr int numPrograms = 12;
constexpr int numSlots = 2;

inline bool isProgram (int p) { return static_cast<unsigned> (p) < static_cast<unsigned> (numPrograms); }
inline bool isSlot (int c) { return static_cast<unsigned> (c) < static_cast<unsigned> (numSlots); }
} // namespace ProgramTable

struct ProgramRecord
{
    // 0 = A, 1 = B.
    int activeChannel = 0;
    // Preset file of each slot, relative to the preset folder.
    juce::String name[ProgramTable::numSlots];
    float values[ProgramTable::numSlots][ParameterTable::numParameters] {};
};
