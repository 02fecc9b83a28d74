// A user's whole path through the editor in both built plug-ins: the VST3
// bundle in JUCE's hosting classes and the VST 2 .so in our own test host,
// each in a host window on the X server, driven with real pointer and key
// events. Captures go to user-path-vst3/ and user-path-vst2/ beside the test.
#include "ThrowAwayHome.h"
#include "UserPath.h"
#include "Vst2Host.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <gtest/gtest.h>

#include <thread>

namespace juce
{
bool dispatchNextMessageOnSystemQueue (bool returnIfNoPendingMessages); // JUCE's own pump
}

namespace
{
juce::File capturesFolder (const char* name)
{
    auto folder = juce::File::getCurrentWorkingDirectory().getChildFile (name);
    folder.deleteRecursively();
    return folder;
}

// One turn of a host's loop, every few milliseconds for a while.
template <typename Turn>
void repeatFor (int ms, Turn turn)
{
    for (const auto end = juce::Time::getMillisecondCounter() + (juce::uint32) ms; juce::Time::getMillisecondCounter() < end;)
    {
        turn();
        std::this_thread::sleep_for (std::chrono::milliseconds (5));
    }
}

// The whole path in a fresh home, when the X server has the test extension.
template <class Hosted>
void walk (Hosted& host, const ThrowAwayHome& home, const char* captures)
{
    XDriver x ([&host] (int ms) { host.pump (ms); });
    if (! x.ok())
        GTEST_SKIP() << "no X display with the test extension";
    runUserPath (host, x, capturesFolder (captures), home.presetFolder());
}

// The VST 2 plug-in in our host: the host's idle calls run the editor.
struct Vst2Hosted : HostedPlugin
{
    Vst2Hosted() : plugin (PANDREL_VST2_PLUGIN, 48000.0f, 512) { plugin.start(); }

    void openEditor (XWindowId parent) override
    {
        EXPECT_EQ (plugin.dispatch (VstEffectOpcode::editorOpen, 0, 0, reinterpret_cast<void*> (parent)), 1);
    }
    void closeEditor() override { plugin.dispatch (VstEffectOpcode::editorClose); }
    void pump (int ms) override
    {
        repeatFor (ms, [this] { plugin.dispatch (VstEffectOpcode::editorIdle); });
    }
    float value (int index) override { return plugin.getParameter (index); }
    void setValue (int index, float v) override { plugin.setParameter (index, v); }
    void setProgram (int program) override { plugin.dispatch (VstEffectOpcode::setProgram, 0, program); }
    juce::String programName() override { return plugin.text (VstEffectOpcode::getProgramName); }

    Vst2Host plugin;
};

// The VST3 bundle in JUCE's hosting: the host's message loop runs both.
struct Vst3Hosted : HostedPlugin
{
    Vst3Hosted()
    {
        juce::VST3PluginFormat format;
        juce::OwnedArray<juce::PluginDescription> types;
        format.findAllTypesForFile (types, PANDREL_VST3_BUNDLE);
        juce::String error;
        if (! types.isEmpty())
            plugin = format.createInstanceFromDescription (*types[0], 48000.0, 512, error);
        EXPECT_NE (plugin, nullptr) << error;
    }
    ~Vst3Hosted() override { editor.reset(); }

    void openEditor (XWindowId parent) override
    {
        editor.reset (plugin->createEditorIfNeeded());
        ASSERT_NE (editor, nullptr);
        editor->setTopLeftPosition (0, 0);
        editor->addToDesktop (0, reinterpret_cast<void*> (parent));
        editor->setVisible (true);
    }
    void closeEditor() override { editor.reset(); }
    void pump (int ms) override
    {
        repeatFor (ms, [] {
            while (juce::dispatchNextMessageOnSystemQueue (true))
            {
            }
        });
    }
    float value (int index) override { return plugin->getParameters()[index]->getValue(); }
    void setValue (int index, float v) override { plugin->getParameters()[index]->setValueNotifyingHost (v); }
    void setProgram (int program) override { plugin->setCurrentProgram (program); }
    // The host's own list of program names, which it reads again when the
    // plug-in says they changed.
    juce::String programName() override { return plugin->getProgramName (plugin->getCurrentProgram()); }

    std::unique_ptr<juce::AudioPluginInstance> plugin;
    std::unique_ptr<juce::AudioProcessorEditor> editor;
};
} // namespace

TEST (UserPath, Vst2PluginInOurHost)
{
    ThrowAwayHome home { "user-path-home-" };
    Vst2Hosted host;
    ASSERT_EQ (host.plugin.error(), "");
    walk (host, home, "user-path-vst2");
}

TEST (UserPath, Vst3PluginInJuceHosting)
{
    ThrowAwayHome home { "user-path-home-" };
    Vst3Hosted host;
    ASSERT_NE (host.plugin, nullptr);
    walk (host, home, "user-path-vst3");
}
