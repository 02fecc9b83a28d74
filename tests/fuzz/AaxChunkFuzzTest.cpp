// Seeded mutations of a valid parameter chunk, through the chunk parser and
// an effect's SetChunk and CompareActiveChunk. Every case must end, read
// nothing outside the data the size gives, keep the whole entries before the
// first changed byte, and leave every parameter finite within 0..1, changed
// only where the chunk names it. PANDREL_FUZZ_SEED picks another seed.
#include "AAX_CChunkDataParser.h"
#include "AAX_CEffectParameters.h"
#include "AAX_Errors.h"
#include "FuzzKit.h"
#include "LibraryFixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

using namespace fuzz;

namespace
{
constexpr AAX_CTypeID elck = 0x656C636B;
constexpr int numFloats = 11;

// The plug-in's parameter set: floats "0" to "10", then the master bypass.
class Effect : public AAX_CEffectParameters
{
public:
    Effect()
    {
        for (int i = 0; i < numFloats; ++i)
            mParameterManager.AddParameter (aaxlib::floatParameter (std::to_string (i).c_str(), 0.5f).release());
        mParameterManager.AddParameter (aaxlib::bypassParameter().release());
    }
    double value (int i) { return mParameterManager.GetParameter (i)->GetNormalizedValue(); }
    void set (int i, double v) { mParameterManager.GetParameter (i)->SetNormalizedValue (v); }
};

// A host's chunk record: header, then exactly the data the size gives (the
// filler where the size claims more than there is), so that the sanitizer
// sees any read past it.
struct Record
{
    Record (const std::string& data, std::int32_t size, std::int32_t version, char filler)
        : bytes (AAX_PLUGIN_CHUNK_HEADER_SIZE + static_cast<std::size_t> (std::max (size, 0)), filler)
    {
        std::copy_n (data.begin(), std::min (data.size(), bytes.size() - AAX_PLUGIN_CHUNK_HEADER_SIZE),
                     bytes.begin() + AAX_PLUGIN_CHUNK_HEADER_SIZE);
        get()->fChunkID = elck;
        get()->fSize = size;
        get()->fVersion = version;
    }
    AAX_SPlugInChunk* get() { return reinterpret_cast<AAX_SPlugInChunk*> (bytes.data()); }

    std::vector<char> bytes;
};

std::string dataOf (const Effect& effect)
{
    std::uint32_t size = 0;
    effect.GetChunkSize (elck, &size);
    Record record ({}, static_cast<std::int32_t> (size), 0, 0);
    effect.GetChunk (elck, record.get());
    return std::string (record.bytes.data() + AAX_PLUGIN_CHUNK_HEADER_SIZE, size);
}

// Byte mutations that know the layout: lying sizes, broken names and values.
std::string mutateChunk (std::string data, std::int32_t& size, Mutator& m, std::string& applied)
{
    static const double values[] { std::numeric_limits<double>::quiet_NaN(), -std::numeric_limits<double>::quiet_NaN(),
                                   std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                                   1e300, -1e300, 4e38, std::numeric_limits<double>::denorm_min(), -0.0, 2.0, -1.0 };
    static const std::int32_t sizes[] { 0, 1, 4, 5, -1, -4, std::numeric_limits<std::int32_t>::min(), 1 << 16 };
    static const char types[] { 'f', 'l', 'd', 's', 'r', 'q', '\0', '\x80', 'D' };
    for (size_t k = 0, n = 1 + m.below (3); k < n; ++k)
    {
        const auto at = m.below (data.size());
        switch (m.below (7))
        {
            case 0: size = m.pick (sizes); break;
            case 1: size = static_cast<std::int32_t> (data.size()) + static_cast<std::int32_t> (m.below (64)) - 32; break;
            case 2: // a name that does not end where it should
                for (auto i = at; i < std::min (data.size(), at + 1 + m.below (300)); ++i)
                    if (data[i] == 0)
                        data[i] = 'x';
                break;
            case 3: // a value's eight bytes
            {
                std::uint64_t bits = 0;
                std::memcpy (&bits, &m.pick (values), 8);
                std::string bigEndian;
                for (int b = 7; b >= 0; --b)
                    bigEndian += static_cast<char> ((bits >> (8 * b)) & 0xff);
                data.replace (std::min (at, data.size()), 8, bigEndian);
                break;
            }
            case 4:
                if (! data.empty())
                    data[at] = m.pick (types);
                break;
            case 5: // a string or very long name
                data.insert (at, "r_" + std::string (m.below (2) == 0 ? 3 : 400, 'n') + std::string (1 + m.below (3), '\0') + "text");
                break;
            default:
            {
                std::string more;
                data = m.mutate (data, more);
                applied += more;
                break;
            }
        }
        applied += "@" + std::to_string (at) + " ";
    }
    if (size > static_cast<std::int32_t> (data.size()) + 256 && size != (1 << 16))
        size = static_cast<std::int32_t> (data.size());
    applied += "size " + std::to_string (size) + " ";
    return data;
}

// Where each entry of a valid chunk ends: tag and name up to their NUL,
// padded to four bytes, then a value of four or eight bytes.
std::vector<std::int64_t> entryEnds (const std::string& data)
{
    std::vector<std::int64_t> ends;
    for (std::size_t at = 4; at < data.size();)
    {
        const auto nul = data.find ('\0', at);
        const auto valueSize = data[at] == 'd' ? 8u : 4u;
        at = (nul + 4) / 4 * 4 + valueSize;
        ends.push_back (static_cast<std::int64_t> (at));
    }
    return ends;
}
} // namespace

