#include "ArdourSandbox.h"

#include "Takes.h"
#include "WavFile.h"

#include <chrono>
#include <cstdio>

namespace
{
const char* const luaTool = "/usr/bin/ardour7-lua";
const char* const exportTool = "/usr/bin/ardour7-export";
const char* const vst2Scanner = "/usr/lib/ardour7/ardour-vst-scanner";
const char* const vst3Scanner = "/usr/lib/ardour7/ardour-vst3-scanner";
const char* const ardourLibraries = "/usr/lib/ardour7";

constexpr int stepTimeoutSeconds = 90;
constexpr int brokenTakeExitCode = 3; // as create_session.lua says

juce::String scriptPath (const char* name)
{
    return juce::File (PANDREL_ARDOUR_SCRIPTS).getChildFile (name).getFullPathName();
}

// ardour trusts its plug-in cache only when the plug-in is older than the
// cache file, to the second; a plug-in built this very second would be
// skipped. The copies are dated a minute back.
void dateBack (const juce::File& file)
{
    const auto past = juce::Time::getCurrentTime() - juce::RelativeTime::minutes (1);
    file.setLastModificationTime (past);
    if (file.isDirectory())
        for (const auto& child : file.findChildFiles (juce::File::findFilesAndDirectories, true))
            child.setLastModificationTime (past);
}
} // namespace

ArdourSandbox::ArdourSandbox()
{
    root = juce::File::getSpecialLocation (juce::File::tempDirectory).getNonexistentChildFile (
        "pandrel-ardour-" + juce::String::toHexString (juce::Random::getSystemRandom().nextInt()), "", false);
    homeFolder = root.getChildFile ("home");
    lxvstFolder = root.getChildFile ("plugins/lxvst");
    vst3Folder = root.getChildFile ("plugins/vst3");
    emptyFolder = root.getChildFile ("plugins/none");
    sessionFolder = root.getChildFile (sessionName);
    for (const auto& dir : { homeFolder.getChildFile (".config/ardour7"), lxvstFolder, vst3Folder, emptyFolder })
        dir.createDirectory();

    // The Dummy backend, shown and started at once, so that ardour's own
    // window opens a session with no dialog first; the marker file tells it
    // this is not its first run.
    homeFolder.getChildFile (".config/ardour7/config")
        .replaceWithText ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Ardour>\n  <Config>\n"
                          "    <Option name=\"plugin-path-lxvst\" value=\"" + lxvstFolder.getFullPathName() + "\"/>\n"
                          "    <Option name=\"plugin-path-vst3\" value=\"" + vst3Folder.getFullPathName() + "\"/>\n"
                          "    <Option name=\"export-preroll\" value=\"0\"/>\n"
                          "    <Option name=\"hide-dummy-backend\" value=\"0\"/>\n"
                          "    <Option name=\"try-autostart-engine\" value=\"1\"/>\n"
                          "  </Config>\n  <Extra>\n    <AudioMIDISetup>\n      <EngineStates>\n"
                          "        <State backend=\"None (Dummy)\" driver=\"Normal Speed\" device=\"Silence\" input-device=\"\""
                          " output-device=\"\" sample-rate=\"48000\" buffer-size=\"1024\" n-periods=\"0\" input-latency=\"0\""
                          " output-latency=\"0\" lm-input=\"\" lm-output=\"\" active=\"1\" use-buffered-io=\"0\""
                          " midi-option=\"1 in, 1 out, Silence\" lru=\"1\"><MIDIDevices/></State>\n"
                          "      </EngineStates>\n    </AudioMIDISetup>\n  </Extra>\n</Ardour>\n");
    homeFolder.getChildFile (".config/ardour7/.a7").create();

    // Nothing of the caller's environment but the basics: no display, no
    // other plug-in or configuration folders.
    for (const char* name : { "PATH", "LANG", "TMPDIR" })
        if (const char* value = std::getenv (name))
            env[name] = value;
    env["HOME"] = homeFolder.getFullPathName().toStdString();
    env["XDG_CONFIG_HOME"] = homeFolder.getChildFile (".config").getFullPathName().toStdString();
    env["XDG_CACHE_HOME"] = homeFolder.getChildFile (".cache").getFullPathName().toStdString();
    env["XDG_DATA_HOME"] = homeFolder.getChildFile (".local/share").getFullPathName().toStdString();
    env["LXVST_PATH"] = lxvstFolder.getFullPathName().toStdString();
    env["VST3_PATH"] = vst3Folder.getFullPathName().toStdString();
    env["LV2_PATH"] = emptyFolder.getFullPathName().toStdString();
    env["LADSPA_PATH"] = emptyFolder.getFullPathName().toStdString();
    // The scanners are started directly; the other tools set these themselves.
    env["LD_LIBRARY_PATH"] = ardourLibraries;
}

