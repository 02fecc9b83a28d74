// Audio through the three models, mono and stereo, 22.05 to 192 kHz.
#include "ModelFixtures.h"

#include <gtest/gtest.h>

#include <complex>
#include <cstdlib>
#include <cstring>
#include <limits>

using namespace fixtures;

namespace
{
// The LFO period in samples, measured from the output: with the wet path
// alone, a sine at fs / 32 comes out phase-shifted by its delay, so the
// phase per 32-sample frame traces the LFO. Its mean crossings, placed by
// linear interpolation, give the period.
double measuredLfoPeriod (FlangerModelBase& model, float sampleRate, double expectedPeriod, bool stereo)
{
    constexpr int frame = 32;
    const int periods = std::max (4, static_cast<int> (2.0 * sampleRate / expectedPeriod));
    const size_t frames = static_cast<size_t> ((periods + 1.5) * expectedPeriod / frame);
    auto audio = sine (stereo ? 2 : 1, static_cast<int> (frames * frame), sampleRate / frame, sampleRate, 0.1f);
    run (model, audio);
    const auto& left = audio[0];

    std::vector<double> phase;
    for (size_t f = 0; f < frames; ++f)
    {
        std::complex<double> sum;
        for (int k = 0; k < frame; ++k)
            sum += static_cast<double> (left[f * frame + static_cast<size_t> (k)]) * std::polar (1.0, -2.0 * M_PI * k / frame);
        double p = std::arg (sum);
        if (! phase.empty())
            p += 2.0 * M_PI * std::round ((phase.back() - p) / (2.0 * M_PI));
        phase.push_back (p);
    }
    const size_t skip = static_cast<size_t> (0.5 * expectedPeriod / frame); // settling
    double mean = 0.0;
    const size_t whole = static_cast<size_t> (periods * expectedPeriod / frame);
    for (size_t f = skip; f < skip + whole; ++f)
        mean += phase[f] / static_cast<double> (whole);
    std::vector<double> crossings;
    for (size_t f = skip + 1; f < frames; ++f)
        if (phase[f - 1] < mean && phase[f] >= mean)
            crossings.push_back (static_cast<double> (f - 1) + (mean - phase[f - 1]) / (phase[f] - phase[f - 1]));
    if (crossings.size() < 3)
        return 0.0;
    return (crossings.back() - crossings.front()) / static_cast<double> (crossings.size() - 1) * frame;
}
class ModelAudio : public testing::TestWithParam<int>
{
};
INSTANTIATE_TEST_SUITE_P (EachModel, ModelAudio, testing::Range (0, 3), modelName);
} // namespace

TEST_P (ModelAudio, SilenceInGivesSilenceOut)
{
    const int type = GetParam();
    for (float rate : sampleRates)
        for (bool stereo : { false, true })
        {
            auto model = prepared (type, rate);
            Channels audio (stereo ? 2 : 1, std::vector<float> (static_cast<size_t> (rate)));
            run (*model, audio);
            EXPECT_LT (peak (audio), 3e-5f) << "at " << rate; // Type 2's diode sits a hair off 0 V
            EXPECT_LT (peak (audio, audio[0].size() / 2), 1e-9f) << "at " << rate;
        }
}

TEST_P (ModelAudio, LevelScalesTheOutputExactly)
{
    const int type = GetParam();
    for (bool stereo : { false, true })
    {
        Channels out[3];
        for (int i = 0; i < 3; ++i)
        {
            auto model = prepared (type, 48000.0f, { { M::levelParameter, 0.25f * static_cast<float> (1 << i) } });
            out[i] = noise (stereo ? 2 : 1, 20000, 5, 0.5f);
            run (*model, out[i]);
        }
        for (size_t c = 0; c < out[1].size(); ++c)
            for (size_t k = 0; k < out[1][c].size(); ++k)
            {
                ASSERT_EQ (out[0][c][k], 0.5f * out[1][c][k]) << "at " << k;
                ASSERT_EQ (out[2][c][k], 2.0f * out[1][c][k]) << "at " << k;
            }
    }
}

TEST_P (ModelAudio, StereoSpreadSplitsEqualChannelsOnlyWhenOn)
{
    const int type = GetParam();
    for (float rate : { 22050.0f, 96000.0f })
        for (float spread : { 0.0f, 1.0f })
        {
            auto model = prepared (type, rate, { { M::stereoParameter, spread }, { M::depthParameter, 1.0f } });
            Channels audio (2, noise (1, static_cast<int> (rate / 2), 7, 0.5f)[0]);
            run (*model, audio);
            float difference = 0.0f;
            for (size_t k = 0; k < audio[0].size(); ++k)
                difference = std::max (difference, std::abs (audio[0][k] - audio[1][k]));
            if (spread > 0.0f)
            {
                EXPECT_GT (difference, 0.01f) << "at " << rate;
            }
            else
            {
                EXPECT_EQ (difference, 0.0f) << "at " << rate;
            }
        }
}

