#include "AAX_VComponentDescriptor.h"

#include "AAX_Errors.h"
#include "AAX_HostQuery.h"
#include "AAX_VPropertyMap.h"

AAX_VComponentDescriptor::AAX_VComponentDescriptor (IACFUnknown* hostObject)
    : host (AAX_HostQuery::hold (hostObject)),
      v1 (AAX_HostQuery::create<AAX_IACFComponentDescriptor> (hostObject, AAXCompID_AAXComponentDescriptor,
                                                               IID_IAAXComponentDescriptorV1)),
      v2 (AAX_HostQuery::query<AAX_IACFComponentDescriptor_V2> (v1.get(), IID_IAAXComponentDescriptorV2))
{
}

AAX_VComponentDescriptor::~AAX_VComponentDescriptor() = default;

AAX_Result AAX_VComponentDescriptor::Clear() { return v1 ? v1->Clear() : AAX_ERROR_NULL_OBJECT; }

AAX_Result AAX_VComponentDescriptor::AddAudioIn (AAX_CFieldIndex field)
{
    return v1 ? v1->AddAudioIn (field) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddAudioOut (AAX_CFieldIndex field)
{
    return v1 ? v1->AddAudioOut (field) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddAudioBufferLength (AAX_CFieldIndex field)
{
    return v1 ? v1->AddAudioBufferLength (field) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddSampleRate (AAX_CFieldIndex field)
{
    return v1 ? v1->AddSampleRate (field) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddClock (AAX_CFieldIndex field)
{
    return v1 ? v1->AddClock (field) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddSideChainIn (AAX_CFieldIndex field)
{
    return v1 ? v1->AddSideChainIn (field) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddDataInPort (AAX_CFieldIndex field, std::uint32_t packetSize,
                                                    AAX_EDataInPortType type)
{
    return v1 ? v1->AddDataInPort (field, packetSize, type) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddAuxOutputStem (AAX_CFieldIndex field, std::int32_t stemFormat,
                                                       const char* name)
{
    return v1 ? v1->AddAuxOutputStem (field, stemFormat, name) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddPrivateData (AAX_CFieldIndex field, std::int32_t dataSize,
                                                     std::uint32_t options)
{
    return v1 ? v1->AddPrivateData (field, dataSize, options) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddTemporaryData (AAX_CFieldIndex field, std::uint32_t dataElementSize)
{
    return v2 ? v2->AddTemporaryData (field, dataElementSize) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VComponentDescriptor::AddDmaInstance (AAX_CFieldIndex field, AAX_EDmaMode mode)
{
    return v1 ? v1->AddDmaInstance (field, mode) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddMeters (AAX_CFieldIndex field, const AAX_CTypeID* meterIDs,
                                                std::uint32_t count)
{
    return v1 ? v1->AddMeters (field, meterIDs, count) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddMIDINode (AAX_CFieldIndex field, AAX_EMIDINodeType type, const char* name,
                                                  std::uint32_t channelMask)
{
    return v1 ? v1->AddMIDINode (field, type, name, channelMask) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddReservedField (AAX_CFieldIndex field, std::uint32_t fieldType)
{
    return v1 ? v1->AddReservedField (field, fieldType) : AAX_ERROR_NULL_OBJECT;
}

AAX_IPropertyMap* AAX_VComponentDescriptor::NewPropertyMap()
{
    propertyMaps.push_back (std::make_unique<AAX_VPropertyMap> (host.get()));
    return propertyMaps.back().get();
}

AAX_IPropertyMap* AAX_VComponentDescriptor::DuplicatePropertyMap (AAX_IPropertyMap* source)
{
    auto* copy = NewPropertyMap();
    if (source == nullptr)
        return copy;
    for (std::int32_t id = AAX_eProperty_MinProp; id <= AAX_eProperty_MaxProp; ++id)
    {
        const auto property = static_cast<AAX_EProperty> (id);
        AAX_CPropertyValue value = 0;
        if (source->GetProperty (property, &value))
            copy->AddProperty (property, value);
    }
    return copy;
}

AAX_Result AAX_VComponentDescriptor::AddProcessProc_Native (AAX_CProcessProc process, AAX_IPropertyMap* properties,
                                                            AAX_CInstanceInitProc instanceInit,
                                                            AAX_CBackgroundProc background,
                                                            AAX_CSelector* outSelector)
{
    return v1 ? v1->AddProcessProc_Native (process, AAX_PropertyMapUnknown (properties), instanceInit, background,
                                           outSelector)
              : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddProcessProc_TI (const char* dllName, const char* processName,
                                                        AAX_IPropertyMap* properties, const char* instanceInitName,
                                                        const char* backgroundName, AAX_CSelector* outSelector)
{
    return v1 ? v1->AddProcessProc_TI (dllName, processName, AAX_PropertyMapUnknown (properties), instanceInitName,
                                       backgroundName, outSelector)
              : AAX_ERROR_NULL_OBJECT;
}
