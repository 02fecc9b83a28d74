#pragma once

#include "ModelSetup.h"
#include "TestAudio.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// Shared by the model tests: the three models, prepared as the plug-in
// prepares them, and run over test signals.
namespace fixtures
{
using namespace testaudio;
using M = FlangerModelBase;

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

// "Delay" and "Feedback" as the model of that type numbers them.
inline int delayOf (int type) { return ModelSetup::create (type)->delayParameter(); }
inline int feedbackOf (int type) { return ModelSetup::create (type)->feedbackParameter(); }

// Names the cases of a test over the three models "Type1" .. "Type3".
inline std::string modelName (const testing::TestParamInfo<int>& info) { return "Type" + std::to_string (info.param + 1); }

// Runs the audio through in blocks of blockSize; one channel is mono.
inline void run (FlangerModelBase& model, Channels& audio, int blockSize = 512)
{
    const int total = static_cast<int> (audio[0].size());
    for (int start = 0; start < total; start += blockSize)
    {
        const int n = std::min (blockSize, total - start);
        if (audio.size() == 1)
            model.process (audio[0].data() + start, n);
        else
            model.process (audio[0].data() + start, audio[1].data() + start, n);
    }
}
} // namespace fixtures
