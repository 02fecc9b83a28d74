// The models' parameters, LFO rate, tempo sync and stereo announcement.
#include "ModelFixtures.h"
#include "TempoDivisions.h"

#include <gtest/gtest.h>

#include <limits>

using namespace fixtures;

namespace
{
constexpr float notANumber = std::numeric_limits<float>::quiet_NaN();
constexpr float infinity = std::numeric_limits<float>::infinity();

struct Listener : juce::ActionListener
{
    std::vector<juce::String> messages;
    void actionListenerCallback (const juce::String& message) override { messages.push_back (message); }
};
class ModelParameters : public testing::TestWithParam<int>
{
};
INSTANTIATE_TEST_SUITE_P (EachModel, ModelParameters, testing::Range (0, 3), modelName);
} // namespace

TEST_P (ModelParameters, NamedInTheirOrder)
{
    // Flanger117 numbers "Delay" and "Feedback" the other way round.
    const int type = GetParam();
    auto model = ModelSetup::create (type);
    juce::StringArray names;
    for (int i = 0; i < M::numParameters; ++i)
        names.add (model->getParameterName (i));
    EXPECT_EQ (names.joinIntoString (" "), type == 1 ? "Bypass Rate RateSync Depth Feedback Delay Mix Level StereoOn SyncOn"
                                                     : "Bypass Rate RateSync Depth Delay Feedback Mix Level StereoOn SyncOn");
}

TEST_P (ModelParameters, OutOfRangeIndicesAreIgnored)
{
    auto model = ModelSetup::create (GetParam());
    for (int bad : { -1, M::numParameters, 1 << 30 })
    {
        EXPECT_STREQ (model->getParameterName (bad), "");
        EXPECT_EQ (model->getDefaultParameter (bad), 0.0f);
        EXPECT_EQ (model->getParameter (bad), 0.0f);
        model->setParameter (bad, 0.7f); // ignored
        model->calcParameter (bad);
    }
}

TEST (LfoMapping, RateAndTempoDivisionMappings)
{
    EXPECT_EQ (FlangerModelBase::lfoFrequency (false, 0.0f, 0.0f, 120.0f, 44100.0f), 0.01f);
    EXPECT_EQ (FlangerModelBase::lfoFrequency (false, 1.0f, 0.0f, 120.0f, 44100.0f), 20.0f);
    EXPECT_NEAR (FlangerModelBase::lfoFrequency (false, 0.5f, 0.0f, 120.0f, 44100.0f), 2.0f, 1e-5f);

    // ceil(18 x value): an edge k / 18 belongs to division k.
    const auto& table = TempoDivisions::table;
    EXPECT_EQ (FlangerModelBase::tempoDivisionBeats (-1.0f), table[0].beats);
    EXPECT_EQ (FlangerModelBase::tempoDivisionBeats (0.0f), table[0].beats);
    for (int k = 1; k <= 17; ++k)
    {
        const float edge = static_cast<float> (k) / 18.0f;
        EXPECT_EQ (FlangerModelBase::tempoDivisionBeats (edge), table[k].beats) << k;
        EXPECT_EQ (FlangerModelBase::tempoDivisionBeats (std::nextafter (edge, 1.0f)), table[k + 1].beats) << k;
    }
    EXPECT_EQ (FlangerModelBase::tempoDivisionBeats (1.0f), table[18].beats);

    EXPECT_EQ (FlangerModelBase::lfoFrequency (true, 0.0f, 8.0f / 18.0f, 120.0f, 44100.0f), 2.0f);
    EXPECT_EQ (FlangerModelBase::lfoFrequency (true, 0.0f, 0.0f, 120.0f, 44100.0f), 0.0625f);
    EXPECT_EQ (FlangerModelBase::lfoFrequency (true, 0.0f, 0.0f, 0.0f, 44100.0f), 0.01f);
}

TEST (LfoMapping, TripletDivisionsStayOnTheBeat)
{
    // After a minute at 120 bpm (120 beats) a synced LFO has made a whole
    // number of cycles; truncated triplet lengths drifted up to 239 ms.
    const std::pair<int, double> triplets[] = { { 6, 90.0 }, { 9, 180.0 }, { 12, 360.0 }, { 15, 720.0 }, { 18, 1440.0 } };
    for (const auto& [bin, cycles] : triplets)
        for (float rate : { 8000.0f, 48000.0f, 768000.0f })
        {
            const double hz = FlangerModelBase::lfoFrequency (true, 0.0f, static_cast<float> (bin) / 18.0f, 120.0f, rate);
            const double driftSeconds = std::abs (60.0 * hz - cycles) / hz;
            EXPECT_LT (driftSeconds, 1e-4) << "bin " << bin << " at " << rate;
        }
}

