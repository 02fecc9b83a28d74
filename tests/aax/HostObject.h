#pragma once

// The base of every object of our hosts, written on the raw interfaces alone:
// it offers a chosen number of versions of its interface family, records the
// calls it gets, and counts the references others hold on it. Objects belong
// to their host and never delete themselves, so a reference released once
// too often shows up as a negative count instead of a crash.

#include "AAX_ACFHostInterfaces.h"
#include "AAX_ACFIdentifiers.h"

#include <algorithm>
#include <atomic>
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

private:
    std::vector<acfIID> versionIIDs;
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
