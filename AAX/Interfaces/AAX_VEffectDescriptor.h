#pragma once

// A host effect descriptor, made through the host's component factory. Owns
// the component descriptors and property maps it makes.

#include "ACF/AAX_ACFHostInterfaces.h"
#include "ACFPtr.h"
#include "AAX_IEffectDescriptor.h"

#include <memory>
#include <vector>

class AAX_VComponentDescriptor;
class AAX_VPropertyMap;

class AAX_VEffectDescriptor : public AAX_IEffectDescriptor
{
public:
    explicit AAX_VEffectDescriptor (IACFUnknown* host);
    ~AAX_VEffectDescriptor() override;

    AAX_IComponentDescriptor* NewComponentDescriptor() override;
    AAX_Result AddComponent (AAX_IComponentDescriptor* component) override;
    AAX_Result AddName (const char* name) override;
    AAX_Result AddCategory (std::uint32_t category) override;
    AAX_Result AddCategoryBypassParameter (std::uint32_t category, AAX_CParamID id) override;
    AAX_Result AddProcPtr (void* procPtr, AAX_CProcPtrID procID) override;
    AAX_IPropertyMap* NewPropertyMap() override;
    AAX_Result SetProperties (AAX_IPropertyMap* properties) override;
    AAX_Result AddResourceInfo (AAX_EResourceType type, const char* info) override;
    AAX_Result AddMeterDescription (AAX_CTypeID meter, const char* name, AAX_IPropertyMap* properties) override;
    AAX_Result AddControlMIDINode (AAX_CTypeID node, AAX_EMIDINodeType type, const char* name,
                                   std::uint32_t channelMask) override;

    IACFUnknown* GetIUnknown() const { return v1.get(); }

private:
    ACFPtr<IACFUnknown> host;
    ACFPtr<AAX_IACFEffectDescriptor> v1;
    ACFPtr<AAX_IACFEffectDescriptor_V2> v2;
    std::vector<std::unique_ptr<AAX_VComponentDescriptor>> componentDescriptors;
    std::vector<std::unique_ptr<AAX_VPropertyMap>> propertyMaps;
};
