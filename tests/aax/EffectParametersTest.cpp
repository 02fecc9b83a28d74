// The effect parameters base on our host objects: the plug-in's parameter
// set, its chunk, packets and the host's calls with bad arguments.
#include "AAX_CEffectParameters.h"
#include "AAX_CPacketHandler.h"
#include "AAX_Errors.h"
#include "HostObjects.h"
#include "LibraryFixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <thread>

namespace
{
using Calls = std::vector<std::string>;
constexpr AAX_CTypeID elck = 0x656C636B;

// The base with parameters and packets added the way the plug-in adds them.
class Effect : public AAX_CEffectParameters
{
public:
    std::function<void (Effect&)> init;
    AAX_CParameterManager& manager() { return mParameterManager; }
    AAX_CPacketDispatcher& dispatcher() { return mPacketDispatcher; }
    void setChanges (std::int32_t count) { mNumPlugInChanges = count; }
    // Values the chunk parser holds from the last chunk set or compared.
    std::int32_t keptValues() const { return mChunkParser.NumValues(); }

    // The plug-in's set: floats "0" to "10", then the master bypass on port 3.
    void addPluginParameters()
    {
        for (int i = 0; i < 11; ++i)
            mParameterManager.AddParameter (aaxlib::floatParameter (std::to_string (i).c_str(), 0.5f).release());
        mParameterManager.AddParameter (aaxlib::bypassParameter().release());
        const AAX_CPacketHandler<AAX_CPacketDispatcher> handler (&mPacketDispatcher,
                                                                 &AAX_CPacketDispatcher::GenerateSingleValuePacket);
        mPacketDispatcher.RegisterPacket (cDefaultMasterBypassID, 3, &handler);
    }

protected:
    AAX_Result EffectInit() override
    {
        if (init)
            init (*this);
        return 0;
    }
};

std::vector<char> chunkOf (const Effect& effect)
{
    std::uint32_t size = 0;
    EXPECT_EQ (effect.GetChunkSize (elck, &size), AAX_SUCCESS);
    std::vector<char> bytes (AAX_PLUGIN_CHUNK_HEADER_SIZE + size, 0);
    reinterpret_cast<AAX_SPlugInChunk*> (bytes.data())->fChunkID = elck;
    EXPECT_EQ (effect.GetChunk (elck, reinterpret_cast<AAX_SPlugInChunk*> (bytes.data())), AAX_SUCCESS);
    return bytes;
}

const AAX_SPlugInChunk* header (const std::vector<char>& bytes)
{
    return reinterpret_cast<const AAX_SPlugInChunk*> (bytes.data());
}

// The plug-in's chunk with every value 0.5 but parameter "6", which is `six`.
std::vector<char> chunkWithSix (double six)
{
    AAX_CChunkDataParser parser;
    for (int i = 0; i < 11; ++i)
        parser.AddDouble (std::to_string (i).c_str(), i == 6 ? six : 0.5);
    std::vector<char> bytes (AAX_PLUGIN_CHUNK_HEADER_SIZE + static_cast<std::size_t> (parser.GetChunkDataSize()), 0);
    auto* chunk = reinterpret_cast<AAX_SPlugInChunk*> (bytes.data());
    chunk->fChunkID = elck;
    EXPECT_EQ (parser.GetChunkData (chunk), AAX_SUCCESS);
    return bytes;
}

// A handler that answers with a fixed result.
class FixedHandler : public AAX_IPacketHandler
{
public:
    explicit FixedHandler (AAX_Result r) : result (r) {}
    AAX_IPacketHandler* Clone() const override { return new FixedHandler (*this); }
    AAX_Result Call (AAX_CParamID, AAX_CPacket& packet) const override
    {
        packet.SetSize (4);
        return result;
    }
    AAX_Result result;
};
} // namespace

