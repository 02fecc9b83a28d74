#pragma once
// The whole path of a user through the editor, driven with real X events in
// a built plug-in inside a host, and checked through that host and on disk.
#include "XDriver.h"

// What the test needs of a host holding the plug-in.
struct HostedPlugin
{
    virtual ~HostedPlugin() = default;
    virtual void openEditor (XWindowId parent) = 0;
    virtual void closeEditor() = 0;
    // Runs the host's loop (message loop, idle calls, audio) for a while.
    virtual void pump (int ms) = 0;
    // The parameter's value as the host knows it.
    virtual float value (int index) = 0;
    // Host automation.
    virtual void setValue (int index, float value) = 0;
    virtual void setProgram (int program) = 0;
    virtual juce::String programName() = 0;
};

// Captures go into `captures`; presets are looked for in `presetFolder`.
void runUserPath (HostedPlugin& host, XDriver& x, const juce::File& captures, const juce::File& presetFolder);
