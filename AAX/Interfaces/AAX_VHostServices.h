#pragma once

// The host's diagnostic services, both versions made through the host's
// component factory.

#include "ACF/AAX_ACFHostInterfaces.h"
#include "ACFPtr.h"
#include "AAX_IHostServices.h"

class AAX_VHostServices : public AAX_IHostServices
{
public:
    explicit AAX_VHostServices (IACFUnknown* host);
    ~AAX_VHostServices() override;

    AAX_Result Assert (const char* file, std::int32_t line, const char* note) override;
    AAX_Result Trace (std::int32_t priority, const char* message) override;
    AAX_Result StackTrace (std::int32_t traceType, std::int32_t stackTraceType, const char* message) override;

private:
    ACFPtr<AAX_IACFHostServices> v1;
    ACFPtr<AAX_IACFHostServices_V2> v2;
};
