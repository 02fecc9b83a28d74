#include "AAX_VAutomationDelegate.h"

#include "AAX_Errors.h"
#include "AAX_HostQuery.h"

AAX_VAutomationDelegate::AAX_VAutomationDelegate (IACFUnknown* host)
    : v1 (AAX_HostQuery::query<AAX_IACFAutomationDelegate> (host, IID_IAAXAutomationDelegateV1))
{
}

AAX_VAutomationDelegate::~AAX_VAutomationDelegate() = default;

AAX_Result AAX_VAutomationDelegate::RegisterParameter (AAX_CParamID id)
{
    return v1 ? v1->RegisterParameter (id) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VAutomationDelegate::UnregisterParameter (AAX_CParamID id)
{
    return v1 ? v1->UnregisterParameter (id) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VAutomationDelegate::PostSetValueRequest (AAX_CParamID id, double normalizedValue) const
{
    return v1 ? v1->PostSetValueRequest (id, normalizedValue) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VAutomationDelegate::PostCurrentValue (AAX_CParamID id, double normalizedValue) const
{
    return v1 ? v1->PostCurrentValue (id, normalizedValue) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VAutomationDelegate::PostTouchRequest (AAX_CParamID id)
{
    return v1 ? v1->PostTouchRequest (id) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VAutomationDelegate::PostReleaseRequest (AAX_CParamID id)
{
    return v1 ? v1->PostReleaseRequest (id) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VAutomationDelegate::GetTouchState (AAX_CParamID id, AAX_CBoolean* outTouched)
{
    return v1 ? v1->GetTouchState (id, outTouched) : AAX_ERROR_NULL_OBJECT;
}
