#include "DefaultApplication.h"

#include <cerrno>

#include <sys/wait.h>
#include <unistd.h>

namespace DefaultApplication
{
bool open (const juce::String& pathOrAddress)
{
    if (pathOrAddress.isEmpty())
        return false;

    // Everything the children need is made before fork: after it, only
    // async-signal-safe calls.
    const std::string argument = pathOrAddress.toStdString();
    char program[] = "xdg-open";
    char* const argv[] = { program, const_cast<char*> (argument.c_str()), nullptr };

    const pid_t child = fork();
    if (child < 0)
        return false;

    if (child == 0)
    {
        // The grandchild runs the opener, detached from the host's session
        // and without the host's open files; the child ends at once, so the
        // opener is adopted by init and never becomes the host's zombie.
        const pid_t opener = fork();
        if (opener == 0)
        {
            setsid();
            closefrom (3);
            execvp (program, argv);
            _exit (127);
        }
        _exit (opener < 0 ? 1 : 0);
    }

    int status = 0;
    while (waitpid (child, &status, 0) < 0 && errno == EINTR)
    {
    }
    return WIFEXITED (status) && WEXITSTATUS (status) == 0;
}
} // namespace DefaultApplication
