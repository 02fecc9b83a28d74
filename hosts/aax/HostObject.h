#pragma once

// The base of every object our AAX host hands to a module, written on the raw
// interfaces alone. It offers a chosen number of versions of its interface
// family, records the calls it gets, and counts the references others hold on
// it. Objects belong to their host and never delete themselves, so a
// reference released once too often shows up as a negative count instead of
// a crash.

#include "AAX_ACFHostInterfaces.h"
#include "AAX_ACFIdentifiers.h"
#include "ExactText.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace aaxhost
{
// Every call an object got, as text. A module may call from threads of its own.
class CallLog
{
public:
    void record (std::string call)
    {
        const std::lock_guard<std::mutex> held (lock);
        calls.push_back (std::move (call));
    }
    std::vector<std::string> take()
    {
        const std::lock_guard<std::mutex> held (lock);
        return std::exchange (calls, {});
    }
    std::string last() const
    {
        const std::lock_guard<std::mutex> held (lock);
        return calls.empty() ? std::string() : calls.back();
    }
    bool contains (const std::string& call) const
    {
        const std::lock_guard<std::mutex> held (lock);
        return std::find (calls.begin(), calls.end(), call) != calls.end();
    }

    std::vector<std::string> calls;

private:
    mutable std::mutex lock;
};

// Reference counting and version-limited interface queries. `familyIIDs`
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
    std::atomic<bool> overReleased { false };
    mutable CallLog log;
    AAX_Result answer = 0; // what every recorded operation answers with

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

    static std::string text (const char* s) { return s != nullptr ? s : "(null)"; }
    static std::string number (double value) { return exactText (value); }

private:
    std::vector<acfIID> versionIIDs;
};
} // namespace aaxhost
