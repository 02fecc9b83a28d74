#pragma once

// A host property map, made through the host's component factory.

#include "ACF/AAX_ACFHostInterfaces.h"
#include "ACFPtr.h"
#include "AAX_IPropertyMap.h"

class AAX_VPropertyMap : public AAX_IPropertyMap
{
public:
    explicit AAX_VPropertyMap (IACFUnknown* host);
    ~AAX_VPropertyMap() override;

    AAX_CBoolean GetProperty (AAX_EProperty property, AAX_CPropertyValue* outValue) const override;
    AAX_Result AddProperty (AAX_EProperty property, AAX_CPropertyValue value) override;
    AAX_Result RemoveProperty (AAX_EProperty property) override;
    AAX_Result AddPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad* ids,
                                       std::uint32_t count) override;
    AAX_CBoolean GetPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad** outIDs,
                                         std::uint32_t* outCount) const override;

    // The host component, as handed to the host where a map is an argument.
    IACFUnknown* GetIUnknown() const { return v1.get(); }

private:
    ACFPtr<AAX_IACFPropertyMap> v1;
    ACFPtr<AAX_IACFPropertyMap_V2> v2;
};

// The host unknown of a property map made by one of our wrappers; null for
// null or for a map that did not come from a wrapper.
IACFUnknown* AAX_PropertyMapUnknown (AAX_IPropertyMap* map);