TEST_P (ModelAudio, LfoPeriodFollowsRateAndTempoDivision)
{
    struct Setting
    {
        std::vector<std::pair<int, float>> changes;
        float bpm;
        double hz;
    };
    const Setting settings[] = {
        { { { M::rateParameter, 0.5f } }, 120.0f, 2.0 }, // (81^0.5 - 1) / 80 x 20 Hz
        { { { M::rateParameter, 1.0f } }, 120.0f, 20.0 },
        { { { M::syncParameter, 1.0f }, { M::rateSyncParameter, 8.0f / 18.0f } }, 150.0f, 2.5 }, // 1/4 at 150 bpm
        { { { M::syncParameter, 1.0f }, { M::rateSyncParameter, 9.0f / 18.0f } }, 120.0f, 3.0 }, // 1/4T
        { { { M::syncParameter, 1.0f }, { M::rateSyncParameter, 1.0f } }, 120.0f, 24.0 },        // 1/32T
    };
    const int type = GetParam();
    for (float rate : { 22050.0f, 44100.0f, 96000.0f, 192000.0f })
        for (const auto& setting : settings)
        {
            auto changes = setting.changes;
            changes.push_back ({ M::mixParameter, 1.0f });   // wet path alone
            changes.push_back ({ feedbackOf (type), 0.0f }); // no feedback
            const bool stereo = rate == 44100.0f || rate == 192000.0f;
            auto model = prepared (type, rate, changes, setting.bpm);
            const double expected = rate / setting.hz;
            EXPECT_NEAR (measuredLfoPeriod (*model, rate, expected, stereo) / expected, 1.0, 1e-3)
                << "at " << rate << ", " << setting.hz << " Hz";
        }
}

TEST_P (ModelAudio, BypassCrossfadeEndsBitExact)
{
    const std::pair<float, int> lengths[] = { { 22050.0f, 1024 }, { 32000.0f, 1024 }, { 44100.0f, 2048 },
                                              { 96000.0f, 4096 }, { 136000.0f, 8192 }, { 192000.0f, 8192 } };
    const int type = GetParam();
    for (auto [rate, length] : lengths)
        for (bool stereo : { false, true })
        {
            auto model = prepared (type, rate);
            auto warm = noise (stereo ? 2 : 1, 4096, 8, 0.5f);
            run (*model, warm);

            model->setParameter (M::bypassParameter, 0.0f);
            model->calcParameter (M::bypassParameter);
            const auto input = noise (stereo ? 2 : 1, length + 3000, 9, 0.5f);
            auto audio = input;
            run (*model, audio, 300);
            const auto l = static_cast<size_t> (length);
            EXPECT_NE (audio[0][l - 1], input[0][l - 1]) << "at " << rate;
            for (size_t c = 0; c < input.size(); ++c)
                for (size_t k = l; k < input[c].size(); ++k)
                    ASSERT_EQ (audio[c][k], input[c][k]) << "at " << rate << ", sample " << k;

            model->setParameter (M::bypassParameter, 1.0f);
            model->calcParameter (M::bypassParameter);
            audio = input;
            run (*model, audio);
            EXPECT_EQ (audio[0][0], input[0][0]) << "at " << rate; // fades in from fully dry
            EXPECT_NE (audio[0][l], input[0][l]) << "at " << rate;
        }
}

TEST_P (ModelAudio, FiniteAndBoundedAtExtremesWithNoiseAndNonFiniteInput)
{
    const float notANumber = std::numeric_limits<float>::quiet_NaN(), infinity = std::numeric_limits<float>::infinity();
    const int type = GetParam();
    for (float rate : { 22050.0f, 48000.0f, 192000.0f })
        for (int setting = 0; setting < 4; ++setting)
            for (bool stereo : { false, true })
            {
                // All 0, all 1 (tempo-synced at 999 bpm), loudest feedback
                // with the dry path, loudest feedback with the wet path.
                std::vector<std::pair<int, float>> changes;
                for (int i = M::rateParameter; i < M::numParameters; ++i)
                    changes.push_back ({ i, setting == 0 ? 0.0f : 1.0f });
                if (setting >= 2)
                    changes.push_back ({ M::syncParameter, 0.0f });
                if (setting == 2)
                    changes.push_back ({ M::mixParameter, 0.0f });
                auto model = prepared (type, rate, changes, 999.0f);

                auto audio = noise (stereo ? 2 : 1, static_cast<int> (rate), 11, 1.0f);
                for (size_t k = 1000; k + 2 < audio[0].size(); k += 3001)
                {
                    audio[0][k] = notANumber;
                    audio[0][k + 1] = infinity;
                    audio.back()[k + 2] = -infinity;
                }
                run (*model, audio);
                for (const auto& channel : audio)
                    for (size_t k = 0; k < channel.size(); ++k)
                        ASSERT_TRUE (std::abs (channel[k]) < 16.0f) << setting << " at " << rate << ", sample " << k;
                if (setting > 0)
                {
                    EXPECT_GT (peak (audio, audio[0].size() - 1000), 0.01f) << setting << " at " << rate;
                }
            }
}

