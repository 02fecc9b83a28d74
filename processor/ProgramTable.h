#pragma once

#include "ParameterTable.h"

#include <array>
#include <atomic>

// The twelve programs, each with an A and a B slot. The editor and the kit's
// preset components read and write these records directly.
namespace ProgramTable
{
constexpr int numPrograms = 12;
constexpr int numSlots = 2;

inline bool isProgram (int p) { return static_cast<unsigned> (p) < static_cast<unsigned> (numPrograms); }
inline bool isSlot (int c) { return static_cast<unsigned> (c) < static_cast<unsigned> (numSlots); }
} // namespace ProgramTable

// Host automation stores values from the audio thread while the message
// thread switches slots, loads and saves: the active slot and the values are
// atomics, each read and written whole. The names are the message thread's.
struct ProgramRecord
{
    using SlotValues = std::array<float, ParameterTable::numParameters>;

    // 0 = A, 1 = B.
    std::atomic<int> activeChannel { 0 };
    // Preset file of each slot, relative to the preset folder.
    juce::String name[ProgramTable::numSlots];
    std::atomic<float> values[ProgramTable::numSlots][ParameterTable::numParameters] {};

    // The active slot, whatever a writer left in activeChannel.
    int activeSlot() const { return juce::jlimit (0, ProgramTable::numSlots - 1, activeChannel.load()); }

    SlotValues slotValues (int slot) const
    {
        SlotValues copy;
        for (int i = 0; i < ParameterTable::numParameters; ++i)
            copy[static_cast<size_t> (i)] = values[slot][i].load();
        return copy;
    }

    void copySlot (int from, int to)
    {
        for (int i = 0; i < ParameterTable::numParameters; ++i)
            values[to][i].store (values[from][i].load());
    }
};
