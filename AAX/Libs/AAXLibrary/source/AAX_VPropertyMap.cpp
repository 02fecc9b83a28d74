#include "AAX_VPropertyMap.h"

#include "AAX_Errors.h"
#include "AAX_HostQuery.h"

AAX_VPropertyMap::AAX_VPropertyMap (IACFUnknown* host)
    : v1 (AAX_HostQuery::create<AAX_IACFPropertyMap> (host, AAXCompID_AAXPropertyMap, IID_IAAXPropertyMapV1)),
      v2 (AAX_HostQuery::query<AAX_IACFPropertyMap_V2> (v1.get(), IID_IAAXPropertyMapV2))
{
}

AAX_VPropertyMap::~AAX_VPropertyMap() = default;

AAX_CBoolean AAX_VPropertyMap::GetProperty (AAX_EProperty property, AAX_CPropertyValue* outValue) const
{
    return v1 ? v1->GetProperty (property, outValue) : AAX_CBoolean (false);
}

AAX_Result AAX_VPropertyMap::AddProperty (AAX_EProperty property, AAX_CPropertyValue value)
{
    return v1 ? v1->AddProperty (property, value) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VPropertyMap::RemoveProperty (AAX_EProperty property)
{
    return v1 ? v1->RemoveProperty (property) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VPropertyMap::AddPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad* ids,
                                                     std::uint32_t count)
{
    return v2 ? v2->AddPropertyWithIDArray (property, ids, count) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_CBoolean AAX_VPropertyMap::GetPropertyWithIDArray (AAX_EProperty property,
                                                       const AAX_SPlugInIdentifierTriad** outIDs,
                                                       std::uint32_t* outCount) const
{
    return v2 ? v2->GetPropertyWithIDArray (property, outIDs, outCount) : AAX_CBoolean (false);
}

IACFUnknown* AAX_PropertyMapUnknown (AAX_IPropertyMap* map)
{
    const auto* wrapper = dynamic_cast<AAX_VPropertyMap*> (map);
    return wrapper != nullptr ? wrapper->GetIUnknown() : nullptr;
}