TEST (LfoMapping, LfoStaysInRangeWhateverArrives)
{
    for (float rate : { 22050.0f, 44100.0f, 192000.0f })
    {
        for (float tempo : { notANumber, infinity, -infinity, -120.0f, 0.0f, 1e-30f, 1e30f })
            for (float division : { notANumber, -1.0f, 0.5f, 1.0f, 7.0f })
            {
                const float hz = FlangerModelBase::lfoFrequency (true, 0.0f, division, tempo, rate);
                EXPECT_TRUE (hz >= 0.01f && hz < rate / 2.0f) << tempo << " bpm, division " << division << ": " << hz;
            }
        for (float value : { notANumber, infinity, -infinity, -3.0f, 1.0001f, 5.0f, 1e9f })
        {
            const float hz = FlangerModelBase::lfoFrequency (false, value, 0.0f, 120.0f, rate);
            EXPECT_TRUE (hz >= 0.01f && hz < rate / 2.0f) << "rate " << value << ": " << hz;
        }
    }
}

TEST_P (ModelParameters, ATempoThatIsNotANumberKeepsTheLfoAndTheOutputFinite)
{
    auto model = prepared (GetParam(), 48000.0f, { { M::syncParameter, 1.0f } });
    auto audio = noise (2, 4800, 1, 0.5f);
    model->setBpm (notANumber);
    run (*model, audio);
    EXPECT_EQ (model->getLfoFrequency(), 0.01f);
    for (const auto& channel : audio)
        for (float sample : channel)
            ASSERT_TRUE (std::isfinite (sample));
}

TEST_P (ModelParameters, OutOfRangeValuesActAsTheNearestEnd)
{
    const std::pair<float, float> cases[] = { { -0.5f, 0.0f }, { -infinity, 0.0f }, { notANumber, 0.0f },
                                              { 1.7f, 1.0f },  { infinity, 1.0f },  { 1e30f, 1.0f } };
    const int type = GetParam();
    for (int index = M::rateParameter; index < M::numParameters; ++index)
        for (auto [value, end] : cases)
        {
            auto model = ModelSetup::create (type);
            model->setParameter (index, value);
            EXPECT_EQ (model->getParameter (index), end) << index << ": " << value;
        }
}

TEST_P (ModelParameters, StereoAnnouncementIsRaisedByAChangeOnly)
{
    auto model = prepared (GetParam(), 44100.0f);
    EXPECT_FALSE (model->isAnnouncementPending());
    const float current = model->getParameter (M::stereoParameter);
    model->setParameter (M::stereoParameter, current);
    EXPECT_FALSE (model->isAnnouncementPending());
    model->setParameter (M::stereoParameter, 1.0f - current);
    EXPECT_TRUE (model->isAnnouncementPending());
    model->forceCalcParams();
    model->sendPendingAnnouncement();
    EXPECT_FALSE (model->isAnnouncementPending());
}

// Exactly one message per raised announcement, and only once sent from the
// message thread.
TEST (ModelAnnouncement, OneMessagePerRaisedAnnouncement)
{
    auto model = prepared (0, 44100.0f);
    Listener listener;
    model->addActionListener (&listener);
    model->setParameter (M::stereoParameter, 0.0f);
    model->setParameter (M::stereoParameter, 0.0f);
    model->sendPendingAnnouncement();
    model->sendPendingAnnouncement();
    model->setParameter (M::stereoParameter, 1.0f);
    juce::MessageManager::callAsync ([] { juce::MessageManager::getInstance()->stopDispatchLoop(); });
    juce::MessageManager::getInstance()->runDispatchLoop();
    model->removeActionListener (&listener);
    ASSERT_EQ (listener.messages.size(), 1u);
    EXPECT_EQ (listener.messages[0], "ModuleViewController arrangeModelInputsOutputs");
    EXPECT_TRUE (model->isAnnouncementPending());
}
