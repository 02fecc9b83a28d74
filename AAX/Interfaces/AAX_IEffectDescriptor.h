#pragma once

// Describes one effect: its names, categories, creators, components and
// properties. Components and property maps it makes are owned by it.

#include "ACF/AAX_ACFTypes.h"

class AAX_IComponentDescriptor;
class AAX_IPropertyMap;

class AAX_IEffectDescriptor
{
public:
    virtual ~AAX_IEffectDescriptor() = default;

    virtual AAX_IComponentDescriptor* NewComponentDescriptor() = 0;
    virtual AAX_Result AddComponent (AAX_IComponentDescriptor* component) = 0;
    virtual AAX_Result AddName (const char* name) = 0;
    virtual AAX_Result AddCategory (std::uint32_t category) = 0;
    virtual AAX_Result AddCategoryBypassParameter (std::uint32_t category, AAX_CParamID id) = 0;
    virtual AAX_Result AddProcPtr (void* procPtr, AAX_CProcPtrID procID) = 0;
    virtual AAX_IPropertyMap* NewPropertyMap() = 0;
    virtual AAX_Result SetProperties (AAX_IPropertyMap* properties) = 0;
    virtual AAX_Result AddResourceInfo (AAX_EResourceType type, const char* info) = 0;
    virtual AAX_Result AddMeterDescription (AAX_CTypeID meter, const char* name, AAX_IPropertyMap* properties) = 0;
    virtual AAX_Result AddControlMIDINode (AAX_CTypeID node, AAX_EMIDINodeType type, const char* name,
                                           std::uint32_t channelMask) = 0;
};
