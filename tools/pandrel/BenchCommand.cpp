#include "Commands.h"

#include <cstdio>

int pandrel::runBench (int, char**)
{
    std::fprintf (stderr, "bench: not available yet\n");
    return 1;
}
