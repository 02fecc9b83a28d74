// The parameter chunk's byte format, written and read back, and chunks from
// hosts that break it.
#include "AAX_CChunkDataParser.h"
#include "AAX_CHostServices.h"
#include "AAX_Errors.h"
#include "HostObjects.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

namespace
{
using Bytes = std::vector<unsigned char>;

// A host chunk record with room for `room` data bytes.
struct Chunk
{
    explicit Chunk (std::size_t room) : storage (AAX_PLUGIN_CHUNK_HEADER_SIZE + room + 8, 0) {}

    AAX_SPlugInChunk* get() { return reinterpret_cast<AAX_SPlugInChunk*> (storage.data()); }
    Bytes data (std::size_t n) const
    {
        return Bytes (storage.begin() + AAX_PLUGIN_CHUNK_HEADER_SIZE,
                      storage.begin() + static_cast<std::ptrdiff_t> (AAX_PLUGIN_CHUNK_HEADER_SIZE + n));
    }

    alignas (8) std::vector<unsigned char> storage;
};

Bytes written (const AAX_CChunkDataParser& parser)
{
    Chunk chunk (static_cast<std::size_t> (parser.GetChunkDataSize()));
    EXPECT_EQ (parser.GetChunkData (chunk.get()), AAX_SUCCESS);
    EXPECT_EQ (chunk.get()->fSize, parser.GetChunkDataSize());
    return chunk.data (static_cast<std::size_t> (chunk.get()->fSize));
}

// A parser loaded from raw data bytes, the size field saying `size`.
AAX_CChunkDataParser loaded (const Bytes& data, std::int32_t size)
{
    Chunk chunk (data.size());
    chunk.get()->fSize = size;
    chunk.get()->fVersion = 7;
    std::memcpy (chunk.get()->fData, data.data(), data.size());
    AAX_CChunkDataParser parser;
    parser.LoadChunk (chunk.get());
    return parser;
}

Bytes operator+ (Bytes a, const Bytes& b)
{
    a.insert (a.end(), b.begin(), b.end());
    return a;
}

const Bytes marker { 1, 1, 1, 1 };
} // namespace

TEST (AaxChunkDataParser, WritesTheStoredLayout)
{
    AAX_CChunkDataParser parser;
    EXPECT_EQ (written (parser), marker);

    parser.AddDouble ("0", 0.5);
    EXPECT_EQ (written (parser), (marker + Bytes { 0x64, 0x5F, 0x30, 0x00, 0x3F, 0xE0, 0, 0, 0, 0, 0, 0 }));

    AAX_CChunkDataParser text;
    text.AddString ("x", AAX_CString ("ab"));
    EXPECT_EQ (written (text), (marker + Bytes { 0x72, 0x5F, 0x78, 0x00, 0x61, 0x62, 0x00, 0x00 }));

    AAX_CChunkDataParser twoCharacters;
    twoCharacters.AddInt32 ("10", -2);
    EXPECT_EQ (written (twoCharacters), (marker + Bytes { 'l', '_', '1', '0', 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFE }));
}

TEST (AaxChunkDataParser, ReadsBackWhatItWrote)
{
    AAX_CChunkDataParser parser;
    parser.AddDouble ("rate", -0.125);
    parser.AddString ("name", AAX_CString ("abcde"));
    parser.AddInt32 ("10", 42);
    Chunk chunk (static_cast<std::size_t> (parser.GetChunkDataSize()));
    chunk.get()->fVersion = 3;
    ASSERT_EQ (parser.GetChunkData (chunk.get()), AAX_SUCCESS);

    AAX_CChunkDataParser back;
    back.LoadChunk (chunk.get());
    ASSERT_EQ (back.NumValues(), 3);
    EXPECT_EQ (back.GetChunkVersion(), 3);
    double d = 0.0;
    std::int32_t i = 0;
    AAX_CString s;
    EXPECT_TRUE (back.FindDouble ("rate", &d));
    EXPECT_EQ (d, -0.125);
    EXPECT_TRUE (back.FindString ("name", &s));
    EXPECT_STREQ (s.Get(), "abcde");
    EXPECT_TRUE (back.FindInt32 ("10", &i));
    EXPECT_EQ (i, 42);
    EXPECT_FALSE (back.FindInt32 ("rate", &i)); // stored as a double
}

TEST (AaxChunkDataParser, FindNameWrapsRoundAfterTheLastHit)
{
    AAX_CChunkDataParser parser;
    parser.AddDouble ("a", 1.0);
    parser.AddDouble ("b", 2.0);
    parser.AddDouble ("a", 3.0);
    EXPECT_EQ (parser.FindName (AAX_CString ("a")), 0);
    EXPECT_EQ (parser.FindName (AAX_CString ("a")), 2);
    EXPECT_EQ (parser.FindName (AAX_CString ("a")), 0); // after a hit on the last value
    EXPECT_EQ (parser.FindName (AAX_CString ("zz")), -1);
    EXPECT_EQ (parser.FindName (AAX_CString ("b")), 1);
    EXPECT_EQ (parser.FindName (AAX_CString ("b")), 1); // found again before the last hit
}

