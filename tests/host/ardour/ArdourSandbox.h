#pragma once

#include "HostProcess.h"

#include <juce_audio_basics/juce_audio_basics.h>
#include <juce_core/juce_core.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

// Debian's ardour 7, driven headless in a folder of its own: a fresh HOME
// with a configuration that knows only our plug-in folders and exports
// without pre-roll, empty plug-in paths for the other formats, and the Dummy
// audio backend. Every host program runs with that environment; its output
// is kept in a log in the folder.
//
// ardour's export tool aborts now and then ("double free or corruption", in
// its export channels' destructor) after it has written its output. Such a
// crash gets one retry of the step; the retry has to end cleanly. A step that
// hangs (ardour's butler and process graph waiting on each other, seen once
// in some two hundred exports under load) fails at its time limit.
class ArdourSandbox
{
public:
    enum class Format { vst2, vst3 };

    ArdourSandbox();
    ~ArdourSandbox();

    // False, with a reason in problem(), when ardour is not installed.
    static bool isInstalled (std::string& problem);

    // Copies the plug-in (a .so or a .vst3 bundle) into the sandbox and has
    // the format's scanner index it.
    bool installAndScan (Format format, const juce::File& plugin);

    // Records a few seconds of the Dummy backend's noise into a stereo track,
    // puts the plug-in on the track with the parameters set before it is
    // activated, and saves the session.
    bool createSession (Format format, double bpm, double seconds, const std::vector<float>& parameters);

    // A session of two tracks, "VST3" and "VST2", each with the plug-in of
    // that format, its parameters set; nothing recorded.
    bool createWindowSession (const std::vector<float>& parameters);
    juce::File sessionFile() const;
    juce::File home() const { return homeFolder; }
    // What every host program runs with.
    const std::map<std::string, std::string>& environment() const { return env; }

    // The recorded take as ardour stored it, the track's dry input.
    juce::AudioBuffer<float> recordedTake() const;

    // Renders the saved session through the master bus into a 32-bit float
    // WAV, as ardour's export tool does: from the session's start, the track
    // played from disk through the plug-in.
    bool exportSession (const juce::File& wav);

    // Opens the saved session, reads the plug-in's parameters as restored,
    // and saves the session again.
    bool reopenSession (std::vector<float>& restoredParameters);

    const std::string& problem() const { return lastProblem; }
    juce::File folder() const { return root; }
    static constexpr const char* sessionName = "take";
    static constexpr const char* pluginName = "Pandrel TQ4418";

    // Kept for a look after a failure.
    void keep() { keepFolder = true; }

private:
    HostRun run (const std::vector<std::string>& command, const std::string& logName);
    // One step with the crash policy: written() tells whether the step's
    // output is there; clean() removes it before the retry.
    bool runStep (const std::vector<std::string>& command, const std::string& logName,
                  const std::function<bool (const HostRun&)>& written, const std::function<void()>& clean);

    juce::File root, homeFolder, lxvstFolder, vst3Folder, emptyFolder, sessionFolder;
    std::map<std::string, std::string> env;
    std::string lastProblem;
    bool keepFolder = false;
};
