#include "OscBaseClass.h"

#include <gtest/gtest.h>

namespace
{
struct Osc : OscBaseClass
{
    float getOscSignal() override { return 0.0f; }
    int glide() const { return glideLength; }
};
} // namespace

TEST (OscBaseClass, GlideLengthFollowsSampleRateBands)
{
    const std::pair<float, int> cases[] = { { 22050.0f, 1024 }, { 34049.0f, 1024 }, { 34050.0f, 2048 },
                                            { 48000.0f, 2048 }, { 68000.0f, 4096 }, { 96000.0f, 4096 },
                                            { 136000.0f, 8192 }, { 192000.0f, 8192 } };
    for (auto [rate, length] : cases)
    {
        Osc osc;
        osc.setSampleRate (rate);
        EXPECT_EQ (osc.glide(), length) << rate;
    }
}