TEST (AaxEffectParameters, ThePluginsParameterChunk)
{
    aaxhost::Host host;
    Effect effect;
    effect.init = [] (Effect& e) { e.addPluginParameters(); };
    ASSERT_EQ (effect.Initialize (&host), AAX_SUCCESS);
    std::uint32_t size = 0;
    AAX_SPlugInChunk small {};
    EXPECT_EQ (effect.GetChunk (elck, &small), AAX_ERROR_INCORRECT_CHUNK_SIZE); // size never asked
    EXPECT_EQ (effect.GetChunkSize (0x41424344, &size), AAX_ERROR_INVALID_CHUNK_ID);
    AAX_CTypeID id = 1;
    EXPECT_EQ (effect.GetChunkIDFromIndex (1, &id), AAX_ERROR_INVALID_CHUNK_INDEX);
    EXPECT_EQ (id, 0u);
    EXPECT_EQ (effect.GetChunkIDFromIndex (0, &id), AAX_SUCCESS);
    EXPECT_EQ (id, elck);

    const auto bytes = chunkOf (effect);
    const auto* chunk = header (bytes);
    EXPECT_EQ (chunk->fSize, 140); // eleven "d_" values, no master bypass
    EXPECT_EQ (chunk->fVersion, -1);
    char name[32] = "Complete Controls State";
    EXPECT_EQ (std::memcmp (chunk->fName, name, sizeof (name)), 0);
    EXPECT_EQ (std::string (chunk->fData + 4, 3), std::string ("d_0", 3));
    EXPECT_EQ (std::string (chunk->fData + 124, 4), "d_10");

    // Into a second effect, which then compares equal; one value apart, not.
    Effect second;
    second.init = effect.init;
    ASSERT_EQ (second.Initialize (&host), AAX_SUCCESS);
    second.UpdateParameterNormalizedValue ("6", 0.9, AAX_eUpdateSource_Parameter);
    AAX_CBoolean equal = 7;
    EXPECT_EQ (second.CompareActiveChunk (chunk, &equal), AAX_SUCCESS);
    EXPECT_EQ (equal, 0);
    EXPECT_EQ (second.SetChunk (elck, chunk), AAX_SUCCESS);
    second.UpdateParameterNormalizedValue ("6", 0.5, AAX_eUpdateSource_Chunk); // the host's answer
    EXPECT_EQ (second.manager().GetParameterByID ("6")->GetNormalizedValue(), 0.5);
    EXPECT_EQ (second.CompareActiveChunk (chunk, &equal), AAX_SUCCESS);
    EXPECT_EQ (equal, 1);
}

// A host asks whether a chunk is what the effect holds; values that differ by
// any amount, however small, are not.
TEST (AaxEffectParameters, ChunksCompareEqualOnlyWithTheSameValues)
{
    aaxhost::Host host;
    Effect effect;
    effect.init = [] (Effect& e) { e.addPluginParameters(); }; // every value 0.5
    ASSERT_EQ (effect.Initialize (&host), AAX_SUCCESS);
    AAX_CBoolean equal = 7;
    EXPECT_EQ (effect.CompareActiveChunk (header (chunkWithSix (0.5)), &equal), AAX_SUCCESS);
    EXPECT_EQ (equal, 1);
    for (const double six : { 0.5004, 0.4996, double (std::nextafter (0.5f, 1.0f)), double (std::nextafter (0.5f, 0.0f)) })
    {
        equal = 7;
        EXPECT_EQ (effect.CompareActiveChunk (header (chunkWithSix (six)), &equal), AAX_SUCCESS);
        EXPECT_EQ (equal, 0) << six;
    }

    // The effect's own value moved by the smallest step, and back.
    effect.UpdateParameterNormalizedValue ("6", std::nextafter (0.5f, 1.0f), AAX_eUpdateSource_Parameter);
    EXPECT_EQ (effect.CompareActiveChunk (header (chunkWithSix (0.5)), &equal), AAX_SUCCESS);
    EXPECT_EQ (equal, 0);
    EXPECT_EQ (effect.CompareActiveChunk (header (chunkOf (effect)), &equal), AAX_SUCCESS);
    EXPECT_EQ (equal, 1);
    effect.UpdateParameterNormalizedValue ("6", 0.5, AAX_eUpdateSource_Parameter);
    EXPECT_EQ (effect.CompareActiveChunk (header (chunkWithSix (0.5)), &equal), AAX_SUCCESS);
    EXPECT_EQ (equal, 1);
}

