#include "StandInHost.h"

#include <dlfcn.h>
#include <dirent.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

namespace standin
{
namespace
{
std::string text (const char* s) { return s != nullptr ? s : "(null)"; }

std::string number (double value) { return exactText (value); }

template <class T>
void* make (std::vector<std::unique_ptr<T>>& made)
{
    made.push_back (std::make_unique<T>());
    return made.back().get();
}
} // namespace

// Descriptors -----------------------------------------------------------------

AAX_Result ComponentDescriptor::Clear()
{
    fields.clear();
    process = nullptr;
    initInstance = nullptr;
    properties = nullptr;
    return 0;
}

AAX_Result ComponentDescriptor::add (AAX_CFieldIndex field, std::string kind, std::uint32_t size)
{
    if (field < 0 || fields.count (field) > 0)
        return -20004;
    fields[field] = { std::move (kind), size };
    return 0;
}

AAX_Result ComponentDescriptor::AddDataInPort (AAX_CFieldIndex field, std::uint32_t packetSize, AAX_EDataInPortType)
{
    return add (field, "data in", packetSize);
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
    properties = dynamic_cast<PropertyMap*> (propertyMap);
    if (outSelector != nullptr)
        *outSelector = 1;
    return process != nullptr && properties != nullptr ? 0 : -20004;
}

AAX_Result EffectDescriptor::AddComponent (IACFUnknown* component)
{
    auto* descriptor = dynamic_cast<ComponentDescriptor*> (component);
    if (descriptor == nullptr)
        return -20004;
    components.push_back (descriptor);
    return 0;
}

AAX_Result EffectDescriptor::AddName (const char* name)
{
    names.push_back (text (name));
    return 0;
}

AAX_Result EffectDescriptor::AddCategory (std::uint32_t category)
{
    categories |= category;
    return 0;
}

AAX_Result EffectDescriptor::AddProcPtr (void* procPtr, AAX_CProcPtrID procID)
{
    procs[text (procID)] = procPtr;
    return 0;
}

AAX_Result Collection::AddEffect (const char* effectID, IACFUnknown* descriptor)
{
    auto* effect = dynamic_cast<EffectDescriptor*> (descriptor);
    if (effect == nullptr)
        return -20004;
    effects.emplace_back (text (effectID), effect);
    return 0;
}

AAX_Result Collection::SetManufacturerName (const char* name)
{
    manufacturer = text (name);
    return 0;
}

AAX_Result Collection::AddPackageName (const char* name)
{
    packageNames.push_back (text (name));
    return 0;
}

AAX_Result Collection::SetPackageVersion (std::uint32_t version)
{
    packageVersion = version;
    return 0;
}

ACFRESULT Collection::queryOther (const acfIID& iid, void** out)
{
    return iid == IID_IACFPluginDefinition ? hand (static_cast<IACFPluginDefinition*> (this), out) : ACF_E_NOINTERFACE;
}

// Host and its factory --------------------------------------------------------

ACFRESULT ComponentFactory::CreateComponent (IACFUnknown*, const acfCLSID& component, const acfIID& iid, void** out)
{
    if (out == nullptr)
        return ACF_E_POINTER;
    *out = nullptr;
    IACFUnknown* made = nullptr;
    if (component == AAXCompID_AAXCollection)
        made = static_cast<AAX_IACFCollection*> (static_cast<Collection*> (make (host.collections)));
    else if (component == AAXCompID_AAXEffectDescriptor)
        made = static_cast<EffectDescriptor*> (make (host.effectDescriptors));
    else if (component == AAXCompID_AAXComponentDescriptor)
        made = static_cast<ComponentDescriptor*> (make (host.componentDescriptors));
    else if (component == AAXCompID_AAXPropertyMap)
        made = static_cast<PropertyMap*> (make (host.propertyMaps));
    else if (component == AAXCompID_HostServices)
        made = static_cast<HostServices*> (make (host.hostServices));
    return made != nullptr ? made->QueryInterface (iid, out) : ACF_E_NOINTERFACE;
}

Host::Host() : HostObject ({}, 0) {}
Host::~Host() = default;

ACFRESULT Host::queryOther (const acfIID& iid, void** out)
{
    return iid == IID_IACFComponentFactory ? hand (&factory, out) : ACF_E_NOINTERFACE;
}

int Host::referencesHeld() const
{
    return references + factory.references + referencesOnMade();
}

// Module ----------------------------------------------------------------------

Module::Module (const std::string& path)
{
    library = dlopen (path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr)
    {
        error = text (dlerror());
        return;
    }
    const auto symbol = [this] (const char* name) {
        void* found = dlsym (library, name);
        if (found == nullptr)
            error += std::string ("missing ") + name + "; ";
        return found;
    };
    registerPlugin = reinterpret_cast<ACFRegisterPluginProc> (symbol ("ACFRegisterPlugin"));
    registerComponent = reinterpret_cast<ACFRegisterComponentProc> (symbol ("ACFRegisterComponent"));
    getClassFactory = reinterpret_cast<ACFGetClassFactoryProc> (symbol ("ACFGetClassFactory"));
    canUnloadNow = reinterpret_cast<ACFCanUnloadNowProc> (symbol ("ACFCanUnloadNow"));
    startup = reinterpret_cast<ACFStartupProc> (symbol ("ACFStartup"));
    shutdown = reinterpret_cast<ACFShutdownProc> (symbol ("ACFShutdown"));
    getSDKVersion = reinterpret_cast<ACFGetSDKVersionProc> (symbol ("ACFGetSDKVersion"));
}

Module::~Module()
{
    unload();
}

void Module::unload()
{
    if (library != nullptr)
        dlclose (library);
    library = nullptr;
}

// Per-instance host objects ---------------------------------------------------

void Automation::record (std::string call) const
{
    const std::lock_guard<std::mutex> held (lock);
    log.push_back (std::move (call));
}

AAX_Result Automation::RegisterParameter (AAX_CParamID id)
{
    const std::lock_guard<std::mutex> held (lock);
    registeredIDs.push_back (text (id));
    return 0;
}

AAX_Result Automation::UnregisterParameter (AAX_CParamID id)
{
    const std::lock_guard<std::mutex> held (lock);
    for (auto it = registeredIDs.begin(); it != registeredIDs.end(); ++it)
        if (*it == text (id))
        {
            registeredIDs.erase (it);
            break;
        }
    return 0;
}

AAX_Result Automation::PostSetValueRequest (AAX_CParamID id, double value) const
{
    record ("request " + text (id) + " " + number (value));
    const std::lock_guard<std::mutex> held (lock);
    requests.emplace_back (text (id), value);
    return 0;
}

AAX_Result Automation::PostCurrentValue (AAX_CParamID id, double value) const
{
    record ("current " + text (id) + " " + number (value));
    return 0;
}

AAX_Result Automation::PostTouchRequest (AAX_CParamID id)
{
    record ("touch " + text (id));
    return 0;
}

AAX_Result Automation::PostReleaseRequest (AAX_CParamID id)
{
    record ("release " + text (id));
    return 0;
}

AAX_Result Automation::GetTouchState (AAX_CParamID, AAX_CBoolean* out)
{
    if (out == nullptr)
        return -20004;
    *out = 0;
    return 0;
}

std::vector<std::string> Automation::takeLog()
{
    const std::lock_guard<std::mutex> held (lock);
    return std::exchange (log, {});
}

std::vector<std::pair<std::string, double>> Automation::takeRequests()
{
    const std::lock_guard<std::mutex> held (lock);
    return std::exchange (requests, {});
}

std::vector<std::string> Automation::registered() const
{
    const std::lock_guard<std::mutex> held (lock);
    return registeredIDs;
}

AAX_Result ViewContainer::SetViewSize (AAX_Point& size)
{
    asked = size;
    return 0;
}

// Instance ----------------------------------------------------------------------

ACFRESULT Instance::Services::QueryInterface (const acfIID& iid, void** out)
{
    // A GUI asks its host object for the effect's parameters.
    if (iid == IID_IAAXEffectParametersV1 && instance.parameters != nullptr)
        return instance.parameters->QueryInterface (iid, out);
    return HostObject::QueryInterface (iid, out);
}

// The instance's controller, transport and automation.
ACFRESULT Instance::Services::queryOther (const acfIID& iid, void** out)
{
    for (IACFUnknown* object : { static_cast<IACFUnknown*> (&instance.controller), static_cast<IACFUnknown*> (&instance.transport),
                                 static_cast<IACFUnknown*> (&instance.automation) })
        if (object->QueryInterface (iid, out) == ACF_OK)
            return ACF_OK;
    return ACF_E_NOINTERFACE;
}

Instance::Instance (const EffectDescriptor& effectToMake, const ComponentDescriptor& componentToRun, float sampleRate)
    : effect (effectToMake), component (componentToRun)
{
    controller.sampleRate = sampleRate;
    if (component.properties != nullptr)
    {
        controller.input = static_cast<AAX_EStemFormat> (component.properties->get (AAX_eProperty_InputStemFormat));
        controller.output = static_cast<AAX_EStemFormat> (component.properties->get (AAX_eProperty_OutputStemFormat));
    }

    const auto proc = effect.procs.find (kAAX_ProcPtrID_Create_EffectParameters);
    if (proc == effect.procs.end() || proc->second == nullptr || component.process == nullptr)
    {
        error = "no creator or process proc";
        return;
    }
    created = reinterpret_cast<AAX_CCreateObjectProc> (proc->second)();
    void* asked = nullptr;
    if (created == nullptr || created->QueryInterface (IID_IAAXEffectParametersV3, &asked) != ACF_OK)
    {
        error = "no effect parameters";
        return;
    }
    parameters = static_cast<AAX_IACFEffectParameters_V3*> (asked);
    if (const auto result = initialize(); result != 0)
    {
        error = "Initialize gave " + std::to_string (result);
        return;
    }

    // The context record: one pointer per declared field.
    AAX_CFieldIndex last = -1;
    for (const auto& [field, description] : component.fields)
        last = std::max (last, field);
    record.assign (static_cast<std::size_t> (last + 1), nullptr);
    for (const auto& [field, description] : component.fields)
    {
        auto& slot = record[static_cast<std::size_t> (field)];
        if (description.kind == "buffer length")
            slot = &frameCount;
        else if (description.kind == "data in")
            slot = &bypassWord;
        else if (description.kind == "private data")
        {
            privateData.assign (description.size, 0);
            slot = privateData.data();
        }
    }
    initResult = component.initInstance != nullptr
                     ? component.initInstance (record.data(), created, AAX_eInstanceInitAction_AddingNewInstance)
                     : 0;
}

Instance::~Instance()
{
    closeGUI();
    if (component.initInstance != nullptr && ! record.empty())
        component.initInstance (record.data(), created, AAX_eInstanceInitAction_RemovingInstance);
    if (parameters != nullptr)
    {
        parameters->Uninitialize();
        parameters->Release();
    }
    if (created != nullptr)
        created->Release();
}

AAX_Result Instance::initialize() { return parameters->Initialize (&services); }

void Instance::answerRequests()
{
    for (const auto& [id, value] : automation.takeRequests())
        parameters->UpdateParameterNormalizedValue (id.c_str(), value, AAX_eUpdateSource_Parameter);
}

void Instance::render (float* const* inputs, float* const* outputs, int frames)
{
    answerRequests();
    parameters->GenerateCoefficients();

    // The latest packet of each data port goes into its field.
    for (const auto& [field, description] : component.fields)
        if (description.kind == "data in")
        {
            const auto* packet = controller.lastPacket (field);
            if (packet != nullptr && packet->size() >= sizeof (bypassWord))
                std::memcpy (&bypassWord, packet->data(), sizeof (bypassWord));
        }
        else if (description.kind == "audio in")
            record[static_cast<std::size_t> (field)] = const_cast<float**> (inputs);
        else if (description.kind == "audio out")
            record[static_cast<std::size_t> (field)] = const_cast<float**> (outputs);

    frameCount = frames;
    const AAX_CContextRecord instances[] = { record.data() };
    component.process (instances, instances + 1);
    transport.sample += frames;
}

std::vector<char> Instance::chunk (AAX_CTypeID id) const
{
    std::uint32_t size = 0;
    if (parameters->GetChunkSize (id, &size) != 0)
        return {};
    std::vector<char> bytes (AAX_PLUGIN_CHUNK_HEADER_SIZE + size, 0);
    auto* header = reinterpret_cast<AAX_SPlugInChunk*> (bytes.data());
    header->fChunkID = id;
    if (parameters->GetChunk (id, header) != 0 || header->fSize != static_cast<std::int32_t> (size))
        return {};
    return bytes;
}

AAX_Result Instance::setChunk (AAX_CTypeID id, const std::vector<char>& bytes)
{
    return parameters->SetChunk (id, reinterpret_cast<const AAX_SPlugInChunk*> (bytes.data()));
}

bool Instance::openGUI (unsigned long window)
{
    const auto proc = effect.procs.find (kAAX_ProcPtrID_Create_EffectGUI);
    if (proc == effect.procs.end() || proc->second == nullptr)
        return false;
    auto* made = reinterpret_cast<AAX_CCreateObjectProc> (proc->second)();
    void* asked = nullptr;
    if (made == nullptr || made->QueryInterface (IID_IAAXEffectGUIV1, &asked) != ACF_OK)
    {
        if (made != nullptr)
            made->Release();
        return false;
    }
    made->Release();
    gui = static_cast<AAX_IACFEffectGUI*> (asked);
    view = std::make_unique<ViewContainer> (window);
    return gui->Initialize (&services) == 0 && gui->SetViewContainer (static_cast<AAX_IACFViewContainer_V2*> (view.get())) == 0;
}

void Instance::closeGUI()
{
    if (gui == nullptr)
        return;
    gui->SetViewContainer (nullptr);
    gui->Uninitialize();
    gui->Release();
    gui = nullptr;
}

int threadCount()
{
    int count = 0;
    if (auto* tasks = opendir ("/proc/self/task"))
    {
        while (auto* entry = readdir (tasks))
            if (entry->d_name[0] != '.')
                ++count;
        closedir (tasks);
    }
    return count;
}
long residentBytes()
{
    long pages = 0, resident = 0;
    if (auto* statm = std::fopen ("/proc/self/statm", "r"))
    {
        if (std::fscanf (statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose (statm);
    }
    return resident * sysconf (_SC_PAGESIZE);
}
} // namespace standin
