#pragma once

// A whole AAX host of our own, written on the raw interfaces alone: it loads
// a module from its .so, registers it, makes instances of its components,
// renders them, answers their automation and shows their GUI in an X11
// window. Set-value requests are answered before the next render, never
// inside the request, as a host's automation does.

#include "AAX_ACFEffect.h"
#include "AAX_ACFHostInterfaces.h"
#include "AAX_ACFIdentifiers.h"
#include "ACFModule.h"
#include "HostObject.h"

#include <atomic>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace standin
{
using aaxhost::HostObject;
using aaxhost::PropertyMap;

// One processing component: its context fields, procs and properties.
class ComponentDescriptor final : public HostObject<AAX_IACFComponentDescriptor_V2>
{
public:
    ComponentDescriptor() : HostObject ({ IID_IAAXComponentDescriptorV1, IID_IAAXComponentDescriptorV2 }, 2) {}
    AAX_Result Clear() override;
    AAX_Result AddAudioIn (AAX_CFieldIndex field) override { return add (field, "audio in"); }
    AAX_Result AddAudioOut (AAX_CFieldIndex field) override { return add (field, "audio out"); }
    AAX_Result AddAudioBufferLength (AAX_CFieldIndex field) override { return add (field, "buffer length"); }
    AAX_Result AddSampleRate (AAX_CFieldIndex field) override { return add (field, "sample rate"); }
    AAX_Result AddClock (AAX_CFieldIndex field) override { return add (field, "clock"); }
    AAX_Result AddSideChainIn (AAX_CFieldIndex field) override { return add (field, "side chain"); }
    AAX_Result AddDataInPort (AAX_CFieldIndex field, std::uint32_t packetSize, AAX_EDataInPortType) override;
    AAX_Result AddAuxOutputStem (AAX_CFieldIndex field, std::int32_t, const char*) override { return add (field, "aux out"); }
    AAX_Result AddPrivateData (AAX_CFieldIndex field, std::int32_t dataSize, std::uint32_t) override;
    AAX_Result AddDmaInstance (AAX_CFieldIndex field, AAX_EDmaMode) override { return add (field, "dma"); }
    AAX_Result AddMeters (AAX_CFieldIndex field, const AAX_CTypeID*, std::uint32_t) override { return add (field, "meters"); }
    AAX_Result AddMIDINode (AAX_CFieldIndex field, AAX_EMIDINodeType, const char*, std::uint32_t) override
    {
        return add (field, "midi");
    }
    AAX_Result AddReservedField (AAX_CFieldIndex field, std::uint32_t) override { return add (field, "reserved"); }
    AAX_Result AddProcessProc_Native (AAX_CProcessProc process, IACFUnknown* propertyMap, AAX_CInstanceInitProc init,
                                      AAX_CBackgroundProc, AAX_CSelector* outSelector) override;
    AAX_Result AddProcessProc_TI (const char*, const char*, IACFUnknown*, const char*, const char*, AAX_CSelector*) override
    {
        return -20009;
    }
    AAX_Result AddTemporaryData (AAX_CFieldIndex field, std::uint32_t) override { return add (field, "temporary"); }

    struct Field
    {
        std::string kind;
        std::uint32_t size = 0;
    };
    std::map<AAX_CFieldIndex, Field> fields;
    AAX_CProcessProc process = nullptr;
    AAX_CInstanceInitProc initInstance = nullptr;
    PropertyMap* properties = nullptr;

private:
    AAX_Result add (AAX_CFieldIndex field, std::string kind, std::uint32_t size = 0);
};

class EffectDescriptor final : public HostObject<AAX_IACFEffectDescriptor_V2>
{
public:
    EffectDescriptor() : HostObject ({ IID_IAAXEffectDescriptorV1, IID_IAAXEffectDescriptorV2 }, 2) {}
    AAX_Result AddComponent (IACFUnknown* component) override;
    AAX_Result AddName (const char* name) override;
    AAX_Result AddCategory (std::uint32_t category) override;
    AAX_Result AddCategoryBypassParameter (std::uint32_t, AAX_CParamID) override { return 0; }
    AAX_Result AddProcPtr (void* procPtr, AAX_CProcPtrID procID) override;
    AAX_Result SetProperties (IACFUnknown*) override { return 0; }
    AAX_Result AddResourceInfo (AAX_EResourceType, const char*) override { return 0; }
    AAX_Result AddMeterDescription (AAX_CTypeID, const char*, IACFUnknown*) override { return 0; }
    AAX_Result AddControlMIDINode (AAX_CTypeID, AAX_EMIDINodeType, const char*, std::uint32_t) override { return 0; }

    std::vector<std::string> names;
    std::uint32_t categories = 0;
    std::map<std::string, void*> procs;
    std::vector<ComponentDescriptor*> components;
};

// The collection is also what the module hands back as its plug-in definition.
class Collection final : public HostObject<AAX_IACFCollection>, public IACFPluginDefinition
{
public:
    Collection() : HostObject ({ IID_IAAXCollectionV1 }, 1) {}
    ACFRESULT QueryInterface (const acfIID& iid, void** out) override { return HostObject::QueryInterface (iid, out); }
    std::uint32_t AddRef() override { return HostObject::AddRef(); }
    std::uint32_t Release() override { return HostObject::Release(); }

    AAX_Result AddEffect (const char* effectID, IACFUnknown* descriptor) override;
    AAX_Result SetManufacturerName (const char* name) override;
    AAX_Result AddPackageName (const char* name) override;
    AAX_Result SetPackageVersion (std::uint32_t version) override;
    AAX_Result SetProperties (IACFUnknown*) override { return 0; }

    std::vector<std::pair<std::string, EffectDescriptor*>> effects;
    std::string manufacturer;
    std::vector<std::string> packageNames;
    std::uint32_t packageVersion = 0;

protected:
    ACFRESULT queryOther (const acfIID& iid, void** out) override;
};

class HostServices final : public HostObject<AAX_IACFHostServices_V2>
{
public:
    HostServices() : HostObject ({ IID_IAAXHostServicesV1, IID_IAAXHostServicesV2 }, 2) {}
    // Heard and let go: no test reads a module's traces.
    AAX_Result Assert (const char*, std::int32_t, const char*) override { return 0; }
    AAX_Result Trace (std::int32_t, const char*) override { return 0; }
    AAX_Result StackTrace (std::int32_t, std::int32_t, const char*) override { return 0; }
};

class Host;

class ComponentFactory final : public HostObject<IACFComponentFactory>
{
public:
    explicit ComponentFactory (Host& owner) : HostObject ({ IID_IACFComponentFactory }, 1), host (owner) {}
    ACFRESULT CreateComponent (IACFUnknown* outer, const acfCLSID& component, const acfIID& iid, void** out) override;

private:
    Host& host;
};

// What the host passes to ACFStartup and ACFRegisterPlugin: its factory.
class Host final : public HostObject<IACFUnknown>,
                   public aaxhost::MadeComponents<Collection, EffectDescriptor, ComponentDescriptor, PropertyMap, HostServices>
{
public:
    Host();
    ~Host() override;

    ComponentFactory factory { *this };

    // References the module still holds on anything of this host.
    int referencesHeld() const;

protected:
    ACFRESULT queryOther (const acfIID& iid, void** out) override;
};

// The module: its seven entry points from the .so.
class Module
{
public:
    explicit Module (const std::string& path);
    ~Module();
    Module (const Module&) = delete;
    Module& operator= (const Module&) = delete;

    bool isLoaded() const { return library != nullptr && error.empty(); }
    void unload();

    std::string error;
    void* library = nullptr;
    ACFRegisterPluginProc registerPlugin = nullptr;
    ACFRegisterComponentProc registerComponent = nullptr;
    ACFGetClassFactoryProc getClassFactory = nullptr;
    ACFCanUnloadNowProc canUnloadNow = nullptr;
    ACFStartupProc startup = nullptr;
    ACFShutdownProc shutdown = nullptr;
    ACFGetSDKVersionProc getSDKVersion = nullptr;
};

// Per instance: the host controller, transport and automation.
using aaxhost::Controller;
using aaxhost::Transport;

// Records every call as text ("touch 2", "request 2 0.5", "release 2",
// "current 2 0.5") and keeps set requests until the host answers them.
class Automation final : public HostObject<AAX_IACFAutomationDelegate>
{
public:
    Automation() : HostObject ({ IID_IAAXAutomationDelegateV1 }, 1) {}
    AAX_Result RegisterParameter (AAX_CParamID id) override;
    AAX_Result UnregisterParameter (AAX_CParamID id) override;
    AAX_Result PostSetValueRequest (AAX_CParamID id, double value) const override;
    AAX_Result PostCurrentValue (AAX_CParamID id, double value) const override;
    AAX_Result PostTouchRequest (AAX_CParamID id) override;
    AAX_Result PostReleaseRequest (AAX_CParamID id) override;
    AAX_Result GetTouchState (AAX_CParamID, AAX_CBoolean* out) override;

    std::vector<std::string> takeLog();
    std::vector<std::pair<std::string, double>> takeRequests();
    std::vector<std::string> registered() const;

private:
    void record (std::string call) const;

    mutable std::mutex lock;
    mutable std::vector<std::string> log;
    mutable std::vector<std::pair<std::string, double>> requests;
    std::vector<std::string> registeredIDs;
};

// The X11 window the host gives a GUI.
class ViewContainer final : public HostObject<AAX_IACFViewContainer_V2>
{
public:
    explicit ViewContainer (unsigned long windowToGive)
        : HostObject ({ IID_IAAXViewContainerV1, IID_IAAXViewContainerV2 }, 2), window (windowToGive)
    {
    }

    std::int32_t GetType() override { return AAX_eViewContainer_Type_X11Window; }
    void* GetPtr() override { return reinterpret_cast<void*> (window); }
    AAX_Result GetModifiers (std::uint32_t* out) override { return filled (out, 0, "GetModifiers"); }
    AAX_Result SetViewSize (AAX_Point& size) override;
    AAX_Result HandleParameterMouseDown (AAX_CParamID, std::uint32_t) override { return 0; }
    AAX_Result HandleParameterMouseDrag (AAX_CParamID, std::uint32_t) override { return 0; }
    AAX_Result HandleParameterMouseUp (AAX_CParamID, std::uint32_t) override { return 0; }
    AAX_Result HandleMultipleParametersMouseDown (const AAX_CParamID*, std::uint32_t, std::uint32_t) override { return 0; }
    AAX_Result HandleMultipleParametersMouseDrag (const AAX_CParamID*, std::uint32_t, std::uint32_t) override { return 0; }
    AAX_Result HandleMultipleParametersMouseUp (const AAX_CParamID*, std::uint32_t, std::uint32_t) override { return 0; }

    unsigned long window;
    AAX_Point asked {};
};

// One instance of a component: its parameter object initialised on a host
// object of its own, its context record, and its GUI when one is open.
class Instance
{
public:
    Instance (const EffectDescriptor& effect, const ComponentDescriptor& component, float sampleRate);
    ~Instance();
    Instance (const Instance&) = delete;
    Instance& operator= (const Instance&) = delete;

    bool isReady() const { return error.empty(); }

    // Initialize on the instance's host object, as its making does.
    AAX_Result initialize();

    // Answers pending set requests, generates coefficients, and runs the
    // process proc once over the given channels.
    void render (float* const* inputs, float* const* outputs, int frames);
    void answerRequests();

    std::vector<char> chunk (AAX_CTypeID id) const; // header and data, empty on failure
    AAX_Result setChunk (AAX_CTypeID id, const std::vector<char>& chunk);

    // The GUI: made, initialised and given the window; closed again.
    bool openGUI (unsigned long window);
    void closeGUI();

    std::string error;
    AAX_IACFEffectParameters_V3* parameters = nullptr;
    AAX_IACFEffectGUI* gui = nullptr;
    Controller controller;
    Transport transport;
    Automation automation;
    std::unique_ptr<ViewContainer> view;
    std::int32_t initResult = -1;

private:
    class Services final : public HostObject<IACFUnknown>
    {
    public:
        explicit Services (Instance& owner) : HostObject ({}, 0), instance (owner) {}
        ACFRESULT QueryInterface (const acfIID& iid, void** out) override;

    protected:
        ACFRESULT queryOther (const acfIID& iid, void** out) override;

    private:
        Instance& instance;
    };

    const EffectDescriptor& effect;
    const ComponentDescriptor& component;
    Services services { *this };
    IACFUnknown* created = nullptr;
    std::vector<void*> record;
    std::vector<unsigned char> privateData;
    std::int32_t frameCount = 0;
    std::int32_t bypassWord = 0;
};

// The number of threads this process runs, and the bytes it holds in memory.
int threadCount();
long residentBytes();
} // namespace standin