// A chunk of fields no parameter reads and of one value again and again: the
// effect keeps the first value of each parameter and nothing else, setting
// the chunk and comparing it alike.
TEST (AaxEffectParameters, AFloodOfFieldsKeepsOnlyWhatParametersRead)
{
    aaxhost::Host host;
    Effect effect;
    effect.init = [] (Effect& e) { e.addPluginParameters(); };
    ASSERT_EQ (effect.Initialize (&host), AAX_SUCCESS);
    const std::size_t size = 1 << 20;
    std::vector<char> flood (AAX_PLUGIN_CHUNK_HEADER_SIZE + size, 0);
    auto* chunk = reinterpret_cast<AAX_SPlugInChunk*> (flood.data());
    chunk->fSize = static_cast<std::int32_t> (size);
    chunk->fChunkID = elck;
    std::memset (chunk->fData, 1, 4);
    for (std::size_t at = 4; at + 16 <= size; at += 16)
        std::memcpy (chunk->fData + at, at == 4 ? "q_\0\0d_0\0\x3f\xd0\0\0\0\0\0" : "q_\0\0d_0\0\x3f\xe0\0\0\0\0\0", 16);

    EXPECT_EQ (effect.SetChunk (elck, chunk), AAX_SUCCESS);
    EXPECT_EQ (effect.keptValues(), 1);
    // The first value, asked of the host.
    EXPECT_EQ (host.automation.takeRequests(), (std::vector<std::pair<std::string, double>> { { "0", 0.25 } }));
    AAX_CBoolean equal = 7;
    EXPECT_EQ (effect.CompareActiveChunk (chunk, &equal), AAX_SUCCESS);
    EXPECT_EQ (equal, 0); // the others' values are missing
    EXPECT_EQ (effect.keptValues(), 1);
}

