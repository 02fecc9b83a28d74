#pragma once

// The module-wide host services: installed by the module's start-up entry,
// removed by its shut-down entry, used by library code to trace.

#include "ACF/AAX_ACFTypes.h"

class AAX_CHostServices
{
public:
    // Installs a wrapper on host when none is installed; null removes the
    // installed one. A second host while one is installed is ignored.
    static void Set (IACFUnknown* host);

    // printf-style, cut to 511 characters; 0 without formatting when no
    // host services are installed.
    static AAX_Result Trace (AAX_ETracePriorityHost priority, const char* format, ...)
        __attribute__ ((format (printf, 2, 3)));
};
