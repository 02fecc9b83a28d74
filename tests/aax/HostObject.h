#pragma once

// What both of our hosts share, written on the raw interfaces alone. The base
// of every host object offers a chosen number of versions of its interface
// family, records the calls it gets, and counts the references others hold on
// it. Objects belong to their host and never delete themselves, so a
// reference released once too often shows up as a negative count instead of
// a crash.

#include "AAX_ACFHostInterfaces.h"
#include "AAX_ACFIdentifiers.h"
#include "ExactText.h"

#include <algorithm>
#include <atomic>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace aaxhost
{
// The result every recorded operation answers with, unless a test sets another.
inline constexpr AAX_Result defaultAnswer = 0;

class CallLog
{
public:
    void record (std::string call) { calls.push_back (std::move (call)); }
    std::vector<std::string> calls;
    std::string last() const { return calls.empty() ? std::string() : calls.back(); }
    bool contains (const std::string& call) const
    {
        return std::find (calls.begin(), calls.end(), call) != calls.end();
    }
};

// Reference counting and version-limited interface queries. `versionIIDs`
// lists the family's IDs from version 1 up; the object answers the first
// `versions` of them.
template <class Interface>
class HostObject : public Interface
{
public:
    HostObject (std::vector<acfIID> familyIIDs, int offeredVersions)
        : versions (offeredVersions), versionIIDs (std::move (familyIIDs))
    {
    }
    virtual ~HostObject() = default;
    HostObject (const HostObject&) = delete;
    HostObject& operator= (const HostObject&) = delete;

    ACFRESULT QueryInterface (const acfIID& iid, void** out) override
    {
        if (out == nullptr)
            return ACF_E_POINTER;
        *out = nullptr;
        if (iid == IID_IACFUnknown)
            return hand (static_cast<Interface*> (this), out);
        for (int i = 0; i < versions && i < static_cast<int> (versionIIDs.size()); ++i)
            if (iid == versionIIDs[static_cast<std::size_t> (i)])
                return hand (static_cast<Interface*> (this), out);
        return queryOther (iid, out);
    }

    std::uint32_t AddRef() override { return static_cast<std::uint32_t> (++references); }
    std::uint32_t Release() override
    {
        if (--references < 0)
            overReleased = true;
        return static_cast<std::uint32_t> (references.load());
    }

    int versions;
    std::atomic<int> references { 0 };
    bool overReleased = false;
    mutable CallLog log;
    AAX_Result answer = defaultAnswer;

protected:
    // Further interfaces an object offers beside its own family.
    virtual ACFRESULT queryOther (const acfIID&, void**) { return ACF_E_NOINTERFACE; }

    template <class T>
    static ACFRESULT hand (T* object, void** out)
    {
        object->AddRef();
        *out = object;
        return ACF_OK;
    }

    AAX_Result called (std::string call) const
    {
        log.record (std::move (call));
        return answer;
    }

    // A call that answers through an output pointer, when there is one.
    template <typename T, typename V>
    AAX_Result filled (T* out, const V& value, std::string call) const
    {
        if (out != nullptr)
            *out = static_cast<T> (value);
        return called (std::move (call));
    }
    AAX_Result filled (AAX_IString* out, const char* text, std::string call) const
    {
        if (out != nullptr)
            out->Set (text);
        return called (std::move (call));
    }

private:
    std::vector<acfIID> versionIIDs;
};

// A host's controller for one instance: its rate and stem formats, and every
// packet posted to it.
class Controller final : public HostObject<AAX_IACFController_V3>
{
public:
    explicit Controller (int offeredVersions = 3)
        : HostObject ({ IID_IAAXControllerV1, IID_IAAXControllerV2, IID_IAAXControllerV3 }, offeredVersions)
    {
    }

    AAX_Result GetEffectID (AAX_IString* outID) const override { return filled (outID, "com.morvid.PandrelTQ4418", "GetEffectID"); }
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
    AAX_Result PostPacket (AAX_CFieldIndex port, const void* data, std::uint32_t size) override
    {
        const auto* bytes = static_cast<const unsigned char*> (data);
        packets.emplace_back (bytes, bytes + (bytes != nullptr ? size : 0));
        packetPorts.push_back (port);
        return called ("PostPacket " + std::to_string (port) + " " + std::to_string (size));
    }
    AAX_Result GetCurrentMeterValue (AAX_CTypeID, float*) const override { return called ("GetCurrentMeterValue"); }
    AAX_Result GetMeterPeakValue (AAX_CTypeID, float*) const override { return called ("GetMeterPeakValue"); }
    AAX_Result ClearMeterPeakValue (AAX_CTypeID) const override { return called ("ClearMeterPeakValue"); }
    AAX_Result GetMeterCount (std::uint32_t*) const override { return called ("GetMeterCount"); }
    AAX_Result GetMeterClipped (AAX_CTypeID, AAX_CBoolean*) const override { return called ("GetMeterClipped"); }
    AAX_Result ClearMeterClipped (AAX_CTypeID) const override { return called ("ClearMeterClipped"); }
    AAX_Result GetNextMIDIPacket (AAX_CFieldIndex*, AAX_CMidiPacket*) override { return called ("GetNextMIDIPacket"); }
    AAX_Result SendNotification (AAX_CTypeID, const void*, std::uint32_t) override
    {
        return called ("SendNotification");
    }
    AAX_Result GetHybridSignalLatency (std::int32_t*) const override { return called ("GetHybridSignalLatency"); }
    AAX_Result GetCurrentAutomationTimestamp (AAX_CTransportCounter* outTimestamp) const override
    {
        return filled (outTimestamp, 4410, "GetCurrentAutomationTimestamp");
    }
    AAX_Result GetHostName (AAX_IString* outName) const override { return filled (outName, "Test Host", "GetHostName"); }
    AAX_Result GetPlugInTargetPlatform (AAX_CTargetPlatform*) const override { return called ("GetPlugInTargetPlatform"); }
    AAX_Result GetIsAudioSuite (AAX_CBoolean* out) const override { return filled (out, 0, "GetIsAudioSuite"); }

    // The last packet posted to a port; null when none was.
    const std::vector<unsigned char>* lastPacket (AAX_CFieldIndex port) const
    {
        for (auto i = packetPorts.size(); i-- > 0;)
            if (packetPorts[i] == port)
                return &packets[i];
        return nullptr;
    }

    float sampleRate = 48000.0f;
    AAX_EStemFormat input = AAX_eStemFormat_Stereo, output = AAX_eStemFormat_Stereo;
    std::vector<std::vector<unsigned char>> packets; // the bytes of every posted packet
    std::vector<AAX_CFieldIndex> packetPorts;
};

// A playing transport at a set tempo in 4/4.
class Transport final : public HostObject<AAX_IACFTransport_V2>
{
public:
    explicit Transport (int offeredVersions = 2)
        : HostObject ({ IID_IAAXTransportV1, IID_IAAXTransportV2 }, offeredVersions)
    {
    }

    AAX_Result GetCurrentTempo (double* outBpm) const override
    {
        tempoAsked += outBpm != nullptr ? 1 : 0;
        return filled (outBpm, bpm, "GetCurrentTempo");
    }
    AAX_Result GetCurrentMeter (std::int32_t* outNumerator, std::int32_t* outDenominator) const override
    {
        if (outNumerator != nullptr && outDenominator != nullptr)
            *outNumerator = 4, *outDenominator = 4;
        return called ("GetCurrentMeter");
    }
    AAX_Result IsTransportPlaying (bool* outPlaying) const override { return filled (outPlaying, true, "IsTransportPlaying"); }
    AAX_Result GetCurrentTickPosition (std::int64_t*) const override { return called ("GetCurrentTickPosition"); }
    AAX_Result GetCurrentLoopPosition (bool*, std::int64_t*, std::int64_t*) const override
    {
        return called ("GetCurrentLoopPosition");
    }
    AAX_Result GetCurrentNativeSampleLocation (std::int64_t* outSample) const override
    {
        return filled (outSample, sample, "GetCurrentNativeSampleLocation");
    }
    AAX_Result GetCustomTickPosition (std::int64_t*, std::int64_t) const override
    {
        return called ("GetCustomTickPosition");
    }
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
    AAX_Result GetFeetFramesInfo (AAX_EFeetFramesRate*, std::int64_t*) const override
    {
        return called ("GetFeetFramesInfo");
    }
    AAX_Result IsMetronomeEnabled (std::int32_t*) const override { return called ("IsMetronomeEnabled"); }

    double bpm = 100.0;
    std::int64_t sample = 0;
    mutable std::atomic<int> tempoAsked { 0 };
};

// A property map that keeps what it is given and answers from it.
class PropertyMap final : public HostObject<AAX_IACFPropertyMap_V2>
{
public:
    explicit PropertyMap (int offeredVersions = 2)
        : HostObject ({ IID_IAAXPropertyMapV1, IID_IAAXPropertyMapV2 }, offeredVersions)
    {
    }

    AAX_CBoolean GetProperty (AAX_EProperty property, AAX_CPropertyValue* outValue) const override
    {
        asked.push_back (property);
        const auto found = properties.find (property);
        if (found == properties.end())
            return false;
        if (outValue != nullptr)
            *outValue = found->second;
        return true;
    }
    AAX_Result AddProperty (AAX_EProperty property, AAX_CPropertyValue value) override
    {
        properties[property] = value;
        return called ("AddProperty " + std::to_string (property) + " " + std::to_string (value));
    }
    AAX_Result RemoveProperty (AAX_EProperty property) override
    {
        properties.erase (property);
        return called ("RemoveProperty " + std::to_string (property));
    }
    AAX_Result AddPropertyWithIDArray (AAX_EProperty, const AAX_SPlugInIdentifierTriad*, std::uint32_t count) override
    {
        return called ("AddPropertyWithIDArray " + std::to_string (count));
    }
    AAX_CBoolean GetPropertyWithIDArray (AAX_EProperty, const AAX_SPlugInIdentifierTriad**,
                                         std::uint32_t*) const override
    {
        return true;
    }

    // The value given for a property, 0 when none was.
    AAX_CPropertyValue get (AAX_EProperty property) const
    {
        const auto found = properties.find (property);
        return found != properties.end() ? found->second : 0;
    }

    std::map<std::int32_t, AAX_CPropertyValue> properties;
    mutable std::vector<std::int32_t> asked; // every ID GetProperty was asked for
};

// What a host's component factory made, kept by the host in order.
template <class Collection, class EffectDescriptor, class ComponentDescriptor, class PropertyMap, class HostServices>
struct MadeComponents
{
    std::vector<std::unique_ptr<Collection>> collections;
    std::vector<std::unique_ptr<EffectDescriptor>> effectDescriptors;
    std::vector<std::unique_ptr<ComponentDescriptor>> componentDescriptors;
    std::vector<std::unique_ptr<PropertyMap>> propertyMaps;
    std::vector<std::unique_ptr<HostServices>> hostServices;

    template <typename Visit>
    void visitMade (Visit&& visit) const
    {
        const auto each = [&visit] (const auto& objects) {
            for (const auto& o : objects)
                visit (*o);
        };
        each (collections), each (effectDescriptors), each (componentDescriptors), each (propertyMaps), each (hostServices);
    }

    int referencesOnMade() const
    {
        int total = 0;
        visitMade ([&total] (const auto& o) { total += o.references; });
        return total;
    }
};
} // namespace aaxhost
