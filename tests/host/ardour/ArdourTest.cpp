// The plug-in in a host nobody here wrote: Debian's ardour 7 plays our VST 2
// .so and our VST3 bundle, headless, from a session it saved and reopened.
#include "ArdourSandbox.h"
#include "Takes.h"
#include "WavFile.h"

#include <gtest/gtest.h>

namespace
{
constexpr double sampleRate = 48000.0;
constexpr int hostBlockSize = 1024; // the Dummy backend's
constexpr double bpm = 100.0;
constexpr double recordSeconds = 2.5;
// ardour fades the take in and out (before the plug-in) and fades the track's
// output in after the transport starts (after it); comparisons leave out
// those fades and the plug-in's memory of them.
constexpr int fadedAtStart = 24000;
constexpr int fadedAtEnd = 1024;
// ardour runs its plug-ins for a few blocks before an export starts.
constexpr int maxLeadIn = 24576;

// Tempo sync, stereo spread, feedback and some delay; values the bank
// document carries exactly (five decimals, k/18 for the division). The first
// flanger type: ardour restores a VST3 plug-in's state after activating it,
// and another type would then be switched to when the processor's 50 ms
// timer fires, at a block that depends on the clock.
const std::vector<float> settings { 1.0f, 0.0f, 0.3f, 6.0f / 18.0f, 0.7f, 0.3f, 0.75f, 0.5f, 0.5f, 1.0f, 1.0f };

void playInArdour (ArdourSandbox::Format format, const juce::File& plugin)
{
    std::string problem;
    ASSERT_TRUE (ArdourSandbox::isInstalled (problem)) << problem;
    ASSERT_TRUE (plugin.exists()) << plugin.getFullPathName();

    ArdourSandbox ardour;
    // On any failure, early returns included, the folder stays for a look.
    struct KeepOnFailure
    {
        ArdourSandbox& sandbox;
        ~KeepOnFailure()
        {
            if (! testing::Test::HasFailure())
                return;
            sandbox.keep();
            std::cout << "ardour's folder kept: " << sandbox.folder().getFullPathName() << "\n";
        }
    } keepOnFailure { ardour };

    const auto firstWav = ardour.folder().getChildFile ("first.wav");
    const auto reopenedWav = ardour.folder().getChildFile ("reopened.wav");
    std::vector<float> restored;

    const bool played = ardour.installAndScan (format, plugin)
                        && ardour.createSession (format, bpm, recordSeconds, settings)
                        && ardour.exportSession (firstWav)
                        && ardour.reopenSession (restored)
                        && ardour.exportSession (reopenedWav);
    ASSERT_TRUE (played) << ardour.problem();

    // The reopened session shows the values set before activation.
    ASSERT_GE (restored.size(), settings.size());
    for (size_t i = 0; i < settings.size(); ++i)
        EXPECT_NEAR (restored[i], settings[i], 1.0e-6) << "parameter " << i;

    const auto dry = ardour.recordedTake();
    const auto first = WavFile::read (firstWav);
    const auto reopened = WavFile::read (reopenedWav);
    ASSERT_EQ (dry.getNumChannels(), 2);
    ASSERT_GT (dry.getNumSamples(), static_cast<int> (sampleRate)); // at least a second recorded
    ASSERT_EQ (first.getNumSamples(), dry.getNumSamples());
    ASSERT_EQ (reopened.getNumSamples(), dry.getNumSamples());

    const Takes::Span unfaded { fadedAtStart, dry.getNumSamples() - fadedAtEnd };

    // Flanged: far from the dry take.
    EXPECT_GT (Takes::residualDb (first, dry, unfaded), -10.0);

    // What the processor itself makes of the dry take with the same settings.
    const auto aligned = Takes::alignWithProcessor (first, dry, sampleRate, hostBlockSize, bpm, settings, maxLeadIn,
                                                    unfaded);
    EXPECT_LT (aligned.residualDb, -90.0) << "lead-in " << aligned.start.leadIn;

    // The reopened session renders what the first one did. ardour now and
    // then runs the plug-in a block more or less before the export starts,
    // which moves the flanger's sweep; the reopened take is then held to the
    // processor on its own.
    const double reopenedDb = Takes::residualDb (reopened, first);
    auto reopenedAligned = aligned;
    if (reopenedDb >= -90.0)
    {
        reopenedAligned = Takes::alignWithProcessor (reopened, dry, sampleRate, hostBlockSize, bpm, settings, maxLeadIn,
                                                     unfaded);
        EXPECT_LT (reopenedAligned.residualDb, -90.0) << "lead-in " << reopenedAligned.start.leadIn;
        EXPECT_EQ (reopenedAligned.start.settingsAfterPrepare, aligned.start.settingsAfterPrepare);
        EXPECT_NE (reopenedAligned.start.leadIn, aligned.start.leadIn);
    }

    std::cout << "wet against dry " << Takes::residualDb (first, dry, unfaded) << " dB; against the processor "
              << aligned.residualDb << " dB after a lead-in of " << aligned.start.leadIn << " frames, settings "
              << (aligned.start.settingsAfterPrepare ? "after" : "before") << " preparing; reopened against first "
              << reopenedDb << " dB (lead-in " << reopenedAligned.start.leadIn << ")\n";

    if (testing::Test::HasFailure())
        WavFile::write (ardour.folder().getChildFile ("reference.wav"),
                        Takes::renderThroughProcessor (dry, sampleRate, hostBlockSize, bpm, settings, aligned.start), sampleRate, 32);
}
} // namespace

TEST (Ardour, PlaysTheVst2Plugin)
{
    playInArdour (ArdourSandbox::Format::vst2, juce::File (PANDREL_VST2_PLUGIN));
}

TEST (Ardour, PlaysTheVst3Bundle)
{
    playInArdour (ArdourSandbox::Format::vst3, juce::File (PANDREL_VST3_BUNDLE));
}
