#pragma once

// The objects our AAX host hands to a module: what its description is made
// of, what an instance asks of its host, and the host object itself. Each
// records what it is told, answers from what it was told, and offers as many
// versions of its interface as it is set to.

#include "AAX_ACFEffect.h"
#include "AAX_ACFHostInterfaces.h"
#include "AAX_ACFIdentifiers.h"
#include "HostObject.h"

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace aaxhost
{
// An instance's controller: its rate and stem formats, and every packet
// posted to it.
class Controller final : public HostObject<AAX_IACFController_V3>
{
public:
    explicit Controller (int offeredVersions = 3)
        : HostObject ({ IID_IAAXControllerV1, IID_IAAXControllerV2, IID_IAAXControllerV3 }, offeredVersions)
    {
    }

    AAX_Result GetEffectID (AAX_IString* outID) const override { return filled (outID, effectID.c_str(), "GetEffectID"); }
    AAX_Result GetSampleRate (AAX_CSampleRate* outRate) const override { return filled (outRate, sampleRate, "GetSampleRate"); }
    AAX_Result GetInputStemFormat (AAX_EStemFormat* outFormat) const override { return filled (outFormat, input, "GetInputStemFormat"); }
    AAX_Result GetOutputStemFormat (AAX_EStemFormat* outFormat) const override
    {
        return filled (outFormat, output, "GetOutputStemFormat");
    }
    AAX_Result GetSignalLatency (std::int32_t* outSamples) const override { return filled (outSamples, 0, "GetSignalLatency"); }
    AAX_Result GetCycleCount (AAX_EProperty, AAX_CPropertyValue*) const override { return called ("GetCycleCount"); }
    AAX_Result GetTODLocation (AAX_CTimeOfDay*) const override { return called ("GetTODLocation"); }
    AAX_Result SetSignalLatency (std::int32_t samples) override { return called ("SetSignalLatency " + std::to_string (samples)); }
    AAX_Result SetCycleCount (const AAX_EProperty*, const AAX_CPropertyValue*, std::int32_t) override
    {
        return called ("SetCycleCount");
    }
    AAX_Result PostPacket (AAX_CFieldIndex port, const void* data, std::uint32_t size) override;
    AAX_Result GetCurrentMeterValue (AAX_CTypeID, float*) const override { return called ("GetCurrentMeterValue"); }
    AAX_Result GetMeterPeakValue (AAX_CTypeID, float*) const override { return called ("GetMeterPeakValue"); }
    AAX_Result ClearMeterPeakValue (AAX_CTypeID) const override { return called ("ClearMeterPeakValue"); }
    AAX_Result GetMeterCount (std::uint32_t*) const override { return called ("GetMeterCount"); }
    AAX_Result GetMeterClipped (AAX_CTypeID, AAX_CBoolean*) const override { return called ("GetMeterClipped"); }
    AAX_Result ClearMeterClipped (AAX_CTypeID) const override { return called ("ClearMeterClipped"); }
    AAX_Result GetNextMIDIPacket (AAX_CFieldIndex*, AAX_CMidiPacket*) override { return called ("GetNextMIDIPacket"); }
    AAX_Result SendNotification (AAX_CTypeID, const void*, std::uint32_t) override { return called ("SendNotification"); }
    AAX_Result GetHybridSignalLatency (std::int32_t*) const override { return called ("GetHybridSignalLatency"); }
    AAX_Result GetCurrentAutomationTimestamp (AAX_CTransportCounter* outTimestamp) const override
    {
        return filled (outTimestamp, 4410, "GetCurrentAutomationTimestamp");
    }
    AAX_Result GetHostName (AAX_IString* outName) const override { return filled (outName, "Pandrel", "GetHostName"); }
    AAX_Result GetPlugInTargetPlatform (AAX_CTargetPlatform*) const override { return called ("GetPlugInTargetPlatform"); }
    AAX_Result GetIsAudioSuite (AAX_CBoolean* out) const override { return filled (out, 0, "GetIsAudioSuite"); }

    // The last packet posted to a port; null when none was.
    const std::vector<unsigned char>* lastPacket (AAX_CFieldIndex port) const;

    std::string effectID;
    float sampleRate = 48000.0f;
    AAX_EStemFormat input = AAX_eStemFormat_Stereo, output = AAX_eStemFormat_Stereo;
    std::vector<std::vector<unsigned char>> packets; // the bytes of every posted packet
    std::vector<AAX_CFieldIndex> packetPorts;
};

// A playing transport at a set tempo in 4/4.
class Transport final : public HostObject<AAX_IACFTransport_V2>
{
public:
    explicit Transport (int offeredVersions = 2) : HostObject ({ IID_IAAXTransportV1, IID_IAAXTransportV2 }, offeredVersions) {}

    AAX_Result GetCurrentTempo (double* outBpm) const override { return filled (outBpm, bpm, "GetCurrentTempo"); }
    AAX_Result GetCurrentMeter (std::int32_t* outNumerator, std::int32_t* outDenominator) const override
    {
        if (outNumerator != nullptr && outDenominator != nullptr)
            *outNumerator = 4, *outDenominator = 4;
        return called ("GetCurrentMeter");
    }
    AAX_Result IsTransportPlaying (bool* outPlaying) const override { return filled (outPlaying, true, "IsTransportPlaying"); }
    AAX_Result GetCurrentTickPosition (std::int64_t*) const override { return called ("GetCurrentTickPosition"); }
    AAX_Result GetCurrentLoopPosition (bool*, std::int64_t*, std::int64_t*) const override { return called ("GetCurrentLoopPosition"); }
    AAX_Result GetCurrentNativeSampleLocation (std::int64_t* outSample) const override
    {
        return filled (outSample, sample, "GetCurrentNativeSampleLocation");
    }
    AAX_Result GetCustomTickPosition (std::int64_t*, std::int64_t) const override { return called ("GetCustomTickPosition"); }
    AAX_Result GetBarBeatPosition (std::int32_t*, std::int32_t*, std::int64_t*, std::int64_t) const override
    {
        return called ("GetBarBeatPosition");
    }
    AAX_Result GetTicksPerQuarter (std::uint32_t*) const override { return called ("GetTicksPerQuarter"); }
    AAX_Result GetCurrentTicksPerBeat (std::uint32_t*) const override { return called ("GetCurrentTicksPerBeat"); }
    AAX_Result GetTimelineSelectionStartPosition (std::int64_t*) const override
    {
        return called ("GetTimelineSelectionStartPosition");
    }
    AAX_Result GetTimeCodeInfo (AAX_EFrameRate*, std::int32_t*) const override { return called ("GetTimeCodeInfo"); }
    AAX_Result GetFeetFramesInfo (AAX_EFeetFramesRate*, std::int64_t*) const override { return called ("GetFeetFramesInfo"); }
    AAX_Result IsMetronomeEnabled (std::int32_t*) const override { return called ("IsMetronomeEnabled"); }

    double bpm = 100.0;
    std::int64_t sample = 0;
};

// Keeps the properties it is given and answers from them.
class PropertyMap final : public HostObject<AAX_IACFPropertyMap_V2>
{
public:
    explicit PropertyMap (int offeredVersions = 2)
        : HostObject ({ IID_IAAXPropertyMapV1, IID_IAAXPropertyMapV2 }, offeredVersions)
    {
    }

    AAX_CBoolean GetProperty (AAX_EProperty property, AAX_CPropertyValue* outValue) const override;
    AAX_Result AddProperty (AAX_EProperty property, AAX_CPropertyValue value) override;
    AAX_Result RemoveProperty (AAX_EProperty property) override;
    AAX_Result AddPropertyWithIDArray (AAX_EProperty, const AAX_SPlugInIdentifierTriad*, std::uint32_t count) override
    {
        return called ("AddPropertyWithIDArray " + std::to_string (count));
    }
    AAX_CBoolean GetPropertyWithIDArray (AAX_EProperty, const AAX_SPlugInIdentifierTriad**, std::uint32_t*) const override
    {
        return true;
    }

    // The value given for a property, 0 when none was.
    AAX_CPropertyValue get (AAX_EProperty property) const;

    std::map<std::int32_t, AAX_CPropertyValue> properties;
    mutable std::vector<std::int32_t> asked; // every ID GetProperty was asked for
};

// The X11 window the host gives a GUI.
class ViewContainer final : public HostObject<AAX_IACFViewContainer_V2>
{
public:
    explicit ViewContainer (int offeredVersions = 2, unsigned long windowToGive = 0)
        : HostObject ({ IID_IAAXViewContainerV1, IID_IAAXViewContainerV2 }, offeredVersions), window (windowToGive)
    {
    }

    std::int32_t GetType() override { return AAX_eViewContainer_Type_X11Window; }
    void* GetPtr() override { return reinterpret_cast<void*> (window); }
    AAX_Result GetModifiers (std::uint32_t* outModifiers) override { return filled (outModifiers, 0, "GetModifiers"); }
    AAX_Result SetViewSize (AAX_Point& size) override
    {
        asked = size;
        return called ("SetViewSize " + number (size.horz) + "x" + number (size.vert));
    }
    AAX_Result HandleParameterMouseDown (AAX_CParamID id, std::uint32_t) override { return called ("MouseDown " + text (id)); }
    AAX_Result HandleParameterMouseDrag (AAX_CParamID, std::uint32_t) override { return called ("MouseDrag"); }
    AAX_Result HandleParameterMouseUp (AAX_CParamID, std::uint32_t) override { return called ("MouseUp"); }
    AAX_Result HandleMultipleParametersMouseDown (const AAX_CParamID*, std::uint32_t count, std::uint32_t) override
    {
        return called ("MultipleMouseDown " + std::to_string (count));
    }
    AAX_Result HandleMultipleParametersMouseDrag (const AAX_CParamID*, std::uint32_t, std::uint32_t) override
    {
        return called ("MultipleMouseDrag");
    }
    AAX_Result HandleMultipleParametersMouseUp (const AAX_CParamID*, std::uint32_t, std::uint32_t) override
    {
        return called ("MultipleMouseUp");
    }

    unsigned long window;
    AAX_Point asked {};
};

// Records every call as text ("register 2", "touch 2", "request 2 0.5",
// "release 2", "current 2 0.5") and keeps set requests until the host
// answers them.
class AutomationDelegate final : public HostObject<AAX_IACFAutomationDelegate>
{
public:
    explicit AutomationDelegate (int offeredVersions = 1) : HostObject ({ IID_IAAXAutomationDelegateV1 }, offeredVersions) {}

    AAX_Result RegisterParameter (AAX_CParamID id) override;
    AAX_Result UnregisterParameter (AAX_CParamID id) override;
    AAX_Result PostSetValueRequest (AAX_CParamID id, double value) const override;
    AAX_Result PostCurrentValue (AAX_CParamID id, double value) const override
    {
        return called ("current " + text (id) + " " + number (value));
    }
    AAX_Result PostTouchRequest (AAX_CParamID id) override { return called ("touch " + text (id)); }
    AAX_Result PostReleaseRequest (AAX_CParamID id) override { return called ("release " + text (id)); }
    AAX_Result GetTouchState (AAX_CParamID id, AAX_CBoolean* outTouched) override
    {
        return filled (outTouched, 0, "touch state " + text (id));
    }

    std::vector<std::pair<std::string, double>> takeRequests();

    std::vector<std::string> registered; // the IDs registered now, in order

private:
    mutable std::mutex requestsLock;
    mutable std::vector<std::pair<std::string, double>> requests;
};

// One processing component: its context fields, procs and properties.
class ComponentDescriptor final : public HostObject<AAX_IACFComponentDescriptor_V2>
{
public:
    explicit ComponentDescriptor (int offeredVersions = 2)
        : HostObject ({ IID_IAAXComponentDescriptorV1, IID_IAAXComponentDescriptorV2 }, offeredVersions)
    {
    }

    AAX_Result Clear() override;
    AAX_Result AddAudioIn (AAX_CFieldIndex field) override { return add (field, "audio in"); }
    AAX_Result AddAudioOut (AAX_CFieldIndex field) override { return add (field, "audio out"); }
    AAX_Result AddAudioBufferLength (AAX_CFieldIndex field) override { return add (field, "buffer length"); }
    AAX_Result AddSampleRate (AAX_CFieldIndex field) override { return add (field, "sample rate"); }
    AAX_Result AddClock (AAX_CFieldIndex field) override { return add (field, "clock"); }
    AAX_Result AddSideChainIn (AAX_CFieldIndex field) override { return add (field, "side chain"); }
    AAX_Result AddDataInPort (AAX_CFieldIndex field, std::uint32_t packetSize, AAX_EDataInPortType) override
    {
        return add (field, "data in", packetSize);
    }
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
        return called ("AddProcessProc_TI");
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
    IACFUnknown* properties = nullptr; // as given with the process proc
    PropertyMap* ourProperties = nullptr; // the same, when it is one of ours

private:
    AAX_Result add (AAX_CFieldIndex field, const std::string& kind, std::uint32_t size = 0);
};

class EffectDescriptor final : public HostObject<AAX_IACFEffectDescriptor_V2>
{
public:
    explicit EffectDescriptor (int offeredVersions = 2)
        : HostObject ({ IID_IAAXEffectDescriptorV1, IID_IAAXEffectDescriptorV2 }, offeredVersions)
    {
    }

    AAX_Result AddComponent (IACFUnknown* component) override;
    AAX_Result AddName (const char* name) override { return called ("AddName " + text (name)); }
    AAX_Result AddCategory (std::uint32_t category) override { return called ("AddCategory " + std::to_string (category)); }
    AAX_Result AddCategoryBypassParameter (std::uint32_t, AAX_CParamID) override { return called ("AddCategoryBypassParameter"); }
    AAX_Result AddProcPtr (void* procPtr, AAX_CProcPtrID procID) override;
    AAX_Result SetProperties (IACFUnknown* propertyMap) override;
    AAX_Result AddResourceInfo (AAX_EResourceType, const char*) override { return called ("AddResourceInfo"); }
    AAX_Result AddMeterDescription (AAX_CTypeID, const char*, IACFUnknown* propertyMap) override;
    AAX_Result AddControlMIDINode (AAX_CTypeID, AAX_EMIDINodeType, const char*, std::uint32_t) override
    {
        return called ("AddControlMIDINode");
    }

    std::vector<IACFUnknown*> arguments; // every child object passed in
    std::vector<ComponentDescriptor*> components; // those that are ours, in order
    std::map<std::string, void*> procs;
};

// The collection is also what the module hands back as its plug-in definition.
class Collection final : public HostObject<AAX_IACFCollection>
{
public:
    explicit Collection (int offeredVersions = 1) : HostObject ({ IID_IAAXCollectionV1 }, offeredVersions) {}

    AAX_Result AddEffect (const char* effectID, IACFUnknown* descriptor) override;
    AAX_Result SetManufacturerName (const char* name) override { return called ("SetManufacturerName " + text (name)); }
    AAX_Result AddPackageName (const char* name) override { return called ("AddPackageName " + text (name)); }
    AAX_Result SetPackageVersion (std::uint32_t version) override
    {
        return called ("SetPackageVersion " + std::to_string (version));
    }
    AAX_Result SetProperties (IACFUnknown* propertyMap) override
    {
        arguments.push_back (propertyMap);
        return called ("SetProperties");
    }

    bool offersPluginDefinition = true;
    std::vector<IACFUnknown*> arguments;
    std::vector<std::pair<std::string, EffectDescriptor*>> effects; // those that are ours

protected:
    ACFRESULT queryOther (const acfIID& iid, void** out) override;
};

// Keeps every trace a module sends.
class HostServices final : public HostObject<AAX_IACFHostServices_V2>
{
public:
    explicit HostServices (int offeredVersions = 2)
        : HostObject ({ IID_IAAXHostServicesV1, IID_IAAXHostServicesV2 }, offeredVersions)
    {
    }

    AAX_Result Assert (const char* file, std::int32_t line, const char* note) override
    {
        return called ("Assert " + text (file) + ":" + std::to_string (line) + " " + text (note));
    }
    AAX_Result Trace (std::int32_t priority, const char* message) override;
    AAX_Result StackTrace (std::int32_t, std::int32_t, const char*) override { return called ("StackTrace"); }

    std::vector<std::string> traces;
};

class Host;

// Makes a new component per request, kept by the host, offering the versions
// the host is set to give that kind.
class ComponentFactory final : public HostObject<IACFComponentFactory>
{
public:
    explicit ComponentFactory (Host& owner) : HostObject ({ IID_IACFComponentFactory }, 1), host (owner) {}

    ACFRESULT CreateComponent (IACFUnknown* outer, const acfCLSID& component, const acfIID& iid, void** out) override;

private:
    Host& host;
};

// The object a host passes to a module's entry points and to the objects of
// an instance. It hands out its component factory, its controller, transport
// and automation delegate (each offering its own `versions`, 0 = not at all)
// and the instance's effect parameters when it has some; what the factory
// makes is kept here.
class Host final : public HostObject<IACFUnknown>
{
public:
    Host() : HostObject ({}, 0) {}

    // Versions of the components the factory makes from now on.
    int collectionVersions = 1, effectDescriptorVersions = 2, componentDescriptorVersions = 2;
    int propertyMapVersions = 2, hostServicesVersions = 2;
    bool offersFactory = true;
    bool offersPluginDefinition = true; // by the collections the factory makes

    ComponentFactory factory { *this };
    Controller controller;
    Transport transport;
    AutomationDelegate automation;
    IACFUnknown* effectParameters = nullptr; // asked for any interface the host has not

    std::vector<std::unique_ptr<Collection>> collections;
    std::vector<std::unique_ptr<EffectDescriptor>> effectDescriptors;
    std::vector<std::unique_ptr<ComponentDescriptor>> componentDescriptors;
    std::vector<std::unique_ptr<PropertyMap>> propertyMaps;
    std::vector<std::unique_ptr<HostServices>> hostServices;

    // References anyone holds on any object of this host, the host included.
    int referencesHeld() const;
    bool anyOverReleased() const;

protected:
    ACFRESULT queryOther (const acfIID& iid, void** out) override;

private:
    template <typename Visit>
    void visitAll (Visit&& visit) const;
};
} // namespace aaxhost
