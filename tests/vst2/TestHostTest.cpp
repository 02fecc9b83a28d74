// The gain plug-in built as a .so, loaded and driven by the test host.
#include "Vst2TestHost.h"

#include <gtest/gtest.h>

#include <cmath>

namespace Op = VstEffectOpcode;

namespace
{
std::vector<std::vector<float>> ramp (std::size_t length)
{
    std::vector<std::vector<float>> channels (2, std::vector<float> (length));
    for (std::size_t i = 0; i < length; ++i)
    {
        channels[0][i] = std::sin (0.01f * static_cast<float> (i));
        channels[1][i] = -channels[0][i];
    }
    return channels;
}
} // namespace

TEST (TestHost, LoadsAndPlaysTheGainPlugin)
{
    Vst2TestHost host (VST2_GAIN_PLUGIN, 48000.0f, 100);
    ASSERT_EQ (host.error(), "");
    EXPECT_EQ (host.effect()->numInputs, 2);
    EXPECT_EQ (host.effect()->numParams, 1);
    EXPECT_EQ (host.dispatch (Op::identify), kVstIdentifyAnswer);
    host.start();

    host.setParameter (0, 0.25f);
    EXPECT_EQ (host.getParameter (0), 0.25f);
    EXPECT_EQ (host.text (Op::getParameterName), "Gain");
    EXPECT_EQ (host.text (Op::getParameterDisplay), "-6.02059");
    EXPECT_EQ (host.text (Op::getParameterLabel), "dB");
    EXPECT_EQ (host.text (Op::getProgramName), "Unity");
    EXPECT_EQ (host.text (Op::getEffectName), "Test Gain");
    EXPECT_EQ (host.text (Op::getParameterName, 1), "");

    // Separate buffers, then in place, over blocks shorter than the signal.
    const auto dry = ramp (1001);
    auto input = dry;
    auto output = ramp (1001);
    host.process (input, output);
    host.process (input, input);
    for (std::size_t c = 0; c < 2; ++c)
        for (std::size_t i = 0; i < dry[c].size(); ++i)
        {
            ASSERT_EQ (output[c][i], 0.5f * dry[c][i]) << c << " " << i;
            ASSERT_EQ (input[c][i], 0.5f * dry[c][i]) << c << " " << i;
        }
}

TEST (TestHost, ChunkMovesStateIntoASecondInstance)
{
    Vst2TestHost first (VST2_GAIN_PLUGIN);
    Vst2TestHost second (VST2_GAIN_PLUGIN);
    ASSERT_EQ (first.error(), "");
    ASSERT_EQ (second.error(), "");
    first.start();
    second.start();

    first.setParameter (0, 0.8f);
    const auto chunk = first.getChunk (false);
    ASSERT_EQ (chunk.size(), sizeof (float));
    EXPECT_EQ (second.setChunk (chunk, false), 1);
    EXPECT_EQ (second.getParameter (0), 0.8f);

    EXPECT_EQ (second.setChunk ({}, false), 0);
    EXPECT_EQ (second.setChunk (std::vector<char> ((1 << 20) + 1), false), 0);
    EXPECT_EQ (second.getParameter (0), 0.8f);
    second.close();
    EXPECT_EQ (second.effect(), nullptr);
}

TEST (TestHost, AMissingLibraryIsAClearError)
{
    Vst2TestHost host ("/nonexistent/plugin.so");
    EXPECT_NE (host.error().find ("cannot load"), std::string::npos);
    EXPECT_EQ (host.effect(), nullptr);
    host.start();
    EXPECT_EQ (host.getParameter (0), 0.0f);
}
