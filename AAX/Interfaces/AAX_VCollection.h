#pragma once

// The host's collection, made through the host's component factory. Owns the
// effect descriptors and property maps it makes.

#include "ACF/AAX_ACFHostInterfaces.h"
#include "ACFPtr.h"
#include "AAX_ICollection.h"

#include <memory>
#include <vector>

class AAX_VEffectDescriptor;
class AAX_VPropertyMap;

class AAX_VCollection : public AAX_ICollection
{
public:
    explicit AAX_VCollection (IACFUnknown* host);
    ~AAX_VCollection() override;

    AAX_IEffectDescriptor* NewDescriptor() override;
    AAX_Result AddEffect (const char* effectID, AAX_IEffectDescriptor* descriptor) override;
    AAX_Result SetManufacturerName (const char* name) override;
    AAX_Result AddPackageName (const char* name) override;
    AAX_Result SetPackageVersion (std::uint32_t version) override;
    AAX_IPropertyMap* NewPropertyMap() override;
    AAX_Result SetProperties (AAX_IPropertyMap* properties) override;

    // The host's collection object; null when the host made none.
    IACFUnknown* GetIUnknown() const { return v1.get(); }

private:
    ACFPtr<IACFUnknown> host;
    ACFPtr<AAX_IACFCollection> v1;
    std::vector<std::unique_ptr<AAX_VEffectDescriptor>> effectDescriptors;
    std::vector<std::unique_ptr<AAX_VPropertyMap>> propertyMaps;
};