ArdourSandbox::~ArdourSandbox()
{
    if (! keepFolder)
        root.deleteRecursively();
}

bool ArdourSandbox::isInstalled (std::string& problem)
{
    for (const char* program : { luaTool, exportTool, vst2Scanner, vst3Scanner })
        if (! juce::File (program).existsAsFile())
        {
            problem = std::string (program) + " is missing: ardour is not installed (scripts/setup-debian.sh installs it)";
            return false;
        }
    return true;
}

HostRun ArdourSandbox::run (const std::vector<std::string>& command, const std::string& logName)
{
    return runHostProgram (command, env, root.getChildFile (logName).getFullPathName().toStdString(),
                           stepTimeoutSeconds);
}

bool ArdourSandbox::runStep (const std::vector<std::string>& command, const std::string& logName,
                             const std::function<bool (const HostRun&)>& written, const std::function<void()>& clean)
{
    for (int attempt = 1; attempt <= 2; ++attempt)
    {
        const auto result = run (command, logName + "-" + std::to_string (attempt) + ".log");
        if (result.cleanExit() && written (result))
            return true;

        lastProblem = command[0] + " (" + logName + ", attempt " + std::to_string (attempt) + "): " + result.summary();
        // ardour 7.3 itself sometimes aborts while tearing an export down
        // (also with no plug-in loaded) or deadlocks between its butler and
        // process threads: a crash or hang gets one retry, which must then
        // end cleanly with its output. Anything else fails at once.
        // The session script exits with brokenTakeExitCode when the Dummy
        // backend dropped out while recording and split the take.
        const bool hostHiccup = result.crashed || result.timedOut || result.exitCode == brokenTakeExitCode;
        if (! hostHiccup || attempt == 2)
            return false;
        clean();
    }
    return false;
}

bool ArdourSandbox::installAndScan (Format format, const juce::File& plugin)
{
    const bool vst2 = format == Format::vst2;
    const auto copy = (vst2 ? lxvstFolder : vst3Folder).getChildFile (plugin.getFileName());
    const bool copied = plugin.isDirectory() ? plugin.copyDirectoryTo (copy) : plugin.copyFileTo (copy);
    if (! copied)
    {
        lastProblem = "cannot copy " + plugin.getFullPathName().toStdString();
        return false;
    }
    dateBack (copy);

    const auto cache = homeFolder.getChildFile (".cache/ardour7/vst");
    return runStep ({ vst2 ? vst2Scanner : vst3Scanner, "-f", copy.getFullPathName().toStdString() },
                    vst2 ? "scan-vst2" : "scan-vst3",
                    [cache] (const HostRun&) { return cache.findChildFiles (juce::File::findFiles, false).size() > 0; },
                    [cache] { cache.deleteRecursively(); });
}

