#include "Commands.h"

#include <cstdio>

int pandrel::runRender (int, char**)
{
    std::fprintf (stderr, "render: not available yet\n");
    return 1;
}
