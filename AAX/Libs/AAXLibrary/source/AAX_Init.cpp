#include "AAX_Init.h"

#include "ACF/AAX_ACFIdentifiers.h"
#include "AAX_CHostServices.h"
#include "AAX_Errors.h"
#include "AAX_VCollection.h"
#include "CACFUnknown.h"

// Output pointers come from the host: a null one is refused before anything
// is done or written.

AAX_Result AAXRegisterPlugin (IACFUnknown* host, IACFPluginDefinition** definition)
{
    if (definition == nullptr)
        return AAX_ERROR_NULL_OBJECT;

    AAX_VCollection collection (host);
    const AAX_Result described = GetEffectDescriptions (&collection);
    if (described != AAX_SUCCESS)
        return described;

    *definition = nullptr;
    // A host that made no collection leaves nothing to hand back, whatever
    // the description reported.
    IACFUnknown* const unknown = collection.GetIUnknown();
    if (unknown == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    void* out = nullptr;
    if (unknown->QueryInterface (IID_IACFPluginDefinition, &out) != ACF_OK || out == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    *definition = static_cast<IACFPluginDefinition*> (out);
    return AAX_SUCCESS;
}

AAX_Result AAXRegisterComponent (IACFUnknown*, std::uint32_t, IACFComponentDefinition** definition)
{
    if (definition == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    *definition = nullptr; // the plug-in has no further components
    return AAX_SUCCESS;
}

AAX_Result AAXGetClassFactory (IACFUnknown*, const acfCLSID&, const acfIID&, void** factory)
{
    if (factory == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    *factory = nullptr;
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAXCanUnloadNow (IACFUnknown*) { return CACFUnknown::GetActiveObjectCount(); }

AAX_Result AAXStartup (IACFUnknown* host)
{
    AAX_CHostServices::Set (host);
    return AAX_SUCCESS;
}

AAX_Result AAXShutdown (IACFUnknown*)
{
    AAX_CHostServices::Set (nullptr);
    return AAX_SUCCESS;
}

AAX_Result AAXGetSDKVersion (std::uint64_t* version)
{
    if (version == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    *version = AAX_SDK_VERSION;
    return AAX_SUCCESS;
}
