#include "AAX_CHostServices.h"

#include "AAX_VHostServices.h"

#include <cstdarg>
#include <cstdio>

namespace
{
// Installed and removed only by the module's start-up and shut-down entries.
AAX_VHostServices* installed = nullptr;
} // namespace

void AAX_CHostServices::Set (IACFUnknown* host)
{
    if (installed == nullptr && host != nullptr)
        installed = new AAX_VHostServices (host);
    else if (installed != nullptr && host == nullptr)
    {
        delete installed;
        installed = nullptr;
    }
}

AAX_Result AAX_CHostServices::Trace (AAX_ETracePriorityHost priority, const char* format, ...)
{
    if (installed == nullptr || format == nullptr)
        return 0;
    char text[512];
    va_list args;
    va_start (args, format);
    const int written = std::vsnprintf (text, sizeof (text), format, args);
    va_end (args);
    if (written < 0)
        text[0] = '\0';
    return installed->Trace (priority, text);
}
