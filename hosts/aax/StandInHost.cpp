#include "StandInHost.h"

#include <dlfcn.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstring>

namespace aaxhost
{
std::string modulePathOf (const std::string& bundleOrModule)
{
    struct stat info {};
    if (stat (bundleOrModule.c_str(), &info) != 0 || ! S_ISDIR (info.st_mode))
        return bundleOrModule;
    auto bundle = bundleOrModule;
    while (bundle.size() > 1 && bundle.back() == '/')
        bundle.pop_back();
    auto name = bundle.substr (bundle.find_last_of ('/') + 1);
    name = name.substr (0, name.rfind (".aax"));
    return bundle + "/Contents/x86_64-linux/" + name + ".so";
}

// Module ----------------------------------------------------------------------

Module::Module (const std::string& path)
{
    library = dlopen (path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr)
    {
        const char* why = dlerror();
        error = why != nullptr ? why : "cannot load " + path;
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

// Instance ----------------------------------------------------------------------

Instance::Instance (const EffectDescriptor& effectToMake, const ComponentDescriptor& componentToRun, float sampleRate)
    : effect (effectToMake), component (componentToRun)
{
    controller.sampleRate = sampleRate;
    if (const auto* properties = component.ourProperties)
    {
        controller.input = static_cast<AAX_EStemFormat> (properties->get (AAX_eProperty_InputStemFormat));
        controller.output = static_cast<AAX_EStemFormat> (properties->get (AAX_eProperty_OutputStemFormat));
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
    host.effectParameters = parameters; // a GUI asks its host object for them
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
    host.effectParameters = nullptr;
    if (parameters != nullptr)
    {
        parameters->Uninitialize();
        parameters->Release();
    }
    if (created != nullptr)
        created->Release();
}

AAX_Result Instance::initialize() { return parameters->Initialize (&host); }

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
    view = std::make_unique<ViewContainer> (2, window);
    return gui->Initialize (&host) == 0 && gui->SetViewContainer (static_cast<AAX_IACFViewContainer_V2*> (view.get())) == 0;
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

// Session -----------------------------------------------------------------------

Session::Session (const std::string& modulePath) : module (modulePath)
{
    if (! module.isLoaded())
        return;
    module.startup (&host);
    registered = module.registerPlugin (&host, &definition);
    if (registered == 0 && ! host.collections.empty() && ! host.collections.back()->effects.empty())
        effect = host.collections.back()->effects.front().second;
}

Session::~Session()
{
    end();
}

std::string Session::error() const
{
    if (! module.isLoaded())
        return module.error;
    if (effect == nullptr)
        return "the module registered no effect (" + std::to_string (registered) + ")";
    return {};
}

Instance& Session::make (int componentIndex, float sampleRate)
{
    instances.push_back (
        std::make_unique<Instance> (*effect, *effect->components.at (static_cast<std::size_t> (componentIndex)), sampleRate));
    instances.back()->controller.effectID = host.collections.back()->effects.front().first;
    return *instances.back();
}

int Session::componentFor (int ins, int outs) const
{
    const auto stem = [] (int channels) { return channels == 1 ? AAX_eStemFormat_Mono : AAX_eStemFormat_Stereo; };
    for (std::size_t k = 0; effect != nullptr && k < effect->components.size(); ++k)
        if (const auto* properties = effect->components[k]->ourProperties)
            if (properties->get (AAX_eProperty_InputStemFormat) == stem (ins)
                && properties->get (AAX_eProperty_OutputStemFormat) == stem (outs))
                return static_cast<int> (k);
    return -1;
}

void Session::end()
{
    instances.clear();
    if (definition != nullptr)
        definition->Release();
    definition = nullptr;
    if (module.isLoaded())
        module.shutdown (&host);
    module.unload();
}
} // namespace aaxhost
