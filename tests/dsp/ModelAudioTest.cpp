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
float peakOf (const std::vector<float>& v, size_t from = 0)
{
    float peak = 0.0f;
    for (size_t k = from; k < v.size(); ++k)
        peak = std::max (peak, std::abs (v[k]));
    return peak;
}

// The LFO period in samples, measured from the output: with the wet path
// alone, a sine at fs / 32 comes out phase-shifted by its delay, so the
// phase per 32-sample frame traces the LFO. Its mean crossings, placed by
// linear interpolation, give the period.
double measuredLfoPeriod (FlangerModelBase& model, float sampleRate, double expectedPeriod, bool stereo)
{
    constexpr int frame = 32;
    const int periods = std::max (4, static_cast<int> (2.0 * sampleRate / expectedPeriod));
    const size_t frames = static_cast<size_t> ((periods + 1.5) * expectedPeriod / frame);
    auto left = sine (frames * frame, sampleRate / frame, sampleRate, 0.1f);
    std::vector<float> right = stereo ? left : std::vector<float> {};
    run (model, left, right);

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
            std::vector<float> left (static_cast<size_t> (rate)), right (stereo ? left.size() : 0);
            run (*model, left, right);
            EXPECT_LT (peakOf (left), 3e-5f) << "at " << rate; // Type 2's diode sits a hair off 0 V
            EXPECT_LT (peakOf (left, left.size() / 2), 1e-9f) << "at " << rate;
        }
}

TEST_P (ModelAudio, LevelScalesTheOutputExactly)
{
    const int type = GetParam();
    for (bool stereo : { false, true })
    {
        std::vector<float> out[3];
        for (int i = 0; i < 3; ++i)
        {
            auto model = prepared (type, 48000.0f, { { 7, 0.25f * static_cast<float> (1 << i) } });
            auto left = noise (20000, 0.5f, 5), right = stereo ? noise (20000, 0.5f, 6) : std::vector<float> {};
            run (*model, left, right);
            out[i] = left;
        }
        for (size_t k = 0; k < out[1].size(); ++k)
        {
            ASSERT_EQ (out[0][k], 0.5f * out[1][k]) << "at " << k;
            ASSERT_EQ (out[2][k], 2.0f * out[1][k]) << "at " << k;
        }
    }
}

TEST_P (ModelAudio, StereoSpreadSplitsEqualChannelsOnlyWhenOn)
{
    const int type = GetParam();
    for (float rate : { 22050.0f, 96000.0f })
        for (float spread : { 0.0f, 1.0f })
        {
            auto model = prepared (type, rate, { { 8, spread }, { 3, 1.0f } });
            auto left = noise (static_cast<size_t> (rate / 2), 0.5f, 7), right = left;
            run (*model, left, right);
            float difference = 0.0f;
            for (size_t k = 0; k < left.size(); ++k)
                difference = std::max (difference, std::abs (left[k] - right[k]));
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
        { { { 1, 0.5f } }, 120.0f, 2.0 },                                       // (81^0.5 - 1) / 80 x 20 Hz
        { { { 1, 1.0f } }, 120.0f, 20.0 },
        { { { 9, 1.0f }, { 2, 8.0f / 18.0f } }, 150.0f, 2.5 },                  // 1/4 at 150 bpm
        { { { 9, 1.0f }, { 2, 9.0f / 18.0f } }, 120.0f, 3.0 },                  // 1/4T
        { { { 9, 1.0f }, { 2, 1.0f } }, 120.0f, 24.0 },                         // 1/32T
    };
    const int type = GetParam();
    for (float rate : { 22050.0f, 44100.0f, 96000.0f, 192000.0f })
        for (const auto& setting : settings)
        {
            auto changes = setting.changes;
            changes.push_back ({ 6, 1.0f });                  // wet path alone
            changes.push_back ({ feedbackIndex (type), 0.0f }); // no feedback
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
            auto warmLeft = noise (4096, 0.5f, 8), warmRight = stereo ? warmLeft : std::vector<float> {};
            run (*model, warmLeft, warmRight);

            model->setParameter (0, 0.0f);
            model->calcParameter (0);
            const auto input = noise (static_cast<size_t> (length) + 3000, 0.5f, 9);
            auto left = input, right = stereo ? noise (input.size(), 0.5f, 10) : std::vector<float> {};
            const auto inputRight = right;
            run (*model, left, right, 300);
            const auto l = static_cast<size_t> (length);
            EXPECT_NE (left[l - 1], input[l - 1]) << "at " << rate;
            for (size_t k = l; k < input.size(); ++k)
            {
                ASSERT_EQ (left[k], input[k]) << "at " << rate << ", sample " << k;
                if (stereo)
                {
                    ASSERT_EQ (right[k], inputRight[k]) << "at " << rate << ", sample " << k;
                }
            }

            model->setParameter (0, 1.0f);
            model->calcParameter (0);
            left = input;
            right = stereo ? inputRight : std::vector<float> {};
            run (*model, left, right);
            EXPECT_EQ (left[0], input[0]) << "at " << rate; // fades in from fully dry
            EXPECT_NE (left[l], input[l]) << "at " << rate;
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
                for (int i = 1; i < 10; ++i)
                    changes.push_back ({ i, setting == 0 ? 0.0f : 1.0f });
                if (setting >= 2)
                    changes.push_back ({ 9, 0.0f });
                if (setting == 2)
                    changes.push_back ({ 6, 0.0f });
                auto model = prepared (type, rate, changes, 999.0f);

                auto left = noise (static_cast<size_t> (rate), 1.0f, 11);
                auto right = stereo ? noise (left.size(), 1.0f, 12) : std::vector<float> {};
                for (size_t k = 1000; k + 2 < left.size(); k += 3001)
                {
                    left[k] = notANumber;
                    left[k + 1] = infinity;
                    (stereo ? right : left)[k + 2] = -infinity;
                }
                run (*model, left, right);
                for (size_t k = 0; k < left.size(); ++k)
                {
                    ASSERT_TRUE (std::abs (left[k]) < 16.0f) << setting << " at " << rate << ", sample " << k;
                    if (stereo)
                    {
                        ASSERT_TRUE (std::abs (right[k]) < 16.0f) << setting << " at " << rate;
                    }
                }
                if (setting > 0)
                {
                    EXPECT_GT (peakOf (left, left.size() - 1000), 0.01f) << setting << " at " << rate;
                }
            }
}

