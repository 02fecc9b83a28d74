#pragma once

// A host component descriptor, made through the host's component factory.
// Owns the property maps it makes.

#include "ACF/AAX_ACFHostInterfaces.h"
#include "ACFPtr.h"
#include "AAX_IComponentDescriptor.h"

#include <memory>
#include <vector>

class AAX_VPropertyMap;

class AAX_VComponentDescriptor : public AAX_IComponentDescriptor
{
public:
    explicit AAX_VComponentDescriptor (IACFUnknown* host);
    ~AAX_VComponentDescriptor() override;

    AAX_Result Clear() override;
    AAX_Result AddAudioIn (AAX_CFieldIndex field) override;
    AAX_Result AddAudioOut (AAX_CFieldIndex field) override;
    AAX_Result AddAudioBufferLength (AAX_CFieldIndex field) override;
    AAX_Result AddSampleRate (AAX_CFieldIndex field) override;
    AAX_Result AddClock (AAX_CFieldIndex field) override;
    AAX_Result AddSideChainIn (AAX_CFieldIndex field) override;
    AAX_Result AddDataInPort (AAX_CFieldIndex field, std::uint32_t packetSize, AAX_EDataInPortType type) override;
    AAX_Result AddAuxOutputStem (AAX_CFieldIndex field, std::int32_t stemFormat, const char* name) override;
    AAX_Result AddPrivateData (AAX_CFieldIndex field, std::int32_t dataSize, std::uint32_t options) override;
    AAX_Result AddTemporaryData (AAX_CFieldIndex field, std::uint32_t dataElementSize) override;
    AAX_Result AddDmaInstance (AAX_CFieldIndex field, AAX_EDmaMode mode) override;
    AAX_Result AddMeters (AAX_CFieldIndex field, const AAX_CTypeID* meterIDs, std::uint32_t count) override;
    AAX_Result AddMIDINode (AAX_CFieldIndex field, AAX_EMIDINodeType type, const char* name,
                            std::uint32_t channelMask) override;
    AAX_Result AddReservedField (AAX_CFieldIndex field, std::uint32_t fieldType) override;
    AAX_IPropertyMap* NewPropertyMap() override;
    // A new map holding every property 10..401 that the source reports.
    AAX_IPropertyMap* DuplicatePropertyMap (AAX_IPropertyMap* source) override;
    AAX_Result AddProcessProc_Native (AAX_CProcessProc process, AAX_IPropertyMap* properties,
                                      AAX_CInstanceInitProc instanceInit, AAX_CBackgroundProc background,
                                      AAX_CSelector* outSelector) override;
    AAX_Result AddProcessProc_TI (const char* dllName, const char* processName, AAX_IPropertyMap* properties,
                                  const char* instanceInitName, const char* backgroundName,
                                  AAX_CSelector* outSelector) override;

    IACFUnknown* GetIUnknown() const { return v1.get(); }

private:
    ACFPtr<IACFUnknown> host;
    ACFPtr<AAX_IACFComponentDescriptor> v1;
    ACFPtr<AAX_IACFComponentDescriptor_V2> v2;
    std::vector<std::unique_ptr<AAX_VPropertyMap>> propertyMaps;
};
