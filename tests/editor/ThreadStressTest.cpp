// Every thread a host runs, at once, for about 30 s (PANDREL_STRESS_SECONDS):
// the audio thread plays with automation of every parameter, a host thread
// reads values and texts, and the message thread switches programs, types
// and slots, copies, loads bank and program state and steps through presets.
// Meant for the ThreadSanitizer build, where any race it reaches fails it.
#include "EditorFixture.h"

#include <random>
#include <thread>

TEST_F (EditorTest, EveryThreadAtOnce)
{
    preset ("A.mdtz", presetText());
    processor->setParameter (7, 0.9f);
    preset ("B.mdtz", presetText());
    juce::MemoryBlock bank, program;
    processor->getStateInformation (bank);
    processor->getCurrentProgramStateInformation (program);
    auto& e = open();
    auto& parameters = processor->getParameters();
    processor->prepareToPlay (48000.0, 256);

    std::atomic<bool> done { false };
    std::thread audio ([&]
                       {
                           std::mt19937 random (1);
                           juce::AudioBuffer<float> block (2, 256);
                           juce::MidiBuffer midi;
                           while (! done)
                           {
                               parameters[(int) (random() % 11)]->setValue ((float) (random() % 101) / 100.0f);
                               block.clear();
                               block.setSample (0, 0, 0.5f);
                               processor->processBlock (block, midi);
                           }
                       });
    std::thread host ([&]
                      {
                          while (! done)
                              for (auto* parameter : parameters)
                                  if (parameter->getCurrentValueAsText().isEmpty() || processor->getCurrentProgram() > 11)
                                      ADD_FAILURE();
                      });

    const char* seconds = std::getenv ("PANDREL_STRESS_SECONDS");
    const auto end = juce::Time::getMillisecondCounter() + 1000u * (juce::uint32) (seconds != nullptr ? std::atoi (seconds) : 30);
    for (int step = 0; juce::Time::getMillisecondCounter() < end; ++step)
    {
        switch (step % 8)
        {
            case 0: processor->setCurrentProgram (step % 12); break;
            case 1: processor->setParameterNotifyingHost (1, (float) (step % 3) * 0.5f); break;
            case 2: paneltest::click (e, "abButton_"); break;
            case 3: paneltest::click (e, "abCopyButton_"); break;
            case 4: processor->setStateInformation (bank.getData(), (int) bank.getSize()); break;
            case 5: processor->setCurrentProgramStateInformation (program.getData(), (int) program.getSize()); break;
            case 6: paneltest::click (e, step % 16 < 8 ? "presetIncButton_" : "presetDecButton_"); break;
            default: processor->getStateInformation (bank); break;
        }
        tick();
        paneltest::pump();
    }
    done = true;
    audio.join();
    host.join();
    processor->releaseResources();
}
