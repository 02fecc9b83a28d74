// Tapers, displays and packet handlers, as a parameter and a packet
// dispatcher use them.
#include "AAX_CBinaryDisplayDelegate.h"
#include "AAX_CBinaryTaperDelegate.h"
#include "AAX_CLinearTaperDelegate.h"
#include "AAX_CNumberDisplayDelegate.h"
#include "AAX_CPacket.h"
#include "AAX_CPacketHandler.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <string>

namespace
{
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
using NumberDisplay = AAX_CNumberDisplayDelegate<float, 3, 0>;

std::string shown (float value, int maxChars)
{
    AAX_CString text ("old");
    EXPECT_TRUE (NumberDisplay().ValueToString (value, maxChars, &text));
    return text.Get();
}

struct Read
{
    bool ok;
    float value;
};

Read readNumber (const char* text)
{
    float v = 9.0f;
    const bool ok = NumberDisplay().StringToValue (AAX_CString (text), &v);
    return { ok, v };
}
} // namespace

TEST (AaxTaper, LinearClampsToItsRangeAndTurnsNotANumberIntoTheMinimum)
{
    const AAX_CLinearTaperDelegate<float, 0> range (-12.0f, 36.0f);
    EXPECT_EQ (range.NormalizedToReal (0.5), 12.0f);
    EXPECT_EQ (range.RealToNormalized (0.0f), 0.25);
    EXPECT_EQ (range.NormalizedToReal (1e300), 36.0f);
    EXPECT_EQ (range.NormalizedToReal (-0.2), -12.0f);
    EXPECT_EQ (range.RealToNormalized (40.0f), 1.0);

    // A value that is not a number, from a host or a restored chunk, must not
    // become the stored value: it reads as the minimum.
    const float fnan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ (range.ConstrainRealValue (fnan), -12.0f);
    EXPECT_EQ (range.NormalizedToReal (notANumber), -12.0f);
    EXPECT_EQ (range.RealToNormalized (fnan), 0.0);
    EXPECT_EQ (range.ConstrainRealValue (std::numeric_limits<float>::infinity()), 36.0f);
}

TEST (AaxTaper, BinaryIsOnForAnyPositiveValue)
{
    const AAX_CBinaryTaperDelegate<bool> taper;
    EXPECT_FALSE (taper.NormalizedToReal (0.0));
    EXPECT_TRUE (taper.NormalizedToReal (0.0001));
    EXPECT_FALSE (taper.NormalizedToReal (-1.0));
    EXPECT_FALSE (taper.NormalizedToReal (notANumber));
    EXPECT_EQ (taper.RealToNormalized (true), 1.0);
}

TEST (AaxDisplay, NumberShowsThreeDecimalsCutToTheRoomGiven)
{
    EXPECT_EQ (shown (0.5f, 10), "0.500");
    EXPECT_EQ (shown (1.0f, 100), "1.000");
    EXPECT_EQ (shown (-0.25f, 10), "-0.250");
    EXPECT_EQ (shown (123.456f, 4), "123"); // a cut ending on the point drops it
    EXPECT_EQ (shown (123.456f, 5), "123.4");
    EXPECT_EQ (shown (123.456f, 0), "");
    EXPECT_EQ (shown (123.456f, -3), "");
    EXPECT_EQ (shown (std::numeric_limits<float>::quiet_NaN(), 10), "nan");

    AAX_CString text ("old");
    EXPECT_TRUE (NumberDisplay().ValueToString (0.75f, &text));
    EXPECT_STREQ (text.Get(), "0.750");
    EXPECT_FALSE (NumberDisplay().ValueToString (0.75f, nullptr));
}

TEST (AaxDisplay, NumberReadsTheLeadingNumberOnly)
{
    EXPECT_TRUE (readNumber ("  0.75 Hz").ok);
    EXPECT_EQ (readNumber ("  0.75 Hz").value, 0.75f);
    EXPECT_EQ (readNumber ("0.1").value, 0.1f); // rounded to float
    EXPECT_FALSE (readNumber ("Hz").ok);
    EXPECT_EQ (readNumber ("Hz").value, 0.0f);
    EXPECT_EQ (readNumber ("1e300").value, std::numeric_limits<float>::infinity());
    EXPECT_FALSE (NumberDisplay().StringToValue (AAX_CString ("1"), nullptr));
}

