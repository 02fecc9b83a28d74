#pragma once

// What both of our hosts share, written on the raw interfaces alone. The base
// of every host object offers a chosen number of versions of its interface
// family, records the calls it gets, and counts the references others hold on
// it. Objects belong to their host and never delete themselves, so a
// reference released once too often shows up as a negative count instead of
// a crash.

#include "AAX_ACFHostInterfaces.h"
#include "AAX_ACFIdentifiers.h"

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
