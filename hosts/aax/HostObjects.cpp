#include "HostObjects.h"

namespace aaxhost
{
// Controller -------------------------------------------------------------------

AAX_Result Controller::PostPacket (AAX_CFieldIndex port, const void* data, std::uint32_t size)
{
    const auto* bytes = static_cast<const unsigned char*> (data);
    packets.emplace_back (bytes, bytes + (bytes != nullptr ? size : 0));
    packetPorts.push_back (port);
    return called ("PostPacket " + std::to_string (port) + " " + std::to_string (size));
}

const std::vector<unsigned char>* Controller::lastPacket (AAX_CFieldIndex port) const
{
    for (auto i = packetPorts.size(); i-- > 0;)
        if (packetPorts[i] == port)
            return &packets[i];
    return nullptr;
}

// Property map -----------------------------------------------------------------

AAX_CBoolean PropertyMap::GetProperty (AAX_EProperty property, AAX_CPropertyValue* outValue) const
{
    asked.push_back (property);
    const auto found = properties.find (property);
    if (found == properties.end())
        return false;
    if (outValue != nullptr)
        *outValue = found->second;
    return true;
}

AAX_Result PropertyMap::AddProperty (AAX_EProperty property, AAX_CPropertyValue value)
{
    properties[property] = value;
    return called ("AddProperty " + std::to_string (property) + " " + std::to_string (value));
}

AAX_Result PropertyMap::RemoveProperty (AAX_EProperty property)
{
    properties.erase (property);
    return called ("RemoveProperty " + std::to_string (property));
}

AAX_CPropertyValue PropertyMap::get (AAX_EProperty property) const
{
    const auto found = properties.find (property);
    return found != properties.end() ? found->second : 0;
}

// Automation delegate ----------------------------------------------------------

AAX_Result AutomationDelegate::RegisterParameter (AAX_CParamID id)
{
    registered.push_back (text (id));
    return called ("register " + text (id));
}

AAX_Result AutomationDelegate::UnregisterParameter (AAX_CParamID id)
{
    const auto found = std::find (registered.begin(), registered.end(), text (id));
    if (found != registered.end())
        registered.erase (found);
    return called ("unregister " + text (id));
}

AAX_Result AutomationDelegate::PostSetValueRequest (AAX_CParamID id, double value) const
{
    {
        const std::lock_guard<std::mutex> held (requestsLock);
        requests.emplace_back (text (id), value);
    }
    return called ("request " + text (id) + " " + number (value));
}

std::vector<std::pair<std::string, double>> AutomationDelegate::takeRequests()
{
    const std::lock_guard<std::mutex> held (requestsLock);
    return std::exchange (requests, {});
}

// Descriptors and collection ---------------------------------------------------

AAX_Result ComponentDescriptor::Clear()
{
    fields.clear();
    process = nullptr;
    initInstance = nullptr;
    properties = nullptr;
    ourProperties = nullptr;
    return called ("Clear");
}

// A field index is given once.
AAX_Result ComponentDescriptor::add (AAX_CFieldIndex field, const std::string& kind, std::uint32_t size)
{
    if (field < 0 || fields.count (field) > 0)
        return -20004;
    fields[field] = { kind, size };
    return called (kind + " " + std::to_string (field));
}

AAX_Result ComponentDescriptor::AddPrivateData (AAX_CFieldIndex field, std::int32_t dataSize, std::uint32_t)
{
    return dataSize < 0 ? -20004 : add (field, "private data", static_cast<std::uint32_t> (dataSize));
}

AAX_Result ComponentDescriptor::AddProcessProc_Native (AAX_CProcessProc processProc, IACFUnknown* propertyMap,
                                                       AAX_CInstanceInitProc init, AAX_CBackgroundProc,
                                                       AAX_CSelector* outSelector)
{
    process = processProc;
    initInstance = init;
    properties = propertyMap;
    ourProperties = dynamic_cast<PropertyMap*> (propertyMap);
    if (outSelector != nullptr)
        *outSelector = 1;
    return called ("AddProcessProc_Native");
}

AAX_Result EffectDescriptor::AddComponent (IACFUnknown* component)
{
    arguments.push_back (component);
    if (auto* ours = dynamic_cast<ComponentDescriptor*> (component))
        components.push_back (ours);
    return called ("AddComponent");
}

AAX_Result EffectDescriptor::AddProcPtr (void* procPtr, AAX_CProcPtrID procID)
{
    procs[text (procID)] = procPtr;
    return called ("AddProcPtr " + text (procID));
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
    if (auto* ours = dynamic_cast<EffectDescriptor*> (descriptor))
        effects.emplace_back (text (effectID), ours);
    return called ("AddEffect " + text (effectID));
}

ACFRESULT Collection::queryOther (const acfIID& iid, void** out)
{
    if (offersPluginDefinition && iid == IID_IACFPluginDefinition)
        return hand (static_cast<IACFUnknown*> (this), out);
    return ACF_E_NOINTERFACE;
}

AAX_Result HostServices::Trace (std::int32_t priority, const char* message)
{
    traces.push_back (text (message));
    return called ("Trace " + std::to_string (priority));
}

// Component factory and host ---------------------------------------------------

namespace
{
template <class T>
ACFRESULT make (std::vector<std::unique_ptr<T>>& made, int versions, const acfIID& iid, void** out)
{
    auto object = std::make_unique<T> (versions);
    const auto result = object->QueryInterface (iid, out);
    if (result == ACF_OK)
        made.push_back (std::move (object));
    return result;
}
} // namespace

ACFRESULT ComponentFactory::CreateComponent (IACFUnknown* outer, const acfCLSID& component, const acfIID& iid, void** out)
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

ACFRESULT Host::queryOther (const acfIID& iid, void** out)
{
    if (iid == IID_IACFComponentFactory)
        return offersFactory ? hand (&factory, out) : ACF_E_NOINTERFACE;
    for (IACFUnknown* object : { static_cast<IACFUnknown*> (&controller), static_cast<IACFUnknown*> (&transport),
                                 static_cast<IACFUnknown*> (&automation) })
        if (object->QueryInterface (iid, out) == ACF_OK)
            return ACF_OK;
    return effectParameters != nullptr ? effectParameters->QueryInterface (iid, out) : ACF_E_NOINTERFACE;
}

template <typename Visit>
void Host::visitAll (Visit&& visit) const
{
    visit (*this), visit (factory), visit (controller), visit (transport), visit (automation);
    const auto each = [&visit] (const auto& objects) {
        for (const auto& o : objects)
            visit (*o);
    };
    each (collections), each (effectDescriptors), each (componentDescriptors), each (propertyMaps), each (hostServices);
}

int Host::referencesHeld() const
{
    int total = 0;
    visitAll ([&total] (const auto& o) { total += o.references; });
    return total;
}

bool Host::anyOverReleased() const
{
    bool any = false;
    visitAll ([&any] (const auto& o) { any = any || o.overReleased; });
    return any;
}
} // namespace aaxhost
