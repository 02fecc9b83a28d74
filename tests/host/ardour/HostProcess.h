#pragma once

#include <map>
#include <string>
#include <vector>

// One run of a host program: its own process group, an environment of our
// choosing, stdout and stderr together in a log file, and a time limit.
struct HostRun
{
    bool started = false;
    bool timedOut = false;
    bool crashed = false; // ended by a signal
    int exitCode = -1;
    std::string output;

    bool cleanExit() const { return started && ! timedOut && ! crashed && exitCode == 0; }
    std::string summary() const;
};

HostRun runHostProgram (const std::vector<std::string>& command, const std::map<std::string, std::string>& environment,
                        const std::string& logFile, int timeoutSeconds);

// A program left running beside the test: its own process group, an
// environment of our choosing, its output in a log file. Ended, with all it
// started, by its id when the object goes, whatever happened meanwhile.
class RunningProgram
{
public:
    RunningProgram (const std::vector<std::string>& command, const std::map<std::string, std::string>& environment,
                    const std::string& logFile);
    ~RunningProgram() { stop(); }
    RunningProgram (const RunningProgram&) = delete;
    RunningProgram& operator= (const RunningProgram&) = delete;

    bool running();
    // Asks it to end, then ends it after a second if it has not.
    void stop();

private:
    int pid = -1;
};
