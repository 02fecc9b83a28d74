#pragma once

// An ordered list of named, typed values, written to and read from the data
// area of a host's state chunk. The byte layout is a stored format:
//   01 01 01 01, then per value: two tag characters, the name, a NUL, zeros to
//   a multiple of 4, then the value big-endian ("f_" float, "l_" int32,
//   "d_" double, "s_" 16 bits and 2 zeros, "r_" text, NUL and zeros to a
//   multiple of 4).
// Chunks come from hosts and files, so the reader trusts nothing in them.

#include "AAX_CString.h"

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

class AAX_CChunkDataParser
{
public:
    enum : std::int32_t
    {
        kNone = 0, // a field with an unknown tag; never written
        kFloat = 1,
        kInt32 = 2,
        kDouble = 3,
        kShort = 4,
        kString = 5
    };

    struct DataValue
    {
        std::int32_t mDataType = kNone;
        AAX_CString mDataName;
        std::int64_t mIntValue = 0; // the double's, int32's, float's or 16-bit value's bits
        AAX_CString mStringValue;
    };

    AAX_CChunkDataParser() = default;
    virtual ~AAX_CChunkDataParser() = default;

    void AddDouble (const char* name, double value);
    void AddInt32 (const char* name, std::int32_t value);
    void AddString (const char* name, AAX_CString value);

    std::int32_t GetChunkDataSize() const;

    // Writes the data area and the size field. The data area must hold
    // GetChunkDataSize() bytes; the second form writes no further than
    // capacity bytes and fails with -333 (traced) where a value would not fit.
    std::int32_t GetChunkData (AAX_SPlugInChunk* chunk) const;
    std::int32_t GetChunkData (AAX_SPlugInChunk* chunk, std::int32_t capacity) const;

    // Replaces the list by the chunk's values; reading stops at the first
    // entry that does not lie whole within the data, keeping those before it.
    void LoadChunk (const AAX_SPlugInChunk* chunk);
    // The same, keeping only the first value of each of the given names, so
    // that what a chunk costs follows the names asked for, not its size.
    using Names = std::set<std::string, std::less<>>;
    void LoadChunk (const AAX_SPlugInChunk* chunk, const Names& names);

    void Clear();

    // The next value of that name after the last hit, wrapping round; -1.
    std::int32_t FindName (const AAX_CString& name);
    bool FindDouble (const char* name, double* out);
    bool FindInt32 (const char* name, std::int32_t* out);
    bool FindString (const char* name, AAX_CString* out);

    std::int32_t GetChunkVersion() const { return mChunkVersion; }
    std::int32_t NumValues() const { return static_cast<std::int32_t> (mDataValues.size()); }
    const DataValue& GetValue (std::int32_t index) const { return mDataValues[static_cast<std::size_t> (index)]; }

private:
    // Without wanted, every value is kept; with it, the names still looked
    // for, each taken once.
    void load (const AAX_SPlugInChunk* chunk, Names* wanted);

    std::int32_t mLastFoundIndex = -1;
    std::int32_t mChunkVersion = -1;
    std::vector<DataValue> mDataValues;
};
