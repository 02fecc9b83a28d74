#include "AAX_VCollection.h"

#include "AAX_Errors.h"
#include "AAX_HostQuery.h"
#include "AAX_VEffectDescriptor.h"
#include "AAX_VPropertyMap.h"

AAX_VCollection::AAX_VCollection (IACFUnknown* hostObject)
    : host (AAX_HostQuery::hold (hostObject)),
      v1 (AAX_HostQuery::create<AAX_IACFCollection> (hostObject, AAXCompID_AAXCollection, IID_IAAXCollectionV1))
{
}

// Children go first: they hold references of their own to the host.
AAX_VCollection::~AAX_VCollection()
{
    effectDescriptors.clear();
    propertyMaps.clear();
}

AAX_IEffectDescriptor* AAX_VCollection::NewDescriptor()
{
    effectDescriptors.push_back (std::make_unique<AAX_VEffectDescriptor> (host.get()));
    return effectDescriptors.back().get();
}

AAX_Result AAX_VCollection::AddEffect (const char* effectID, AAX_IEffectDescriptor* descriptor)
{
    if (! v1 || descriptor == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    const auto* wrapper = dynamic_cast<AAX_VEffectDescriptor*> (descriptor);
    return v1->AddEffect (effectID, wrapper != nullptr ? wrapper->GetIUnknown() : nullptr);
}

AAX_Result AAX_VCollection::SetManufacturerName (const char* name)
{
    return v1 ? v1->SetManufacturerName (name) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VCollection::AddPackageName (const char* name)
{
    return v1 ? v1->AddPackageName (name) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VCollection::SetPackageVersion (std::uint32_t version)
{
    return v1 ? v1->SetPackageVersion (version) : AAX_ERROR_NULL_OBJECT;
}

AAX_IPropertyMap* AAX_VCollection::NewPropertyMap()
{
    propertyMaps.push_back (std::make_unique<AAX_VPropertyMap> (host.get()));
    return propertyMaps.back().get();
}

AAX_Result AAX_VCollection::SetProperties (AAX_IPropertyMap* properties)
{
    return v1 ? v1->SetProperties (AAX_PropertyMapUnknown (properties)) : AAX_ERROR_NULL_OBJECT;
}