TEST (AaxChunkDataParser, AnEntryOfNoTypeIsNeitherCountedNorWritten)
{
    // An unknown tag, then a 16-bit value: written as they came in, they would
    // run 2 bytes past the 24 the size promises.
    const Bytes data = marker + Bytes { 'q', '_', 'a', 'b', 0, 0, 0, 0 } + Bytes { 's', '_', 'c', 'd', 0, 0, 0, 0, 0x12, 0x34, 0, 0 };
    auto parser = loaded (data, static_cast<std::int32_t> (data.size()));
    ASSERT_EQ (parser.NumValues(), 2);
    EXPECT_EQ (parser.GetValue (0).mDataType, AAX_CChunkDataParser::kNone);
    EXPECT_EQ (parser.GetChunkDataSize(), 16);

    Chunk chunk (32);
    std::memset (chunk.get()->fData, 0xEE, 32);
    ASSERT_EQ (parser.GetChunkData (chunk.get()), AAX_SUCCESS);
    EXPECT_EQ (chunk.data (16), (marker + Bytes { 's', '_', 'c', 'd', 0, 0, 0, 0, 0x12, 0x34, 0, 0 }));
    EXPECT_EQ (chunk.data (17).back(), 0xEE); // nothing past the size
}

TEST (AaxChunkDataParser, AnOverflowStopsTheWriterWithATrace)
{
    aaxhost::Host host;
    host.hostServicesVersions = 1;
    AAX_CHostServices::Set (&host);

    AAX_CChunkDataParser parser;
    parser.AddDouble ("0", 0.5);
    parser.AddDouble ("1", 0.25);
    Chunk chunk (28);
    chunk.get()->fSize = 99;
    EXPECT_EQ (parser.GetChunkData (chunk.get(), 20), AAX_ERROR_CHUNK_WRITE);
    EXPECT_EQ (chunk.get()->fSize, 99); // left as it was
    EXPECT_EQ (chunk.data (16), (marker + Bytes { 0x64, 0x5F, 0x30, 0x00, 0x3F, 0xE0, 0, 0, 0, 0, 0, 0 }));

    ASSERT_EQ (host.hostServices.size(), 1u);
    ASSERT_EQ (host.hostServices[0]->traces.size(), 1u);
    EXPECT_EQ (host.hostServices[0]->traces[0],
               "AAX_CChunkDataParser::GetChunkData ERROR: aborting: chunk data will overflow buffer");
    EXPECT_EQ (host.hostServices[0]->log.last(), "Trace " + std::to_string (0x8000000));
    AAX_CHostServices::Set (nullptr);

    EXPECT_EQ (parser.GetChunkData (nullptr), AAX_ERROR_CHUNK_WRITE);
}

// Hostile chunks: each reading stops at the broken entry and keeps the whole
// ones before it; nothing is read outside the data.
TEST (AaxChunkDataParser, ReadsNothingOutsideTheData)
{
    const Bytes whole = marker + Bytes { 'd', '_', '0', 0, 0x3F, 0xE0, 0, 0, 0, 0, 0, 0 };
    struct Case
    {
        const char* what;
        Bytes data;
        std::int32_t size;
        int valuesKept;
    };
    const Case cases[] = {
        { "no marker", Bytes { 1, 1, 1, 2, 'd', '_', '0', 0 }, 8, 0 },
        { "size field below the marker", whole, 4, 0 },
        { "negative size", whole, -16, 0 },
        { "number cut off by the size", whole, 10, 0 },
        { "name without its NUL in the data", whole + Bytes { 'd', '_', '1' }, 19, 1 },
        { "name of 300 bytes", whole + Bytes { 'l', '_' } + Bytes (298, 'n') + Bytes { 0, 0, 0, 0, 0, 0, 0, 0 }, 320, 1 },
        { "text without its NUL", whole + Bytes { 'r', '_', 'x', 0, 'a', 'b', 'c', 'd' }, 24, 1 },
        { "16-bit value past the end", whole + Bytes { 's', '_', 's', 0, 1 }, 17, 1 },
    };
    for (const auto& c : cases)
    {
        auto parser = loaded (c.data, c.size);
        EXPECT_EQ (parser.NumValues(), c.valuesKept) << c.what;
        double d = 0.0;
        EXPECT_EQ (parser.FindDouble ("0", &d), c.valuesKept > 0) << c.what;
    }

    // A field of one character has a type but no name.
    auto parser = loaded (marker + Bytes { 'l', 0, 0, 0, 0, 0, 0, 5 }, 12);
    ASSERT_EQ (parser.NumValues(), 1);
    EXPECT_STREQ (parser.GetValue (0).mDataName.Get(), "");
    EXPECT_EQ (parser.GetValue (0).mIntValue, 5);

    // A double's bits may be NaN; the parser passes them on unchanged.
    AAX_CChunkDataParser nan;
    nan.AddDouble ("0", std::numeric_limits<double>::quiet_NaN());
    auto back = loaded (written (nan), nan.GetChunkDataSize());
    double d = 0.0;
    EXPECT_TRUE (back.FindDouble ("0", &d));
    EXPECT_TRUE (std::isnan (d));
}
