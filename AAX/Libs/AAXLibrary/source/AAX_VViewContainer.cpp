#include "AAX_VViewContainer.h"

#include "AAX_Errors.h"
#include "AAX_HostQuery.h"

AAX_VViewContainer::AAX_VViewContainer (IACFUnknown* container)
    : v1 (AAX_HostQuery::query<AAX_IACFViewContainer> (container, IID_IAAXViewContainerV1)),
      v2 (AAX_HostQuery::query<AAX_IACFViewContainer_V2> (container, IID_IAAXViewContainerV2))
{
}

AAX_VViewContainer::~AAX_VViewContainer() = default;

std::int32_t AAX_VViewContainer::GetType() { return v1 ? v1->GetType() : AAX_eViewContainer_Type_NULL; }

void* AAX_VViewContainer::GetPtr() { return v1 ? v1->GetPtr() : nullptr; }

AAX_Result AAX_VViewContainer::GetModifiers (std::uint32_t* outModifiers)
{
    return v1 ? v1->GetModifiers (outModifiers) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VViewContainer::SetViewSize (AAX_Point& size) { return v1 ? v1->SetViewSize (size) : AAX_SUCCESS; }

AAX_Result AAX_VViewContainer::HandleParameterMouseDown (AAX_CParamID id, std::uint32_t modifiers)
{
    return v1 ? v1->HandleParameterMouseDown (id, modifiers) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VViewContainer::HandleParameterMouseDrag (AAX_CParamID id, std::uint32_t modifiers)
{
    return v1 ? v1->HandleParameterMouseDrag (id, modifiers) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VViewContainer::HandleParameterMouseUp (AAX_CParamID id, std::uint32_t modifiers)
{
    return v1 ? v1->HandleParameterMouseUp (id, modifiers) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VViewContainer::HandleMultipleParametersMouseDown (const AAX_CParamID* ids, std::uint32_t count,
                                                                  std::uint32_t modifiers)
{
    return v2 ? v2->HandleMultipleParametersMouseDown (ids, count, modifiers) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VViewContainer::HandleMultipleParametersMouseDrag (const AAX_CParamID* ids, std::uint32_t count,
                                                                  std::uint32_t modifiers)
{
    return v2 ? v2->HandleMultipleParametersMouseDrag (ids, count, modifiers) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VViewContainer::HandleMultipleParametersMouseUp (const AAX_CParamID* ids, std::uint32_t count,
                                                                std::uint32_t modifiers)
{
    return v2 ? v2->HandleMultipleParametersMouseUp (ids, count, modifiers) : AAX_ERROR_UNIMPLEMENTED;
}
