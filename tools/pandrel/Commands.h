#pragma once

#include <vector>

namespace pandrel
{
struct Command
{
    const char* name;
    const char* help;
    int (*run) (int argc, char** argv);
};

int runRender (int argc, char** argv);
int runBench (int argc, char** argv);
int runScreenshot (int argc, char** argv);

inline const std::vector<Command>& commands()
{
    static const std::vector<Command> list {
        { "render", "render the demo signal through the flanger models into WAV files", runRender },
        { "bench", "print the engine's cost per sample frame (plugin, presets: other costs)", runBench },
        { "screenshot", "write PNG pictures of the editor and its panels", runScreenshot },
    };
    return list;
}
} // namespace pandrel