TEST (AaxDisplay, BinaryReadsItsTwoTextsExactly)
{
    const AAX_CBinaryDisplayDelegate<bool> bypass ("bypass", "on");
    AAX_CString text;
    EXPECT_TRUE (bypass.ValueToString (true, &text));
    EXPECT_STREQ (text.Get(), "on");
    EXPECT_TRUE (bypass.ValueToString (false, 1, &text)); // no shortened texts: the full one
    EXPECT_STREQ (text.Get(), "bypass");

    bool value = false;
    EXPECT_TRUE (bypass.StringToValue (AAX_CString ("on"), &value));
    EXPECT_TRUE (value);
    EXPECT_TRUE (bypass.StringToValue (AAX_CString ("bypass"), &value));
    EXPECT_FALSE (value);
    value = true;
    EXPECT_FALSE (bypass.StringToValue (AAX_CString ("On"), &value));
    EXPECT_FALSE (value);

    const AAX_CBinaryDisplayDelegate<bool> same ("x", "x");
    EXPECT_TRUE (same.StringToValue (AAX_CString ("x"), &value));
    EXPECT_TRUE (value); // true wins
    const AAX_CBinaryDisplayDelegate<bool> empty (nullptr, "on");
    EXPECT_TRUE (empty.StringToValue (AAX_CString (""), &value));
    EXPECT_FALSE (value);
}

TEST (AaxDelegates, ClonesOutliveTheirOriginals)
{
    std::unique_ptr<AAX_ITaperDelegate<float>> taper;
    std::unique_ptr<AAX_IDisplayDelegate<bool>> display;
    {
        const AAX_CLinearTaperDelegate<float, 0> original (2.0f, 4.0f);
        const AAX_CBinaryDisplayDelegate<bool> originalDisplay ("off", "on");
        taper.reset (original.Clone());
        display.reset (originalDisplay.Clone());
    }
    EXPECT_EQ (taper->NormalizedToReal (0.5), 3.0f);
    EXPECT_EQ (taper->GetMinimumValue(), 2.0f);
    AAX_CString text;
    display->ValueToString (false, &text);
    EXPECT_STREQ (text.Get(), "off");
}

namespace
{
struct Worker
{
    AAX_Result byId (AAX_CParamID id, AAX_CPacket& packet)
    {
        lastId = id;
        *static_cast<std::int32_t*> (packet.GetData().Get (4)) = 1;
        packet.SetSize (4);
        return 0;
    }
    AAX_Result byPacket (AAX_CPacket& packet)
    {
        packet.SetSize (8);
        return 11;
    }
    std::string lastId;
};
} // namespace

TEST (AaxPacketHandler, CallsTheWorkersOperationOrReportsNone)
{
    Worker worker;
    AAX_CPacket packet (3);
    EXPECT_TRUE (packet.IsDirty());
    EXPECT_EQ (packet.GetSize(), 0u);

    const AAX_CPacketHandler<Worker> withId (&worker, &Worker::byId);
    std::unique_ptr<AAX_IPacketHandler> clone (withId.Clone());
    EXPECT_EQ (clone->Call ("MasterBypassID", packet), 0);
    EXPECT_EQ (worker.lastId, "MasterBypassID");
    EXPECT_EQ (packet.GetSize(), 4u);
    std::int32_t word = 0;
    std::memcpy (&word, packet.GetData().Get(), 4);
    EXPECT_EQ (word, 1);

    const AAX_CPacketHandler<Worker> packetOnly (&worker, &Worker::byPacket);
    EXPECT_EQ (packetOnly.Call ("x", packet), 11);
    EXPECT_EQ (packet.GetSize(), 8u);

    const AAX_CPacketHandler<Worker> none (&worker, static_cast<AAX_CPacketHandler<Worker>::PacketOperation> (nullptr));
    EXPECT_EQ (none.Call ("x", packet), -20004);
    EXPECT_EQ (packet.GetSize(), 8u); // untouched
    const AAX_CPacketHandler<Worker> noWorker (nullptr, &Worker::byId);
    EXPECT_EQ (noWorker.Call ("x", packet), -20004);
}
