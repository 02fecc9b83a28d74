// pandrel: the project's headless tool.
//   pandrel render [--out DIR]   render the demo signal through the flanger models
//   pandrel render --plugin PATH... [--out DIR]   ... through built plug-ins (.vst3, VST 2 .so, .aax)
//   pandrel bench [plugin | presets]   print the engine's (or the whole plug-in's, or the preset menu's) cost figures
//   pandrel screenshot [--out DIR]   PNG pictures of the editor and its panels
#include "Commands.h"

#include <cstdio>
#include <cstring>

int main (int argc, char** argv)
{
    if (argc >= 2)
    {
        for (const auto& command : pandrel::commands())
            if (std::strcmp (argv[1], command.name) == 0)
                return command.run (argc - 2, argv + 2);
    }

    std::fprintf (stderr, "usage: pandrel <command> [options]\ncommands:\n");
    for (const auto& command : pandrel::commands())
        std::fprintf (stderr, "  %-10s %s\n", command.name, command.help);
    return 2;
}
