#include "AAX_VHostServices.h"

#include "AAX_Errors.h"
#include "AAX_HostQuery.h"

AAX_VHostServices::AAX_VHostServices (IACFUnknown* host)
    : v1 (AAX_HostQuery::create<AAX_IACFHostServices> (host, AAXCompID_HostServices, IID_IAAXHostServicesV1)),
      v2 (AAX_HostQuery::create<AAX_IACFHostServices_V2> (host, AAXCompID_HostServices, IID_IAAXHostServicesV2))
{
}

AAX_VHostServices::~AAX_VHostServices() = default;

AAX_Result AAX_VHostServices::Assert (const char* file, std::int32_t line, const char* note)
{
    return v1 ? v1->Assert (file, line, note) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VHostServices::Trace (std::int32_t priority, const char* message)
{
    return v1 ? v1->Trace (priority, message) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VHostServices::StackTrace (std::int32_t traceType, std::int32_t stackTraceType, const char* message)
{
    return v2 ? v2->StackTrace (traceType, stackTraceType, message) : AAX_ERROR_UNIMPLEMENTED;
}
