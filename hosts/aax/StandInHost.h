#pragma once

// A whole AAX host of our own, written on the raw interfaces alone: it loads
// a module from its .so, registers it, makes instances of its components,
// renders them, answers their automation and shows their GUI in an X11
// window. Set-value requests are answered before the next render, never
// inside the request, as a host's automation does.

#include "ACFModule.h"
#include "HostObjects.h"

#include <memory>
#include <string>
#include <vector>

namespace aaxhost
{
// The module's .so inside a bundle ("Name.aax/Contents/x86_64-linux/Name.so");
// any other path as it is.
std::string modulePathOf (const std::string& bundleOrModule);

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

// One instance of a component: its parameter object initialised on a host
// object of its own (controller, transport, automation), its context record,
// and its GUI when one is open.
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
    Host host;
    AAX_IACFEffectParameters_V3* parameters = nullptr;
    AAX_IACFEffectGUI* gui = nullptr;
    Controller& controller = host.controller;
    Transport& transport = host.transport;
    AutomationDelegate& automation = host.automation;
    std::unique_ptr<ViewContainer> view;
    std::int32_t initResult = -1;

private:
    const EffectDescriptor& effect;
    const ComponentDescriptor& component;
    IACFUnknown* created = nullptr;
    std::vector<void*> record;
    std::vector<unsigned char> privateData;
    std::int32_t frameCount = 0;
    std::int32_t bypassWord = 0;
};

// A module loaded, started and registered, and the instances made of its
// first effect; all let go of in turn at the end.
class Session
{
public:
    explicit Session (const std::string& modulePath);
    ~Session();
    Session (const Session&) = delete;
    Session& operator= (const Session&) = delete;

    // Empty once the module described an effect.
    std::string error() const;

    // An instance of the component at that index, kept by the session.
    Instance& make (int component, float sampleRate);
    // The index of the component for that many inputs and outputs; -1 if none.
    int componentFor (int ins, int outs) const;

    void end(); // instances, definition, shutdown, in that order

    Host host;
    Module module;
    IACFPluginDefinition* definition = nullptr;
    AAX_Result registered = -1;
    EffectDescriptor* effect = nullptr;
    std::vector<std::unique_ptr<Instance>> instances;
};
} // namespace aaxhost
