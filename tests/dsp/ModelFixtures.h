#pragma once

#include "ModelSetup.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <random>
#include <string>
#include <vector>

// Shared by the model tests: the three models, prepared as the plug-in
// prepares them, and test signals.
namespace fixtures
{
inline const float sampleRates[] = { 22050.0f, 44100.0f, 48000.0f, 88200.0f, 96000.0f, 176400.0f, 192000.0f };

// Defaults, then the given changes (index, value) and tempo, then everything
// at once.
inline std::unique_ptr<FlangerModelBase> prepared (int type, float sampleRate, std::vector<std::pair<int, float>> changes = {},
                                                   float bpm = 120.0f)
{
    auto model = ModelSetup::create (type);
    ModelSetup::prepare (*model, sampleRate, 512, changes, bpm);
    return model;
}

// Names the cases of a test over the three models "Type1" .. "Type3".
inline std::string modelName (const testing::TestParamInfo<int>& info) { return "Type" + std::to_string (info.param + 1); }

inline int delayIndex (int type) { return type == 1 ? 5 : 4; }
inline int feedbackIndex (int type) { return type == 1 ? 4 : 5; }

inline std::vector<float> noise (size_t n, float amplitude, unsigned seed)
{
    std::mt19937 random (seed);
    std::uniform_real_distribution<float> uniform (-amplitude, amplitude);
    std::vector<float> out (n);
    for (auto& v : out)
        v = uniform (random);
    return out;
}

inline std::vector<float> sine (size_t n, double hz, double sampleRate, float amplitude = 0.5f)
{
    std::vector<float> out (n);
    for (size_t k = 0; k < n; ++k)
        out[k] = amplitude * static_cast<float> (std::sin (2.0 * M_PI * hz * static_cast<double> (k) / sampleRate));
    return out;
}

// Runs the buffers through in blocks of blockSize; right empty means mono.
inline void run (FlangerModelBase& model, std::vector<float>& left, std::vector<float>& right, int blockSize = 512)
{
    const int total = static_cast<int> (left.size());
    for (int start = 0; start < total; start += blockSize)
    {
        const int n = std::min (blockSize, total - start);
        if (right.empty())
            model.process (left.data() + start, n);
        else
            model.process (left.data() + start, right.data() + start, n);
    }
}
} // namespace fixtures
