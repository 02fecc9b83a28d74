#pragma once

// One coefficient packet: the bytes posted to one port of the host
// controller, and whether they still match the parameters they come from.

#include "ACF/AAX_ACFTypes.h"

#include <algorithm>
#include <cstdint>
#include <vector>

class AAX_CPacket
{
public:
    // A growable, never empty byte buffer.
    class SPacketData
    {
    public:
        // Resizes to `size` bytes (at least one; new bytes are zero) and
        // returns the first.
        void* Get (std::uint32_t size)
        {
            bytes.resize (std::max<std::size_t> (size, 1));
            return bytes.data();
        }
        const void* Get() const { return bytes.data(); }

    private:
        std::vector<std::uint8_t> bytes = std::vector<std::uint8_t> (8, 0);
    };

    explicit AAX_CPacket (AAX_CFieldIndex port) : portID (port) {}

    AAX_CFieldIndex GetID() const { return portID; }
    bool IsDirty() const { return dirty; }
    void SetDirty (bool isDirty) { dirty = isDirty; }
    std::uint32_t GetSize() const { return dataSize; }
    void SetSize (std::uint32_t size) { dataSize = size; }
    SPacketData& GetData() { return data; }
    const SPacketData& GetData() const { return data; }

private:
    AAX_CFieldIndex portID;
    bool dirty = true;
    std::uint32_t dataSize = 0;
    SPacketData data;
};