TEST_P (ModelAudio, BlockSizeDoesNotChangeTheResult)
{
    const int type = GetParam();
    for (bool stereo : { false, true })
    {
        Channels reference;
        for (int blockSize : { 512, 1, 7, 64, 100, 4096 })
        {
            auto model = prepared (type, 44100.0f, { { M::depthParameter, 0.7f }, { delayOf (type), 0.3f }, { M::stereoParameter, 1.0f } });
            model->setParameter (M::bypassParameter, 0.0f); // a bypass crossfade across the first blocks
            model->calcParameter (M::bypassParameter);
            auto audio = noise (stereo ? 2 : 1, 8000, 13, 0.5f);
            run (*model, audio, blockSize);
            if (reference.empty())
            {
                reference = audio;
            }
            else
            {
                EXPECT_TRUE (audio == reference) << "block size " << blockSize;
            }
        }
    }
}

TEST_P (ModelAudio, EveryFieldIsDefinedAfterConstruction)
{
    // Two models built over different garbage must behave the same, whether
    // processing starts before or after a sample rate is set.
    const int type = GetParam();
    for (bool setRate : { false, true })
    {
        Channels out[2];
        for (int fill : { 0x00, 0xA5 })
        {
            // aligned_alloc takes only whole multiples of the alignment.
            const size_t size = (sizeof (Flanger117) + sizeof (DeluxeElectricMistressFlanger) + sizeof (ElectricMistressFlanger) + 63) / 64 * 64;
            void* storage = std::aligned_alloc (64, size);
            std::memset (storage, fill, size);
            FlangerModelBase* model = type == 0   ? static_cast<FlangerModelBase*> (new (storage) DeluxeElectricMistressFlanger())
                                      : type == 1 ? static_cast<FlangerModelBase*> (new (storage) Flanger117())
                                                  : static_cast<FlangerModelBase*> (new (storage) ElectricMistressFlanger());
            if (setRate)
                model->setSampleRate (48000.0f);
            auto stereo = noise (2, 3000, 15, 0.5f), mono = noise (1, 3000, 17, 0.5f);
            run (*model, stereo, 256);
            run (*model, mono, 256);
            stereo.push_back (mono[0]);
            out[fill != 0] = stereo;
            model->~FlangerModelBase();
            std::free (storage);
        }
        EXPECT_TRUE (out[0] == out[1]) << (setRate ? " with" : " without") << " a sample rate";
        EXPECT_LT (peak (out[0]), 16.0f);
        if (setRate) // engaged from the start
        {
            EXPECT_NE (out[0][0][100], noise (1, 3000, 15, 0.5f)[0][100]);
        }
    }
}

TEST_P (ModelAudio, EmptyBlocksAndMonoRouting)
{
    const int type = GetParam();
    auto model = prepared (type, 44100.0f);
    float sample = 0.5f;
    model->process (&sample, 0);
    model->process (nullptr, 16);
    model->process (&sample, &sample, -4);
    model->processBlock (nullptr, nullptr, 16);
    EXPECT_EQ (sample, 0.5f);

    // One input: the right channel gets the processed left one when the
    // spread is off.
    model->setParameter (M::stereoParameter, 0.0f);
    auto left = noise (1, 1000, 18, 0.5f)[0];
    std::vector<float> right (left.size(), 9.0f);
    model->processBlock (left.data(), right.data(), static_cast<int> (left.size()));
    EXPECT_TRUE (left == right);
}

TEST_P (ModelAudio, MonoIsTheStereoLeftChannelWithTheSpreadOff)
{
    // The mono and stereo chains differ in form only. Delay and depth at 0
    // make every sample's read touch the slot it writes; a loud signal drives
    // the non-linear stages past their knees.
    const int type = GetParam();
    for (float rate : { 44100.0f, 96000.0f })
        for (float delay : { 0.0f, 0.4f })
        {
            const std::vector<std::pair<int, float>> settings { { M::stereoParameter, 0.0f }, { M::depthParameter, delay }, { delayOf (type), delay } };
            auto mono = prepared (type, rate, settings);
            auto stereo = prepared (type, rate, settings);
            auto audio = noise (2, 20000, 19, 4.0f);
            Channels monoOut { audio[0] };
            run (*mono, monoOut);
            run (*stereo, audio);
            EXPECT_TRUE (monoOut[0] == audio[0]) << "at " << rate << ", delay " << delay;
        }
}
