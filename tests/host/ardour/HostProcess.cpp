#include "HostProcess.h"

#include <chrono>
#include <csignal>
#include <fstream>
#include <sstream>
#include <thread>

#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

std::string HostRun::summary() const
{
    std::ostringstream text;
    if (! started)
        text << "did not start";
    else if (timedOut)
        text << "timed out";
    else if (crashed)
        text << "crashed (signal " << exitCode << ")";
    else
        text << "exit code " << exitCode;
    text << "\n--- output ---\n" << output;
    return text.str();
}

namespace
{
// Starts the command in a process group of its own, with nothing but
// `environment`, stdout and stderr into the log; -1 if it could not fork.
int launch (const std::vector<std::string>& command, const std::map<std::string, std::string>& environment,
            const std::string& logFile)
{
    std::vector<std::string> envText;
    for (const auto& [name, value] : environment)
        envText.push_back (name + "=" + value);
    std::vector<char*> argv, envp;
    for (const auto& word : command)
        argv.push_back (const_cast<char*> (word.c_str()));
    argv.push_back (nullptr);
    for (const auto& entry : envText)
        envp.push_back (const_cast<char*> (entry.c_str()));
    envp.push_back (nullptr);

    const pid_t pid = fork();
    if (pid == 0)
    {
        // Ended with the test, also when the test itself is ended abruptly.
        prctl (PR_SET_PDEATHSIG, SIGTERM);
        setpgid (0, 0);
        const int log = open (logFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int nothing = open ("/dev/null", O_RDONLY);
        if (log < 0 || nothing < 0)
            _exit (127);
        dup2 (nothing, STDIN_FILENO);
        dup2 (log, STDOUT_FILENO);
        dup2 (log, STDERR_FILENO);
        execve (argv[0], argv.data(), envp.data());
        _exit (127);
    }
    if (pid > 0)
        setpgid (pid, pid); // also here, so that it is a group before anyone signals it
    return pid;
}
} // namespace

HostRun runHostProgram (const std::vector<std::string>& command, const std::map<std::string, std::string>& environment,
                        const std::string& logFile, int timeoutSeconds)
{
    HostRun run;
    const pid_t pid = launch (command, environment, logFile);
    if (pid < 0)
        return run;
    run.started = true;

    int status = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds (timeoutSeconds);
    while (waitpid (pid, &status, WNOHANG) == 0)
    {
        if (std::chrono::steady_clock::now() > deadline)
        {
            run.timedOut = true;
            kill (-pid, SIGKILL);
            waitpid (pid, &status, 0);
            break;
        }
        std::this_thread::sleep_for (std::chrono::milliseconds (20));
    }

    if (WIFSIGNALED (status))
    {
        run.crashed = ! run.timedOut;
        run.exitCode = WTERMSIG (status);
    }
    else if (WIFEXITED (status))
    {
        run.exitCode = WEXITSTATUS (status);
    }

    std::ifstream log (logFile);
    std::ostringstream text;
    text << log.rdbuf();
    run.output = text.str();
    return run;
}

RunningProgram::RunningProgram (const std::vector<std::string>& command,
                                const std::map<std::string, std::string>& environment, const std::string& logFile)
    : pid (launch (command, environment, logFile))
{
}

bool RunningProgram::running()
{
    int status = 0;
    if (pid > 0 && waitpid (pid, &status, WNOHANG) == pid)
        pid = -1;
    return pid > 0;
}

void RunningProgram::stop()
{
    if (! running())
        return;
    kill (-pid, SIGTERM);
    for (int waited = 0; waited < 1000 && running(); waited += 20)
        std::this_thread::sleep_for (std::chrono::milliseconds (20));
    if (pid > 0)
    {
        kill (-pid, SIGKILL);
        waitpid (pid, nullptr, 0);
        pid = -1;
    }
}