class AaxChunkFuzz : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (int i = 0; i < numFloats; ++i)
        {
            source.set (i, (i + 1) / 16.0);
            names.insert (std::to_string (i));
        }
        original = dataOf (source);
        ends = entryEnds (original);
        ASSERT_EQ (ends.back(), static_cast<std::int64_t> (original.size()));
        reference.LoadChunk (Record (original, static_cast<std::int32_t> (original.size()), 0, 0).get());
        ASSERT_EQ (reference.NumValues(), static_cast<int> (ends.size()));
    }

    void runCase (const std::string& data, std::int32_t size, char filler, const std::string& where)
    {
        Record record (data, size, static_cast<std::int32_t> (data.size()), filler);
        AAX_CChunkDataParser parser;
        watchdog.arm (where);
        parser.LoadChunk (record.get());
        watchdog.disarm();

        // The whole entries before the first changed byte are kept as written.
        std::int64_t same = 0;
        while (same < static_cast<std::int64_t> (std::min (data.size(), original.size())) && data[static_cast<size_t> (same)] == original[static_cast<size_t> (same)])
            ++same;
        const auto bound = std::min<std::int64_t> (same, size);
        const auto kept = bound < 4 ? 0 : static_cast<int> (std::upper_bound (ends.begin(), ends.end(), bound) - ends.begin());
        ASSERT_GE (parser.NumValues(), kept) << where;
        if (data == original && size <= static_cast<std::int32_t> (data.size()))
        {
            ASSERT_EQ (parser.NumValues(), kept) << where; // nothing past the size
        }
        for (int i = 0; i < kept; ++i)
        {
            ASSERT_STREQ (parser.GetValue (i).mDataName.Get(), reference.GetValue (i).mDataName.Get()) << where;
            ASSERT_EQ (parser.GetValue (i).mIntValue, reference.GetValue (i).mIntValue) << where;
        }

        // What it read writes back within the size it reports, and reads alike.
        Record back ({}, parser.GetChunkDataSize(), 0, 0);
        ASSERT_EQ (parser.GetChunkData (back.get()), AAX_SUCCESS) << where;
        AAX_CChunkDataParser again;
        again.LoadChunk (back.get());
        ASSERT_LE (again.NumValues(), parser.NumValues()) << where; // untyped entries are not written

        Effect target;
        std::vector<double> before;
        for (int i = 0; i <= numFloats; ++i)
            before.push_back (target.value (i));
        watchdog.arm (where + " (effect)");
        target.SetChunk (elck, record.get());
        AAX_CBoolean equal = 7;
        ASSERT_EQ (target.CompareActiveChunk (record.get(), &equal), AAX_SUCCESS) << where;
        watchdog.disarm();
        ASSERT_TRUE (equal == 0 || equal == 1) << where;

        AAX_CChunkDataParser named; // what the effect reads: the first value of each name
        named.LoadChunk (record.get(), names);
        for (int i = 0; i <= numFloats; ++i)
        {
            const auto v = target.value (i);
            ASSERT_TRUE (i < numFloats ? v >= 0.0 && v <= 1.0 : v == 0.0 || v == 1.0) << i << ": " << v << " " << where; // NaN fails too
            double d = 0.0;
            if (i < numFloats && ! named.FindDouble (std::to_string (i).c_str(), &d))
            {
                ASSERT_EQ (v, before[static_cast<size_t> (i)]) << "changed without a value: " << i << " " << where;
            }
        }
    }

    Effect source;
    std::string original;
    std::vector<std::int64_t> ends;
    AAX_CChunkDataParser reference;
    AAX_CChunkDataParser::Names names;
    Watchdog watchdog;
    const std::uint32_t seed = baseSeed();
};

TEST_F (AaxChunkFuzz, EverySizeOfTheValidChunk)
{
    for (std::int32_t size = -8; size <= static_cast<std::int32_t> (original.size()) + 8; ++size)
        ASSERT_NO_FATAL_FAILURE (runCase (original, size, 'x', "size " + std::to_string (size)));
    ASSERT_NO_FATAL_FAILURE (runCase (original, std::numeric_limits<std::int32_t>::min(), 'x', "size min"));
}

TEST_F (AaxChunkFuzz, MutatedChunks)
{
    for (std::uint32_t index = 0; index < 20000 && ! HasFatalFailure(); ++index)
    {
        Mutator m (seed, 10, index);
        std::string applied;
        auto size = static_cast<std::int32_t> (original.size());
        const auto data = mutateChunk (original, size, m, applied);
        const char filler = m.below (2) == 0 ? '\0' : 'x';
        runCase (data, size, filler,
                 "chunk case " + std::to_string (index) + " of PANDREL_FUZZ_SEED=" + std::to_string (seed) + ": " + applied
                     + "\n  data: " + excerpt (data));
    }
}
