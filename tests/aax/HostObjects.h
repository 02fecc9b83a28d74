#pragma once

// A host of our own for the AAX layer's unit tests: each object answers what
// a test sets and records every call.

#include "AAX_ACFEffect.h"
#include "AAX_ACFHostInterfaces.h"
#include "AAX_ACFIdentifiers.h"
#include "EffectParametersStub.h"
#include "HostObject.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace aaxhost
{
class ViewContainer final : public HostObject<AAX_IACFViewContainer_V2>
{
public:
    explicit ViewContainer (int offeredVersions)
        : HostObject ({ IID_IAAXViewContainerV1, IID_IAAXViewContainerV2 }, offeredVersions)
    {
    }

    std::int32_t GetType() override { return AAX_eViewContainer_Type_X11Window; }
    void* GetPtr() override { return &window; }
    AAX_Result GetModifiers (std::uint32_t* outModifiers) override { return filled (outModifiers, 4, "GetModifiers"); }
    AAX_Result SetViewSize (AAX_Point& size) override;
    AAX_Result HandleParameterMouseDown (AAX_CParamID id, std::uint32_t) override;
    AAX_Result HandleParameterMouseDrag (AAX_CParamID, std::uint32_t) override { return called ("MouseDrag"); }
    AAX_Result HandleParameterMouseUp (AAX_CParamID, std::uint32_t) override { return called ("MouseUp"); }
    AAX_Result HandleMultipleParametersMouseDown (const AAX_CParamID*, std::uint32_t count, std::uint32_t) override;
    AAX_Result HandleMultipleParametersMouseDrag (const AAX_CParamID*, std::uint32_t, std::uint32_t) override
    {
        return called ("MultipleMouseDrag");
    }
    AAX_Result HandleMultipleParametersMouseUp (const AAX_CParamID*, std::uint32_t, std::uint32_t) override
    {
        return called ("MultipleMouseUp");
    }

    unsigned long window = 0x2a00001; // stands in for the X11 window the plug-in draws into
};

class AutomationDelegate final : public HostObject<AAX_IACFAutomationDelegate>
{
public:
    explicit AutomationDelegate (int offeredVersions) : HostObject ({ IID_IAAXAutomationDelegateV1 }, offeredVersions)
    {
    }

    AAX_Result RegisterParameter (AAX_CParamID id) override;
    AAX_Result UnregisterParameter (AAX_CParamID id) override;
    AAX_Result PostSetValueRequest (AAX_CParamID id, double value) const override;
    AAX_Result PostCurrentValue (AAX_CParamID id, double value) const override;
    AAX_Result PostTouchRequest (AAX_CParamID id) override;
    AAX_Result PostReleaseRequest (AAX_CParamID id) override;
    AAX_Result GetTouchState (AAX_CParamID id, AAX_CBoolean* outTouched) override;
};

class ComponentDescriptor final : public HostObject<AAX_IACFComponentDescriptor_V2>
{
public:
    explicit ComponentDescriptor (int offeredVersions)
        : HostObject ({ IID_IAAXComponentDescriptorV1, IID_IAAXComponentDescriptorV2 }, offeredVersions)
    {
    }

    AAX_Result Clear() override { return called ("Clear"); }
    AAX_Result AddAudioIn (AAX_CFieldIndex field) override;
    AAX_Result AddAudioOut (AAX_CFieldIndex) override { return called ("AddAudioOut"); }
    AAX_Result AddAudioBufferLength (AAX_CFieldIndex) override { return called ("AddAudioBufferLength"); }
    AAX_Result AddSampleRate (AAX_CFieldIndex) override { return called ("AddSampleRate"); }
    AAX_Result AddClock (AAX_CFieldIndex) override { return called ("AddClock"); }
    AAX_Result AddSideChainIn (AAX_CFieldIndex) override { return called ("AddSideChainIn"); }
    AAX_Result AddDataInPort (AAX_CFieldIndex, std::uint32_t, AAX_EDataInPortType) override
    {
        return called ("AddDataInPort");
    }
    AAX_Result AddAuxOutputStem (AAX_CFieldIndex, std::int32_t, const char*) override
    {
        return called ("AddAuxOutputStem");
    }
    AAX_Result AddPrivateData (AAX_CFieldIndex, std::int32_t, std::uint32_t) override
    {
        return called ("AddPrivateData");
    }
    AAX_Result AddDmaInstance (AAX_CFieldIndex, AAX_EDmaMode) override { return called ("AddDmaInstance"); }
    AAX_Result AddMeters (AAX_CFieldIndex, const AAX_CTypeID*, std::uint32_t) override { return called ("AddMeters"); }
    AAX_Result AddMIDINode (AAX_CFieldIndex, AAX_EMIDINodeType, const char*, std::uint32_t) override
    {
        return called ("AddMIDINode");
    }
    AAX_Result AddReservedField (AAX_CFieldIndex, std::uint32_t) override { return called ("AddReservedField"); }
    AAX_Result AddProcessProc_Native (AAX_CProcessProc, IACFUnknown* propertyMap, AAX_CInstanceInitProc,
                                      AAX_CBackgroundProc, AAX_CSelector*) override;
    AAX_Result AddProcessProc_TI (const char*, const char*, IACFUnknown* propertyMap, const char*, const char*,
                                  AAX_CSelector*) override;
    AAX_Result AddTemporaryData (AAX_CFieldIndex, std::uint32_t) override { return called ("AddTemporaryData"); }

    IACFUnknown* lastPropertyMap = nullptr;
};

class EffectDescriptor final : public HostObject<AAX_IACFEffectDescriptor_V2>
{
public:
    explicit EffectDescriptor (int offeredVersions)
        : HostObject ({ IID_IAAXEffectDescriptorV1, IID_IAAXEffectDescriptorV2 }, offeredVersions)
    {
    }

    AAX_Result AddComponent (IACFUnknown* component) override;
    AAX_Result AddName (const char* name) override;
    AAX_Result AddCategory (std::uint32_t) override { return called ("AddCategory"); }
    AAX_Result AddCategoryBypassParameter (std::uint32_t, AAX_CParamID) override
    {
        return called ("AddCategoryBypassParameter");
    }
    AAX_Result AddProcPtr (void*, AAX_CProcPtrID procID) override;
    AAX_Result SetProperties (IACFUnknown* propertyMap) override;
    AAX_Result AddResourceInfo (AAX_EResourceType, const char*) override { return called ("AddResourceInfo"); }
    AAX_Result AddMeterDescription (AAX_CTypeID, const char*, IACFUnknown* propertyMap) override;
    AAX_Result AddControlMIDINode (AAX_CTypeID, AAX_EMIDINodeType, const char*, std::uint32_t) override
    {
        return called ("AddControlMIDINode");
    }

    std::vector<IACFUnknown*> arguments; // every child object passed in
};

class Collection final : public HostObject<AAX_IACFCollection>
{
public:
    explicit Collection (int offeredVersions) : HostObject ({ IID_IAAXCollectionV1 }, offeredVersions) {}

    AAX_Result AddEffect (const char* effectID, IACFUnknown* descriptor) override;
    AAX_Result SetManufacturerName (const char* name) override;
    AAX_Result AddPackageName (const char* name) override;
    AAX_Result SetPackageVersion (std::uint32_t version) override;
    AAX_Result SetProperties (IACFUnknown* propertyMap) override;

    bool offersPluginDefinition = true;
    std::vector<IACFUnknown*> arguments;

protected:
    ACFRESULT queryOther (const acfIID& iid, void** out) override;
};

class HostServices final : public HostObject<AAX_IACFHostServices_V2>
{
public:
    explicit HostServices (int offeredVersions)
        : HostObject ({ IID_IAAXHostServicesV1, IID_IAAXHostServicesV2 }, offeredVersions)
    {
    }

    AAX_Result Assert (const char* file, std::int32_t line, const char* note) override;
    AAX_Result Trace (std::int32_t priority, const char* message) override;
    AAX_Result StackTrace (std::int32_t, std::int32_t, const char*) override { return called ("StackTrace"); }

    std::vector<std::string> traces;
};

// An effect's parameter object as the host holds it: answers a fixed list of
// parameter IDs, every other operation is unsupported.
class EffectParameters final : public EffectParametersStub<HostObject<AAX_IACFEffectParameters_V3>>
{
public:
    EffectParameters();

    AAX_Result GetNumberOfParameters (std::int32_t* outCount) const override;
    AAX_Result GetParameterIDFromIndex (std::int32_t index, AAX_IString* outID) const override;

    std::vector<std::string> ids;
    AAX_Result countAnswer = 0;
    std::optional<std::int32_t> reportedCount; // reported instead of ids.size() when set
};

class Host;

// Makes a new component per request, kept by the host, offering the versions
// the host is set to give that kind.
class ComponentFactory final : public HostObject<IACFComponentFactory>
{
public:
    explicit ComponentFactory (Host& owner);

    ACFRESULT CreateComponent (IACFUnknown* outer, const acfCLSID& component, const acfIID& iid,
                               void** out) override;

private:
    template <class T>
    static ACFRESULT make (std::vector<std::unique_ptr<T>>& made, int versions, const acfIID& iid, void** out)
    {
        auto object = std::make_unique<T> (versions);
        const auto result = object->QueryInterface (iid, out);
        if (result == ACF_OK)
            made.push_back (std::move (object));
        return result;
    }

    Host& host;
};

// The object a host passes to the module's entry points and to the plug-in's
// objects. It hands out its controller, transport, automation delegate and
// effect parameters (each offering its own `versions`, 0 = not at all) and
// its component factory; what the factory makes is kept here.
class Host final : public HostObject<IACFUnknown>,
                   public MadeComponents<Collection, EffectDescriptor, ComponentDescriptor, PropertyMap, HostServices>
{
public:
    Host();
    ~Host() override;

    // Versions of the components the factory makes from now on.
    int collectionVersions = 1, effectDescriptorVersions = 2, componentDescriptorVersions = 2;
    int propertyMapVersions = 2, hostServicesVersions = 2;
    bool offersFactory = true;
    bool offersEffectParameters = true;
    bool offersPluginDefinition = true; // by the collections the factory makes

    Controller controller { 3 };
    Transport transport { 2 };
    AutomationDelegate automation { 1 };
    std::unique_ptr<EffectParameters> effectParameters;
    std::unique_ptr<ComponentFactory> factory;

    // References anyone holds on any object of this host, the host included.
    int referencesHeld() const;
    bool anyOverReleased() const;

protected:
    ACFRESULT queryOther (const acfIID& iid, void** out) override;
};

// The ID text a host object stores into an AAX_IString.
std::string textOf (const AAX_IString& s);
} // namespace aaxhost
