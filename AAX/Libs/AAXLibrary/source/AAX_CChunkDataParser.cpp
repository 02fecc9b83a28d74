#include "AAX_CChunkDataParser.h"

#include "AAX_CHostServices.h"
#include "AAX_Errors.h"

#include <cstring>
#include <string>
#include <string_view>

namespace
{
constexpr unsigned char marker[4] = { 1, 1, 1, 1 };
constexpr std::int64_t maxNameField = 255; // tag, name and NUL

std::int64_t roundUp4 (std::int64_t n) { return (n + 3) & ~std::int64_t (3); }

const char* tagOf (std::int32_t type)
{
    switch (type)
    {
        case AAX_CChunkDataParser::kFloat: return "f_";
        case AAX_CChunkDataParser::kInt32: return "l_";
        case AAX_CChunkDataParser::kDouble: return "d_";
        case AAX_CChunkDataParser::kShort: return "s_";
        case AAX_CChunkDataParser::kString: return "r_";
        default: return nullptr;
    }
}

// Bytes the value takes after its padded name, its own padding included.
std::int64_t valueBytes (const AAX_CChunkDataParser::DataValue& value)
{
    switch (value.mDataType)
    {
        case AAX_CChunkDataParser::kFloat:
        case AAX_CChunkDataParser::kInt32:
        case AAX_CChunkDataParser::kShort: return 4;
        case AAX_CChunkDataParser::kDouble: return 8;
        case AAX_CChunkDataParser::kString: return roundUp4 (std::int64_t (value.mStringValue.Length()) + 1);
        default: return 0;
    }
}

// A whole entry: tag, name, NUL and padding, then the value.
std::int64_t entryBytes (const AAX_CChunkDataParser::DataValue& value)
{
    return roundUp4 (std::int64_t (value.mDataName.Length()) + 3) + valueBytes (value);
}

void putBigEndian (char* at, std::uint64_t bits, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        at[i] = static_cast<char> ((bits >> (8 * (bytes - 1 - i))) & 0xFF);
}

std::uint64_t getBigEndian (const char* at, int bytes)
{
    std::uint64_t bits = 0;
    for (int i = 0; i < bytes; ++i)
        bits = (bits << 8) | static_cast<unsigned char> (at[i]);
    return bits;
}

struct WriteFailure
{
    const char* message;
};
} // namespace

void AAX_CChunkDataParser::AddDouble (const char* name, double value)
{
    DataValue v;
    v.mDataType = kDouble;
    v.mDataName = AAX_CString (name);
    std::memcpy (&v.mIntValue, &value, sizeof (value));
    mDataValues.push_back (v);
}

void AAX_CChunkDataParser::AddInt32 (const char* name, std::int32_t value)
{
    DataValue v;
    v.mDataType = kInt32;
    v.mDataName = AAX_CString (name);
    v.mIntValue = value;
    mDataValues.push_back (v);
}

void AAX_CChunkDataParser::AddString (const char* name, AAX_CString value)
{
    DataValue v;
    v.mDataType = kString;
    v.mDataName = AAX_CString (name);
    v.mStringValue = value;
    mDataValues.push_back (v);
}

// Entries of no type are left out: they have no value to write.
std::int32_t AAX_CChunkDataParser::GetChunkDataSize() const
{
    std::int64_t size = 4;
    for (const auto& value : mDataValues)
        if (value.mDataType != kNone)
            size += entryBytes (value);
    return size > INT32_MAX ? -1 : static_cast<std::int32_t> (size);
}

std::int32_t AAX_CChunkDataParser::GetChunkData (AAX_SPlugInChunk* chunk) const
{
    return GetChunkData (chunk, GetChunkDataSize());
}

std::int32_t AAX_CChunkDataParser::GetChunkData (AAX_SPlugInChunk* chunk, std::int32_t capacity) const
{
    const std::int32_t size = GetChunkDataSize();
    if (chunk == nullptr || size < 4 || capacity < 4)
        return AAX_ERROR_CHUNK_WRITE;

    char* data = chunk->fData;
    try
    {
        std::memset (data, 0, static_cast<std::size_t> (std::min (size, capacity)));
        std::memcpy (data, marker, 4);

        std::int64_t position = 4;
        for (const auto& value : mDataValues)
        {
            const char* tag = tagOf (value.mDataType);
            if (tag == nullptr)
                continue;

            if (position + entryBytes (value) > std::min (size, capacity))
                throw WriteFailure { "aborting: chunk data will overflow buffer" };

            const std::int64_t nameLength = value.mDataName.Length();
            std::memcpy (data + position, tag, 2);
            std::memcpy (data + position + 2, value.mDataName.Get(), static_cast<std::size_t> (nameLength));
            const std::int64_t offset = roundUp4 (position + 2 + nameLength + 1);

            const auto bits = static_cast<std::uint64_t> (value.mIntValue);
            switch (value.mDataType)
            {
                case kDouble: putBigEndian (data + offset, bits, 8); break;
                case kShort: putBigEndian (data + offset, bits & 0xFFFF, 2); break;
                case kString:
                    std::memcpy (data + offset, value.mStringValue.Get(), value.mStringValue.Length());
                    break;
                default: putBigEndian (data + offset, bits & 0xFFFFFFFF, 4); break;
            }
            position = offset + valueBytes (value);
        }
    }
    catch (const WriteFailure& failure)
    {
        AAX_CHostServices::Trace (AAX_eTracePriorityHost_High, "AAX_CChunkDataParser::GetChunkData ERROR: %s",
                                  failure.message);
        return AAX_ERROR_CHUNK_WRITE;
    }

    chunk->fSize = size;
    return AAX_SUCCESS;
}