bool ArdourSandbox::createSession (Format format, double bpm, double seconds, const std::vector<float>& parameters)
{
    std::vector<std::string> command { luaTool,
                                       scriptPath ("create_session.lua").toStdString(),
                                       sessionFolder.getFullPathName().toStdString(),
                                       sessionName,
                                       pluginName,
                                       format == Format::vst2 ? "LXVST" : "VST3",
                                       juce::String (bpm).toStdString(),
                                       juce::String (seconds).toStdString() };
    // Nine significant digits carry every float exactly; anything less and
    // ardour's copy of a value would differ from the plug-in's own.
    for (size_t i = 0; i < parameters.size(); ++i)
    {
        char value[32];
        std::snprintf (value, sizeof (value), "%.9g", static_cast<double> (parameters[i]));
        command.push_back (std::to_string (i) + "=" + value);
    }

    const auto saved = sessionFolder.getChildFile (juce::String (sessionName) + ".ardour");
    return runStep (command, "create",
                    [saved] (const HostRun& r) { return saved.existsAsFile() && r.output.find ("PANDREL-SAVED") != std::string::npos; },
                    [this] { sessionFolder.deleteRecursively(); });
}

juce::AudioBuffer<float> ArdourSandbox::recordedTake() const
{
    // One mono file per channel, named after the track with %L and %R.
    const auto folder = sessionFolder.getChildFile ("interchange").getChildFile (sessionName).getChildFile ("audiofiles");
    const auto left = WavFile::read (folder.findChildFiles (juce::File::findFiles, false, "*%L.wav").getFirst());
    const auto right = WavFile::read (folder.findChildFiles (juce::File::findFiles, false, "*%R.wav").getFirst());
    if (left.getNumSamples() == 0 || left.getNumSamples() != right.getNumSamples())
        return {};

    juce::AudioBuffer<float> take (2, left.getNumSamples());
    take.copyFrom (0, 0, left, 0, 0, left.getNumSamples());
    take.copyFrom (1, 0, right, 0, 0, right.getNumSamples());
    return take;
}

// Written means a WAV whose header has been completed: a crash can come
// before ardour closes the file.
bool ArdourSandbox::exportSession (const juce::File& wav)
{
    wav.deleteFile();
    return runStep ({ exportTool, "-b", "float", "-o", wav.getFullPathName().toStdString(),
                      sessionFolder.getFullPathName().toStdString(), sessionName },
                    "export-" + wav.getFileNameWithoutExtension().toStdString(),
                    [wav] (const HostRun&) { return WavFile::read (wav).getNumSamples() > 0; },
                    [wav] { wav.deleteFile(); });
}

bool ArdourSandbox::reopenSession (std::vector<float>& restoredParameters)
{
    std::string output;
    const bool ok = runStep ({ luaTool, scriptPath ("reopen_session.lua").toStdString(),
                               sessionFolder.getFullPathName().toStdString(), sessionName },
                             "reopen",
                             [&output] (const HostRun& r) {
                                 output = r.output;
                                 return r.output.find ("PANDREL-SAVED") != std::string::npos;
                             },
                             [] {});
    restoredParameters.clear();
    juce::StringArray lines;
    lines.addLines (output);
    for (const auto& line : lines)
        if (line.startsWith ("PANDREL-PARAMETER "))
            restoredParameters.push_back (line.fromLastOccurrenceOf (" ", false, false).getFloatValue());
    return ok;
}

bool ArdourSandbox::createWindowSession (const std::vector<float>& parameters)
{
    std::vector<std::string> command { luaTool, scriptPath ("window_session.lua").toStdString(),
                                       sessionFolder.getFullPathName().toStdString(), sessionName, pluginName };
    for (size_t i = 0; i < parameters.size(); ++i)
    {
        char value[32];
        std::snprintf (value, sizeof (value), "%.9g", static_cast<double> (parameters[i]));
        command.push_back (std::to_string (i) + "=" + value);
    }

    const auto saved = sessionFile();
    return runStep (command, "create-window-session",
                    [saved] (const HostRun& r) { return saved.existsAsFile() && r.output.find ("PANDREL-SAVED") != std::string::npos; },
                    [this] { sessionFolder.deleteRecursively(); });
}

juce::File ArdourSandbox::sessionFile() const
{
    return sessionFolder.getChildFile (juce::String (sessionName) + ".ardour");
}
