#pragma once

// What the module's description function fills: the effects of the plug-in
// and the package they ship in. Descriptors and maps it makes are owned by it.

#include "ACF/AAX_ACFTypes.h"

class AAX_IEffectDescriptor;
class AAX_IPropertyMap;

class AAX_ICollection
{
public:
    virtual ~AAX_ICollection() = default;

    virtual AAX_IEffectDescriptor* NewDescriptor() = 0;
    virtual AAX_Result AddEffect (const char* effectID, AAX_IEffectDescriptor* descriptor) = 0;
    virtual AAX_Result SetManufacturerName (const char* name) = 0;
    virtual AAX_Result AddPackageName (const char* name) = 0;
    virtual AAX_Result SetPackageVersion (std::uint32_t version) = 0;
    virtual AAX_IPropertyMap* NewPropertyMap() = 0;
    virtual AAX_Result SetProperties (AAX_IPropertyMap* properties) = 0;
};