TEST_P (ModelAudio, BlockSizeDoesNotChangeTheResult)
{
    const int type = GetParam();
    for (bool stereo : { false, true })
    {
        std::vector<float> reference;
        for (int blockSize : { 512, 1, 7, 64, 100, 4096 })
        {
            auto model = prepared (type, 44100.0f, { { 3, 0.7f }, { delayIndex (type), 0.3f }, { 8, 1.0f } });
            model->setParameter (0, 0.0f); // a bypass crossfade across the first blocks
            model->calcParameter (0);
            auto left = noise (8000, 0.5f, 13), right = stereo ? noise (8000, 0.5f, 14) : std::vector<float> {};
            run (*model, left, right, blockSize);
            left.insert (left.end(), right.begin(), right.end());
            if (reference.empty())
            {
                reference = left;
            }
            else
            {
                EXPECT_TRUE (left == reference) << "block size " << blockSize;
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
        std::vector<float> out[2];
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
            auto left = noise (3000, 0.5f, 15), right = noise (3000, 0.5f, 16);
            run (*model, left, right, 256);
            auto mono = noise (3000, 0.5f, 17);
            std::vector<float> none;
            run (*model, mono, none, 256);
            left.insert (left.end(), mono.begin(), mono.end());
            out[fill != 0] = left;
            model->~FlangerModelBase();
            std::free (storage);
        }
        EXPECT_TRUE (out[0] == out[1]) << (setRate ? " with" : " without") << " a sample rate";
        EXPECT_LT (peakOf (out[0]), 16.0f);
        auto input = noise (3000, 0.5f, 15);
        if (setRate) // engaged from the start
        {
            EXPECT_NE (out[0][100], input[100]);
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
    model->setParameter (8, 0.0f);
    auto left = noise (1000, 0.5f, 18);
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
            const std::vector<std::pair<int, float>> settings { { 8, 0.0f }, { 3, delay }, { delayIndex (type), delay } };
            auto mono = prepared (type, rate, settings);
            auto stereo = prepared (type, rate, settings);
            auto left = noise (20000, 4.0f, 19), right = noise (20000, 4.0f, 20);
            std::vector<float> monoOut = left, none;
            run (*mono, monoOut, none);
            run (*stereo, left, right);
            EXPECT_TRUE (monoOut == left) << "at " << rate << ", delay " << delay;
        }
}
