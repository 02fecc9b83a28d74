#pragma once

// Forwards to the host's view container by interface version. Without
// version 1 the type is 0, the view null, a resize succeeds and the modifier
// and mouse calls are unsupported (-20009).

#include "ACF/AAX_ACFHostInterfaces.h"
#include "ACFPtr.h"
#include "AAX_IViewContainer.h"

class AAX_VViewContainer : public AAX_IViewContainer
{
public:
    explicit AAX_VViewContainer (IACFUnknown* container);
    ~AAX_VViewContainer() override;

    std::int32_t GetType() override;
    void* GetPtr() override;
    AAX_Result GetModifiers (std::uint32_t* outModifiers) override;
    AAX_Result SetViewSize (AAX_Point& size) override;
    AAX_Result HandleParameterMouseDown (AAX_CParamID id, std::uint32_t modifiers) override;
    AAX_Result HandleParameterMouseDrag (AAX_CParamID id, std::uint32_t modifiers) override;
    AAX_Result HandleParameterMouseUp (AAX_CParamID id, std::uint32_t modifiers) override;
    AAX_Result HandleMultipleParametersMouseDown (const AAX_CParamID* ids, std::uint32_t count,
                                                  std::uint32_t modifiers) override;
    AAX_Result HandleMultipleParametersMouseDrag (const AAX_CParamID* ids, std::uint32_t count,
                                                  std::uint32_t modifiers) override;
    AAX_Result HandleMultipleParametersMouseUp (const AAX_CParamID* ids, std::uint32_t count,
                                                std::uint32_t modifiers) override;

private:
    ACFPtr<AAX_IACFViewContainer> v1;
    ACFPtr<AAX_IACFViewContainer_V2> v2;
};
