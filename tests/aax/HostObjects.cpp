#include "HostObjects.h"

#include <algorithm>

namespace aaxhost
{
namespace
{
std::string orNull (const char* text) { return text != nullptr ? text : "(null)"; }
std::string number (double v) { return exactText (v); }
} // namespace

std::string textOf (const AAX_IString& s) { return s.Get() != nullptr ? s.Get() : ""; }

// Controller -------------------------------------------------------------------

// View container ---------------------------------------------------------------

AAX_Result ViewContainer::SetViewSize (AAX_Point& size)
{
    return called ("SetViewSize " + number (size.horz) + "x" + number (size.vert));
}

AAX_Result ViewContainer::HandleParameterMouseDown (AAX_CParamID id, std::uint32_t)
{
    return called ("MouseDown " + orNull (id));
}

AAX_Result ViewContainer::HandleMultipleParametersMouseDown (const AAX_CParamID*, std::uint32_t count, std::uint32_t)
{
    return called ("MultipleMouseDown " + std::to_string (count));
}

// Automation delegate ----------------------------------------------------------

AAX_Result AutomationDelegate::RegisterParameter (AAX_CParamID id) { return called ("Register " + orNull (id)); }

AAX_Result AutomationDelegate::UnregisterParameter (AAX_CParamID id) { return called ("Unregister " + orNull (id)); }

AAX_Result AutomationDelegate::PostSetValueRequest (AAX_CParamID id, double value) const
{
    return called ("SetValueRequest " + orNull (id) + " " + number (value));
}

AAX_Result AutomationDelegate::PostCurrentValue (AAX_CParamID id, double value) const
{
    return called ("CurrentValue " + orNull (id) + " " + number (value));
}

AAX_Result AutomationDelegate::PostTouchRequest (AAX_CParamID id) { return called ("Touch " + orNull (id)); }

AAX_Result AutomationDelegate::PostReleaseRequest (AAX_CParamID id) { return called ("Release " + orNull (id)); }

AAX_Result AutomationDelegate::GetTouchState (AAX_CParamID id, AAX_CBoolean* outTouched)
{
    if (outTouched != nullptr)
        *outTouched = 1;
    return called ("GetTouchState " + orNull (id));
}

// Descriptors and collection ---------------------------------------------------

AAX_Result ComponentDescriptor::AddAudioIn (AAX_CFieldIndex field)
{
    return called ("AddAudioIn " + std::to_string (field));
}

AAX_Result ComponentDescriptor::AddProcessProc_Native (AAX_CProcessProc, IACFUnknown* propertyMap,
                                                       AAX_CInstanceInitProc, AAX_CBackgroundProc,
                                                       AAX_CSelector* outSelector)
{
    lastPropertyMap = propertyMap;
    if (outSelector != nullptr)
        *outSelector = 1;
    return called ("AddProcessProc_Native");
}

AAX_Result ComponentDescriptor::AddProcessProc_TI (const char*, const char*, IACFUnknown* propertyMap, const char*,
                                                   const char*, AAX_CSelector*)
{
    lastPropertyMap = propertyMap;
    return called ("AddProcessProc_TI");
}

AAX_Result EffectDescriptor::AddComponent (IACFUnknown* component)
{
    arguments.push_back (component);
    return called ("AddComponent");
}

AAX_Result EffectDescriptor::AddName (const char* name) { return called ("AddName " + orNull (name)); }

AAX_Result EffectDescriptor::AddProcPtr (void*, AAX_CProcPtrID procID)
{
    return called ("AddProcPtr " + orNull (procID));
}

AAX_Result EffectDescriptor::SetProperties (IACFUnknown* propertyMap)
{
    arguments.push_back (propertyMap);
    return called ("SetProperties");
}

AAX_Result EffectDescriptor::AddMeterDescription (AAX_CTypeID, const char*, IACFUnknown* propertyMap)
{
    arguments.push_back (propertyMap);
    return called ("AddMeterDescription");
}

AAX_Result Collection::AddEffect (const char* effectID, IACFUnknown* descriptor)
{
    arguments.push_back (descriptor);
    return called ("AddEffect " + orNull (effectID));
}

AAX_Result Collection::SetManufacturerName (const char* name)
{
    return called ("SetManufacturerName " + orNull (name));
}

AAX_Result Collection::AddPackageName (const char* name) { return called ("AddPackageName " + orNull (name)); }

AAX_Result Collection::SetPackageVersion (std::uint32_t version)
{
    return called ("SetPackageVersion " + std::to_string (version));
}

AAX_Result Collection::SetProperties (IACFUnknown* propertyMap)
{
    arguments.push_back (propertyMap);
    return called ("SetProperties");
}

// The collection is what the module hands back as its plug-in definition.
ACFRESULT Collection::queryOther (const acfIID& iid, void** out)
{
    if (offersPluginDefinition && iid == IID_IACFPluginDefinition)
        return hand (static_cast<IACFUnknown*> (this), out);
    return ACF_E_NOINTERFACE;
}

// Host services ----------------------------------------------------------------

AAX_Result HostServices::Assert (const char* file, std::int32_t line, const char* note)
{
    return called ("Assert " + orNull (file) + ":" + std::to_string (line) + " " + orNull (note));
}

AAX_Result HostServices::Trace (std::int32_t priority, const char* message)
{
    traces.push_back (orNull (message));
    return called ("Trace " + std::to_string (priority));
}

// Effect parameters ------------------------------------------------------------

EffectParameters::EffectParameters()
    : EffectParametersStub ({ IID_IAAXEffectParametersV1, IID_IAAXEffectParametersV2, IID_IAAXEffectParametersV3 }, 3)
{
}

AAX_Result EffectParameters::GetNumberOfParameters (std::int32_t* outCount) const
{
    if (outCount != nullptr)
        *outCount = reportedCount.value_or (static_cast<std::int32_t> (ids.size()));
    called ("GetNumberOfParameters");
    return countAnswer;
}

AAX_Result EffectParameters::GetParameterIDFromIndex (std::int32_t index, AAX_IString* outID) const
{
    called ("GetParameterIDFromIndex " + std::to_string (index));
    if (index < 0 || index >= static_cast<std::int32_t> (ids.size()))
        return -20001;
    if (outID != nullptr)
        outID->Set (ids[static_cast<std::size_t> (index)].c_str());
    return 0;
}

// Component factory and host ---------------------------------------------------

ComponentFactory::ComponentFactory (Host& owner) : HostObject ({ IID_IACFComponentFactory }, 1), host (owner) {}

ACFRESULT ComponentFactory::CreateComponent (IACFUnknown* outer, const acfCLSID& component, const acfIID& iid,
                                             void** out)
{
    if (out == nullptr)
        return ACF_E_POINTER;
    *out = nullptr;
    if (outer != nullptr)
        return ACF_E_NOINTERFACE; // no aggregation here
    if (component == AAXCompID_AAXCollection)
    {
        const auto result = make (host.collections, host.collectionVersions, iid, out);
        if (result == ACF_OK)
            host.collections.back()->offersPluginDefinition = host.offersPluginDefinition;
        return result;
    }
    if (component == AAXCompID_AAXEffectDescriptor)
        return make (host.effectDescriptors, host.effectDescriptorVersions, iid, out);
    if (component == AAXCompID_AAXComponentDescriptor)
        return make (host.componentDescriptors, host.componentDescriptorVersions, iid, out);
    if (component == AAXCompID_AAXPropertyMap)
        return make (host.propertyMaps, host.propertyMapVersions, iid, out);
    if (component == AAXCompID_HostServices)
        return make (host.hostServices, host.hostServicesVersions, iid, out);
    return ACF_E_NOINTERFACE;
}

Host::Host() : HostObject ({}, 0), effectParameters (new EffectParameters()), factory (new ComponentFactory (*this))
{
}

Host::~Host() = default;

ACFRESULT Host::queryOther (const acfIID& iid, void** out)
{
    if (iid == IID_IACFComponentFactory)
        return offersFactory ? hand (factory.get(), out) : ACF_E_NOINTERFACE;
    if (offersEffectParameters && effectParameters->QueryInterface (iid, out) == ACF_OK)
        return ACF_OK;
    for (IACFUnknown* object : { static_cast<IACFUnknown*> (&controller), static_cast<IACFUnknown*> (&transport),
                                 static_cast<IACFUnknown*> (&automation) })
        if (object->QueryInterface (iid, out) == ACF_OK)
            return ACF_OK;
    return ACF_E_NOINTERFACE;
}

int Host::referencesHeld() const
{
    return references + controller.references + transport.references + automation.references + effectParameters->references
           + factory->references + referencesOnMade();
}

bool Host::anyOverReleased() const
{
    bool any = overReleased || controller.overReleased || transport.overReleased || automation.overReleased
               || effectParameters->overReleased || factory->overReleased;
    visitMade ([&any] (const auto& o) { any = any || o.overReleased; });
    return any;
}
} // namespace aaxhost
