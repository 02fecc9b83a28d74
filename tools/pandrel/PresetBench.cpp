// pandrel bench presets: what a large or tangled preset folder costs the
// message thread, where the editor reads it: building the preset menu's tree,
// opening the editor (until its preset name has settled) and a program change
// from the host (the same). Folders, each made in a throw-away home: none
// (what the editor costs without presets); 10 000 presets in 100
// sub-folders; eight sibling folders that each hold a preset and a link to
// every other; and a chain of 1 000 nested folders with a preset at each level.
#include "PresetBench.h"

#include "Median.h"
#include "PandrelTQ4418AudioProcessorEditor.h"
#include "ThrowAwayHome.h"

#include <MorvidPresetFolder.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>

#include <unistd.h>

namespace
{
constexpr int runs = 7;
using Clock = std::chrono::steady_clock;

struct Folder
{
    const char* name;
    std::function<void (const juce::File& root, const juce::File& preset)> make;
    const char* slotA; // the preset the two programs switched between name
    const char* slotB;
};

// Presets are links to one file: quicker to make by the thousand.
void linkPreset (const juce::File& preset, const juce::File& at)
{
    at.getParentDirectory().createDirectory();
    [[maybe_unused]] const auto made = ::link (preset.getFullPathName().toRawUTF8(), at.getFullPathName().toRawUTF8());
}

const Folder folders[] {
    { "none (the editor alone)", [] (const juce::File&, const juce::File&) {}, "Init.mdtz", "Init.mdtz" },
    { "10 000 presets",
      [] (const juce::File& root, const juce::File& preset) {
          for (int f = 0; f < 100; ++f)
              for (int p = 0; p < 100; ++p)
                  linkPreset (preset, root.getChildFile ("Bank " + juce::String (f) + "/Preset " + juce::String (p) + ".mdtz"));
      },
      "Bank 7/Preset 3.mdtz", "Bank 93/Preset 99.mdtz" },
    { "linked siblings (8)",
      [] (const juce::File& root, const juce::File& preset) {
          for (int i = 0; i < 8; ++i)
          {
              linkPreset (preset, root.getChildFile ("M" + juce::String (i) + "/p.mdtz"));
              for (int j = 0; j < 8; ++j)
                  if (j != i)
                      root.getChildFile ("M" + juce::String (j))
                          .createSymbolicLink (root.getChildFile ("M" + juce::String (i) + "/to" + juce::String (j)), false);
          }
      },
      "M1/p.mdtz", "M6/p.mdtz" },
    { "depth 1000",
      [] (const juce::File& root, const juce::File& preset) {
          juce::String chain;
          for (int level = 0; level < 1000; ++level)
              linkPreset (preset, root.getChildFile ((chain += "d/") + "p.mdtz"));
      },
      "d/p.mdtz", "d/d/d/d/d/d/d/d/d/d/p.mdtz" },
};

// Median ms of `runs` runs of `work`, each after `prepare`.
double medianMs (const std::function<void()>& prepare, const std::function<void()>& work)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run)
    {
        prepare();
        const auto start = Clock::now();
        work();
        times.push_back (std::chrono::duration<double, std::milli> (Clock::now() - start).count());
    }
    return median (times);
}

// The editor's resync after a program change runs on its next three ticks.
void settle (PandrelTQ4418AudioProcessorEditor& editor)
{
    for (int tick = 0; tick < 3; ++tick)
        editor.timerCallback();
}

void benchFolder (const Folder& folder)
{
    ThrowAwayHome home ("pandrel-bench-presets-");
    const auto root = MorvidPresetFolder::getPresetFolder();
    root.createDirectory();

    PandrelTQ4418AudioProcessor processor;
    const auto preset = home.folder.getChildFile ("preset.mdtz");
    preset.replaceWithText (processor.writePreset (true).toString());
    folder.make (root, preset);
    processor.programs[0].name[0] = folder.slotA;
    processor.programs[1].name[0] = folder.slotB;

    MorvidPresetMenu menu ("presetMenu_");
    menu.setDirectoryPath (root.getFullPathName());
    menu.setFileExtension (MorvidPresetFolder::wildcard);
    menu.setSelectedFilePath (folder.slotA);
    const auto build = medianMs ([] {}, [&menu] { menu.createMenuTree(); });

    std::unique_ptr<PandrelTQ4418AudioProcessorEditor> editor;
    const auto open = medianMs ([&editor] { editor.reset(); },
                                [&editor, &processor] {
                                    editor.reset (static_cast<PandrelTQ4418AudioProcessorEditor*> (processor.createEditor()));
                                    settle (*editor);
                                });

    int program = 0;
    const auto change = medianMs ([] {}, [&] {
        processor.setCurrentProgram (program = 1 - program);
        settle (*editor);
    });
    editor.reset();

    std::printf ("%-24s %8d %12.1f %12.1f %15.1f\n", folder.name, menu.getNumOfFiles() - 1, build, open, change);
}
} // namespace

int pandrel::runPresetBench (int argc, char**)
{
    if (argc != 0)
    {
        std::fprintf (stderr, "usage: pandrel bench presets\n");
        return 2;
    }

    juce::ScopedJuceInitialiser_GUI gui;
    std::printf ("Median ms of %d runs on the message thread; presets: the files the preset menu lists.\n\n", runs);
    std::printf ("%-24s %8s %12s %12s %15s\n", "preset folder", "presets", "menu build", "editor open", "program change");
    for (const auto& folder : folders)
        benchFolder (folder);
    return 0;
}
