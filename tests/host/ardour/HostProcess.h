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
