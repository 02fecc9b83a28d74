#pragma once

// The plug-in's view of the host window its GUI draws into.

#include "ACF/AAX_ACFTypes.h"

class AAX_IViewContainer
{
public:
    virtual ~AAX_IViewContainer() = default;

    virtual std::int32_t GetType() = 0; // AAX_EViewContainer_Type
    virtual void* GetPtr() = 0;
    virtual AAX_Result GetModifiers (std::uint32_t* outModifiers) = 0;
    virtual AAX_Result SetViewSize (AAX_Point& size) = 0;
    virtual AAX_Result HandleParameterMouseDown (AAX_CParamID id, std::uint32_t modifiers) = 0;
    virtual AAX_Result HandleParameterMouseDrag (AAX_CParamID id, std::uint32_t modifiers) = 0;
    virtual AAX_Result HandleParameterMouseUp (AAX_CParamID id, std::uint32_t modifiers) = 0;
    virtual AAX_Result HandleMultipleParametersMouseDown (const AAX_CParamID* ids, std::uint32_t count,
                                                          std::uint32_t modifiers) = 0;
    virtual AAX_Result HandleMultipleParametersMouseDrag (const AAX_CParamID* ids, std::uint32_t count,
                                                          std::uint32_t modifiers) = 0;
    virtual AAX_Result HandleMultipleParametersMouseUp (const AAX_CParamID* ids, std::uint32_t count,
                                                        std::uint32_t modifiers) = 0;
};