void AAX_CChunkDataParser::LoadChunk (const AAX_SPlugInChunk* chunk) { load (chunk, nullptr); }

void AAX_CChunkDataParser::LoadChunk (const AAX_SPlugInChunk* chunk, const Names& names)
{
    Names wanted = names;
    load (chunk, &wanted);
}

void AAX_CChunkDataParser::load (const AAX_SPlugInChunk* chunk, Names* wanted)
{
    Clear();
    if (chunk == nullptr)
        return;

    mChunkVersion = chunk->fVersion;
    const std::int64_t size = chunk->fSize;
    const char* data = chunk->fData;
    if (size < 5 || std::memcmp (data, marker, 4) != 0)
        return;

    std::int64_t position = 4;
    while (position < size && (wanted == nullptr || ! wanted->empty()))
    {
        // Tag and name: their NUL must come within the data and within 255 bytes.
        const auto room = static_cast<std::size_t> (std::min (size - position, maxNameField));
        const auto* end = static_cast<const char*> (std::memchr (data + position, 0, room));
        if (end == nullptr)
            return;

        const std::int64_t fieldLength = end - (data + position);
        std::string_view name;
        if (fieldLength > 2)
            name = std::string_view (data + position + 2, static_cast<std::size_t> (fieldLength - 2));
        bool keep = true;
        if (wanted != nullptr)
        {
            const auto found = wanted->find (name);
            keep = found != wanted->end();
            if (keep)
                wanted->erase (found);
        }

        DataValue value;
        if (keep)
            value.mDataName.Set (std::string (name).c_str());
        const char kind = data[position];
        position = roundUp4 (position + fieldLength + 1);

        std::int64_t bytes = 0;
        switch (kind)
        {
            case 'f': value.mDataType = kFloat; bytes = 4; break;
            case 'l': value.mDataType = kInt32; bytes = 4; break;
            case 'd': value.mDataType = kDouble; bytes = 8; break;
            case 's': value.mDataType = kShort; bytes = 4; break;
            case 'r': value.mDataType = kString; break;
            default: break;
        }

        if (value.mDataType == kString)
        {
            const auto* textEnd = position < size ? static_cast<const char*> (std::memchr (data + position, 0,
                                                                                           static_cast<std::size_t> (size - position)))
                                                  : nullptr;
            if (textEnd == nullptr)
                return;
            if (keep)
                value.mStringValue.Set (data + position);
            position = roundUp4 (position + (textEnd - (data + position)) + 1);
        }
        else if (bytes > 0)
        {
            const int valueSize = value.mDataType == kShort ? 2 : static_cast<int> (bytes);
            if (position + valueSize > size)
                return;
            const auto bits = getBigEndian (data + position, valueSize);
            if (value.mDataType == kDouble)
                value.mIntValue = static_cast<std::int64_t> (bits);
            else if (value.mDataType == kShort)
                value.mIntValue = static_cast<std::int16_t> (bits);
            else
                value.mIntValue = static_cast<std::int32_t> (static_cast<std::uint32_t> (bits));
            position += bytes;
        }

        if (keep)
            mDataValues.push_back (value);
    }
}

// The storage goes too: a long chunk's list is not kept for the parser's life.
void AAX_CChunkDataParser::Clear()
{
    std::vector<DataValue>().swap (mDataValues);
    mLastFoundIndex = -1;
    mChunkVersion = -1;
}

std::int32_t AAX_CChunkDataParser::FindName (const AAX_CString& name)
{
    const auto count = NumValues();
    if (mLastFoundIndex >= count - 1)
        mLastFoundIndex = -1;
    if (mLastFoundIndex < -1)
        return -1;

    for (std::int32_t i = mLastFoundIndex + 1; i < count; ++i)
        if (mDataValues[static_cast<std::size_t> (i)].mDataName == name)
            return mLastFoundIndex = i;

    for (std::int32_t i = 0; i <= mLastFoundIndex; ++i)
        if (mDataValues[static_cast<std::size_t> (i)].mDataName == name)
            return mLastFoundIndex = i;

    return -1;
}

bool AAX_CChunkDataParser::FindDouble (const char* name, double* out)
{
    const auto index = FindName (AAX_CString (name));
    if (index < 0 || out == nullptr || GetValue (index).mDataType != kDouble)
        return false;
    std::memcpy (out, &GetValue (index).mIntValue, sizeof (double));
    return true;
}

bool AAX_CChunkDataParser::FindInt32 (const char* name, std::int32_t* out)
{
    const auto index = FindName (AAX_CString (name));
    if (index < 0 || out == nullptr || GetValue (index).mDataType != kInt32)
        return false;
    *out = static_cast<std::int32_t> (GetValue (index).mIntValue);
    return true;
}

bool AAX_CChunkDataParser::FindString (const char* name, AAX_CString* out)
{
    const auto index = FindName (AAX_CString (name));
    if (index < 0 || out == nullptr || GetValue (index).mDataType != kString)
        return false;
    out->Set (GetValue (index).mStringValue.Get());
    return true;
}