TEST (AaxEffectParameters, HostileChunksChangeNothingTheyDoNotHoldWhole)
{
    Effect source;
    source.addPluginParameters();
    for (int i = 0; i < 11; ++i)
        source.manager().GetParameter (i)->SetNormalizedValue (0.125);
    const auto whole = chunkOf (source);

    // After four whole values: a fifth cut short by the size, or a name
    // that never ends.
    auto cut = whole;
    reinterpret_cast<AAX_SPlugInChunk*> (cut.data())->fSize = 4 + 4 * 12 + 5;
    auto unterminated = whole;
    for (auto i = AAX_PLUGIN_CHUNK_HEADER_SIZE + 52; i < unterminated.size(); ++i)
        unterminated[i] = 'x';
    Effect target;
    target.addPluginParameters();
    for (const auto* chunk : { header (cut), header (unterminated) })
    {
        EXPECT_EQ (target.SetChunk (elck, chunk), AAX_SUCCESS);
        EXPECT_EQ (target.manager().GetParameter (3)->GetNormalizedValue(), 0.125);
        EXPECT_EQ (target.manager().GetParameter (4)->GetNormalizedValue(), 0.5);
    }

    // A NaN value lands as the taper's minimum, never as NaN.
    AAX_CChunkDataParser nan;
    nan.AddDouble ("2", std::numeric_limits<double>::quiet_NaN());
    std::vector<char> bytes (AAX_PLUGIN_CHUNK_HEADER_SIZE + 16, 0);
    ASSERT_EQ (nan.GetChunkData (reinterpret_cast<AAX_SPlugInChunk*> (bytes.data())), AAX_SUCCESS);
    EXPECT_EQ (target.SetChunk (elck, header (bytes)), AAX_SUCCESS);
    EXPECT_EQ (target.manager().GetParameter (2)->GetNormalizedValue(), 0.0);

    EXPECT_EQ (target.SetChunk (elck, nullptr), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (target.SetChunk (0x41424344, header (whole)), AAX_ERROR_INVALID_CHUNK_ID);
}

TEST (AaxEffectParameters, NullOutputsFromAHostWriteNothing)
{
    Effect effect;
    effect.addPluginParameters();
    const AAX_CString text ("0.5");
    double d = 0.0;
    EXPECT_EQ (effect.GetMasterBypassParameter (nullptr), AAX_ERROR_INVALID_STRING_CONVERSION);
    EXPECT_EQ (effect.GetParameterName ("0", nullptr), AAX_ERROR_INVALID_STRING_CONVERSION);
    EXPECT_EQ (effect.GetParameterNameOfLength ("0", nullptr, 4), AAX_ERROR_INVALID_STRING_CONVERSION);
    EXPECT_EQ (effect.GetParameterIDFromIndex (0, nullptr), AAX_ERROR_INVALID_STRING_CONVERSION);
    EXPECT_EQ (effect.GetParameterValueString ("0", nullptr, 8), AAX_ERROR_INVALID_STRING_CONVERSION);
    EXPECT_EQ (effect.GetParameterStringFromValue ("0", 0.5, nullptr, 8), AAX_ERROR_INVALID_STRING_CONVERSION);
    EXPECT_EQ (effect.GetNumberOfParameters (nullptr), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (effect.GetParameterNormalizedValue ("0", nullptr), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (effect.GetParameterValueFromString ("0", nullptr, text), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (effect.GetParameter ("0", nullptr), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (effect.GetChunkSize (elck, nullptr), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (effect.GetChunk (elck, nullptr), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (effect.CompareActiveChunk (nullptr, nullptr), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (effect.GetParameterValueFromString ("0", &d, text), AAX_SUCCESS);
    EXPECT_EQ (d, 0.5);
    EXPECT_EQ (effect.GetParameterNormalizedValue ("nope", &d), AAX_ERROR_INVALID_PARAMETER_ID);

    // A preview notification too short to hold its word is ignored.
    effect.manager().AddParameter (std::make_unique<AAX_CParameter<bool>> (
                                       "PreviewID", AAX_CString ("Preview"), false, AAX_CBinaryTaperDelegate<bool>(),
                                       AAX_CBinaryDisplayDelegate<bool> ("off", "on"), false)
                                       .release());
    const std::int32_t on = 1;
    bool preview = true;
    EXPECT_EQ (effect.NotificationReceived (0x41535076, nullptr, 4), AAX_SUCCESS);
    EXPECT_EQ (effect.NotificationReceived (0x41535076, &on, 2), AAX_SUCCESS);
    effect.manager().GetParameterByID ("PreviewID")->GetValueAsBool (&preview);
    EXPECT_FALSE (preview);
    EXPECT_EQ (effect.NotificationReceived (0x41535076, &on, 4), AAX_SUCCESS);
    effect.manager().GetParameterByID ("PreviewID")->GetValueAsBool (&preview);
    EXPECT_TRUE (preview);
}

TEST (AaxEffectParameters, NamesOfALength)
{
    Effect effect;
    effect.manager().AddParameter (aaxlib::floatParameter ("b", 0.0f, "Master Bypass\nMstByp").release());
    AAX_CString out;
    for (auto [length, expected] : { std::pair { 8, "MstByp" }, { 3, "Mas" }, { 20, "Master Bypass" }, { 0, "" } })
    {
        EXPECT_EQ (effect.GetParameterNameOfLength ("b", &out, length), AAX_SUCCESS);
        EXPECT_STREQ (out.Get(), expected) << length;
    }
}

// Through the host's controller and automation: values confirmed by the host
// regenerate their packets; a dirty packet goes out once per Dispatch.
TEST (AaxEffectParameters, ConfirmedValuesAndTheirPackets)
{
    aaxhost::Host host;
    auto effect = std::make_unique<Effect>();
    effect->init = [] (Effect& e) { e.addPluginParameters(); };
    ASSERT_EQ (effect->Initialize (&host), AAX_SUCCESS);
    ASSERT_EQ (effect->Initialize (&host), AAX_SUCCESS); // starts over
    std::int32_t count = 0;
    effect->GetNumberOfParameters (&count);
    EXPECT_EQ (count, 12);
    const auto& posted = host.controller.packets;

    EXPECT_EQ (effect->GenerateCoefficients(), AAX_SUCCESS); // a new packet goes out at once
    ASSERT_EQ (posted.size(), 1u);
    EXPECT_EQ (posted[0], (std::vector<unsigned char> (4, 0)));
    EXPECT_EQ (effect->GenerateCoefficients(), AAX_SUCCESS);
    EXPECT_EQ (posted.size(), 1u);

    std::int32_t changes = -1;
    EXPECT_EQ (effect->UpdateParameterNormalizedValue (cDefaultMasterBypassID, 0.0, AAX_eUpdateSource_Parameter), 0);
    effect->GetNumberOfChanges (&changes);
    EXPECT_EQ (changes, 0); // unchanged: dirty, but not counted
    EXPECT_EQ (effect->GenerateCoefficients(), AAX_SUCCESS);
    EXPECT_EQ (posted.size(), 2u);
    EXPECT_EQ (effect->UpdateParameterNormalizedValue (cDefaultMasterBypassID, 1.0, AAX_eUpdateSource_Parameter), 0);
    effect->GetNumberOfChanges (&changes);
    EXPECT_EQ (changes, 1);
    effect->setChanges (std::numeric_limits<std::int32_t>::max()); // the count wraps round to 0
    effect->UpdateParameterNormalizedValue ("0", 0.75, AAX_eUpdateSource_Parameter);
    effect->GetNumberOfChanges (&changes);
    EXPECT_EQ (changes, 0);
    EXPECT_EQ (effect->GenerateCoefficients(), AAX_SUCCESS);
    ASSERT_EQ (posted.size(), 3u);
    const std::int32_t one = 1;
    EXPECT_EQ (std::memcmp (posted[2].data(), &one, 4), 0);
    EXPECT_EQ (host.controller.packetPorts[2], 3);

    // Two IDs reaching one packet, and a second packet: each posted once.
    const FixedHandler fine (AAX_SUCCESS), failing (AAX_ERROR_NULL_OBJECT);
    auto& dispatcher = effect->dispatcher();
    EXPECT_EQ (dispatcher.RegisterPacket ("0", 3, &fine), AAX_SUCCESS);
    EXPECT_EQ (dispatcher.RegisterPacket ("-1", -1, &fine), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (dispatcher.RegisterPacket (nullptr, 5, &fine), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (dispatcher.RegisterPacket ("0", 5, nullptr), AAX_ERROR_NULL_OBJECT);
    dispatcher.SetDirty ("0");
    dispatcher.SetDirty (cDefaultMasterBypassID);
    EXPECT_EQ (effect->GenerateCoefficients(), AAX_SUCCESS);
    EXPECT_EQ (posted.size(), 4u);

    // An earlier failure is not hidden by a later success; all are cleared.
    EXPECT_EQ (dispatcher.RegisterPacket ("1", 6, &failing), AAX_SUCCESS);
    EXPECT_EQ (dispatcher.RegisterPacket ("2", 7, &fine), AAX_SUCCESS);
    EXPECT_EQ (effect->GenerateCoefficients(), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (posted.size(), 5u);
    EXPECT_EQ (effect->GenerateCoefficients(), AAX_SUCCESS);

    // No Uninitialize: the destructor still unregisters every parameter
    // before it lets go of the host.
    host.automation.log.calls.clear();
    effect.reset();
    EXPECT_EQ (host.automation.log.calls.size(), 12u);
    EXPECT_EQ (host.automation.log.last(), "unregister MasterBypassID");
    EXPECT_EQ (host.referencesHeld(), 0);
}

TEST (AaxEffectParameters, DispatchAndValueUpdatesOnTwoThreads)
{
    aaxhost::Host host;
    Effect effect;
    effect.init = [] (Effect& e) { e.addPluginParameters(); };
    ASSERT_EQ (effect.Initialize (&host), AAX_SUCCESS);
    std::thread updates ([&] {
        for (int i = 0; i < 2000; ++i)
            effect.UpdateParameterNormalizedValue (cDefaultMasterBypassID, i % 2, AAX_eUpdateSource_Parameter);
    });
    for (int i = 0; i < 2000; ++i)
        EXPECT_EQ (effect.GenerateCoefficients(), AAX_SUCCESS);
    updates.join();
    effect.GenerateCoefficients();
    for (const auto& packet : host.controller.packets)
        EXPECT_EQ (packet.size(), 4u);
    EXPECT_EQ (effect.Uninitialize(), AAX_SUCCESS);
}
