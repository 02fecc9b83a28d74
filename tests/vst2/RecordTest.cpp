// The record as the host reads it, and speaker arrangements.
#include "ProbeEffect.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{
template <typename T>
T at (const AEffect* record, std::size_t offset)
{
    T value;
    std::memcpy (&value, reinterpret_cast<const char*> (record) + offset, sizeof (T));
    return value;
}
} // namespace

TEST (Record, ConstructorFillsTheRecordAHostReads)
{
    ProbeEffect effect;
    const auto* record = effect.getAeffect();
    EXPECT_EQ (at<std::int32_t> (record, 0), 0x56737450);
    EXPECT_EQ (at<void*> (record, 8), reinterpret_cast<void*> (&AudioEffect::dispatchEffectClass));
    EXPECT_EQ (at<void*> (record, 16), reinterpret_cast<void*> (&AudioEffect::__processClassDeprecated));
    EXPECT_EQ (at<void*> (record, 24), reinterpret_cast<void*> (&AudioEffect::setParameterClass));
    EXPECT_EQ (at<void*> (record, 32), reinterpret_cast<void*> (&AudioEffect::getParameterClass));
    EXPECT_EQ (at<std::int32_t> (record, 40), ProbeEffect::programs);
    EXPECT_EQ (at<std::int32_t> (record, 44), ProbeEffect::parameters);
    EXPECT_EQ (at<std::int32_t> (record, 48), 1);
    EXPECT_EQ (at<std::int32_t> (record, 52), 2);
    EXPECT_EQ (at<std::int32_t> (record, 56), 16);
    EXPECT_EQ (at<float> (record, 92), 1.0f);
    EXPECT_EQ (at<void*> (record, 96), static_cast<AudioEffect*> (&effect));
    EXPECT_EQ (at<std::int32_t> (record, 112), 0x4E6F4566);
    EXPECT_EQ (at<std::int32_t> (record, 116), 1);
    EXPECT_EQ (at<void*> (record, 120), reinterpret_cast<void*> (&AudioEffect::processClassReplacing));
    EXPECT_EQ (at<void*> (record, 128), reinterpret_cast<void*> (&AudioEffect::processClassDoubleReplacing));
    for (std::size_t offset : { 4, 60, 64, 72, 80, 84, 88, 104 })
        EXPECT_EQ (at<std::int32_t> (record, offset), 0) << offset;
    const char zeros[56] = {};
    EXPECT_EQ (std::memcmp (reinterpret_cast<const char*> (record) + 136, zeros, sizeof (zeros)), 0);
}

TEST (SpeakerArrangement, MatchCopiesEverySpeakerAndCutsLongNames)
{
    ProbeEffect effect;
    VstSpeakerArrangement *from = nullptr, *to = nullptr;
    ASSERT_TRUE (effect.allocateArrangement (&from, 2) && effect.allocateArrangement (&to, 5));
    from->type = 1;
    for (std::size_t channel = 0; channel < 2; ++channel)
    {
        auto* speaker = vstSpeaker (from, channel);
        speaker->azimuth = 0.5f + static_cast<float> (channel);
        speaker->radius = 2.0f;
        speaker->type = static_cast<int> (channel) + 1;
        std::memset (speaker->name, 'a' + static_cast<int> (channel), sizeof (speaker->name));
        speaker->future[27] = 9;
    }

    ASSERT_TRUE (effect.matchArrangement (&to, from));
    EXPECT_EQ (to->type, 1);
    EXPECT_EQ (to->numChannels, 2);
    for (std::size_t channel = 0; channel < 2; ++channel)
    {
        const auto* speaker = vstSpeaker (to, channel);
        EXPECT_EQ (speaker->azimuth, 0.5f + static_cast<float> (channel));
        EXPECT_EQ (speaker->radius, 2.0f);
        EXPECT_EQ (speaker->type, static_cast<int> (channel) + 1);
        EXPECT_EQ (std::string (speaker->name), std::string (63, static_cast<char> ('a' + channel)));
        EXPECT_EQ (speaker->future[27], 9);
    }

    // Matching a block with itself must not free it first.
    ASSERT_TRUE (effect.matchArrangement (&to, to));
    EXPECT_EQ (to->numChannels, 2);
    EXPECT_TRUE (effect.deallocateArrangement (&to) && effect.deallocateArrangement (&from));
    EXPECT_EQ (to, nullptr);
}

TEST (SpeakerArrangement, BadCountsAndNullArgumentsAnswerFalse)
{
    ProbeEffect effect;
    VstSpeakerArrangement* block = nullptr;
    ASSERT_TRUE (effect.allocateArrangement (&block, 0));
    auto* kept = block;
    EXPECT_FALSE (effect.allocateArrangement (&block, -1) || effect.allocateArrangement (nullptr, 2));
    EXPECT_EQ (block, kept);

    VstSpeakerArrangement negative {};
    negative.numChannels = -3;
    EXPECT_FALSE (effect.matchArrangement (&block, &negative) || effect.matchArrangement (&block, nullptr)
                  || effect.matchArrangement (nullptr, &negative) || effect.copySpeaker (nullptr, &negative.speakers[0]));
    effect.deallocateArrangement (&block);

    VstSpeakerArrangement* input = &negative;
    VstSpeakerArrangement* output = &negative;
    EXPECT_FALSE (effect.AudioEffectX::getSpeakerArrangement (&input, &output));
    EXPECT_TRUE (input == nullptr && output == nullptr);
}
