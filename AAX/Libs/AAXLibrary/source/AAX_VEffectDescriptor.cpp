#include "AAX_VEffectDescriptor.h"

#include "AAX_Errors.h"
#include "AAX_HostQuery.h"
#include "AAX_VComponentDescriptor.h"
#include "AAX_VPropertyMap.h"

AAX_VEffectDescriptor::AAX_VEffectDescriptor (IACFUnknown* hostObject)
    : host (AAX_HostQuery::hold (hostObject)),
      v1 (AAX_HostQuery::create<AAX_IACFEffectDescriptor> (hostObject, AAXCompID_AAXEffectDescriptor,
                                                            IID_IAAXEffectDescriptorV1)),
      v2 (AAX_HostQuery::query<AAX_IACFEffectDescriptor_V2> (v1.get(), IID_IAAXEffectDescriptorV2))
{
}

// Children go first: they hold references of their own to the host.
AAX_VEffectDescriptor::~AAX_VEffectDescriptor()
{
    componentDescriptors.clear();
    propertyMaps.clear();
}

AAX_IComponentDescriptor* AAX_VEffectDescriptor::NewComponentDescriptor()
{
    componentDescriptors.push_back (std::make_unique<AAX_VComponentDescriptor> (host.get()));
    return componentDescriptors.back().get();
}

AAX_Result AAX_VEffectDescriptor::AddComponent (AAX_IComponentDescriptor* component)
{
    const auto* wrapper = dynamic_cast<AAX_VComponentDescriptor*> (component);
    return v1 ? v1->AddComponent (wrapper != nullptr ? wrapper->GetIUnknown() : nullptr) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VEffectDescriptor::AddName (const char* name)
{
    return v1 ? v1->AddName (name) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VEffectDescriptor::AddCategory (std::uint32_t category)
{
    return v1 ? v1->AddCategory (category) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VEffectDescriptor::AddCategoryBypassParameter (std::uint32_t category, AAX_CParamID id)
{
    return v1 ? v1->AddCategoryBypassParameter (category, id) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VEffectDescriptor::AddProcPtr (void* procPtr, AAX_CProcPtrID procID)
{
    return v1 ? v1->AddProcPtr (procPtr, procID) : AAX_ERROR_NULL_OBJECT;
}

AAX_IPropertyMap* AAX_VEffectDescriptor::NewPropertyMap()
{
    propertyMaps.push_back (std::make_unique<AAX_VPropertyMap> (host.get()));
    return propertyMaps.back().get();
}

AAX_Result AAX_VEffectDescriptor::SetProperties (AAX_IPropertyMap* properties)
{
    return v1 ? v1->SetProperties (AAX_PropertyMapUnknown (properties)) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VEffectDescriptor::AddResourceInfo (AAX_EResourceType type, const char* info)
{
    return v1 ? v1->AddResourceInfo (type, info) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VEffectDescriptor::AddMeterDescription (AAX_CTypeID meter, const char* name,
                                                       AAX_IPropertyMap* properties)
{
    return v1 ? v1->AddMeterDescription (meter, name, AAX_PropertyMapUnknown (properties)) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VEffectDescriptor::AddControlMIDINode (AAX_CTypeID node, AAX_EMIDINodeType type, const char* name,
                                                      std::uint32_t channelMask)
{
    return v2 ? v2->AddControlMIDINode (node, type, name, channelMask) : AAX_ERROR_UNIMPLEMENTED;
}
