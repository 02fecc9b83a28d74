#pragma once

// A set of numbered properties of a description object.

#include "ACF/AAX_ACFTypes.h"

class AAX_IPropertyMap
{
public:
    virtual ~AAX_IPropertyMap() = default;

    virtual AAX_CBoolean GetProperty (AAX_EProperty property, AAX_CPropertyValue* outValue) const = 0;
    virtual AAX_Result AddProperty (AAX_EProperty property, AAX_CPropertyValue value) = 0;
    virtual AAX_Result RemoveProperty (AAX_EProperty property) = 0;
    virtual AAX_Result AddPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad* ids,
                                               std::uint32_t count) = 0;
    virtual AAX_CBoolean GetPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad** outIDs,
                                                 std::uint32_t* outCount) const = 0;
};
