#pragma once

// Diagnostics into the host's log.

#include "ACF/AAX_ACFTypes.h"

class AAX_IHostServices
{
public:
    virtual ~AAX_IHostServices() = default;

    virtual AAX_Result Assert (const char* file, std::int32_t line, const char* note) = 0;
    virtual AAX_Result Trace (std::int32_t priority, const char* message) = 0;
    virtual AAX_Result StackTrace (std::int32_t traceType, std::int32_t stackTraceType, const char* message) = 0;
};
