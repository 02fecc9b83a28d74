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
    Vst2Hosted() : plugin (PANDREL_VST2_PLUGIN, 48000.0f, 512)
    {
        plugin.start();
        programName(); // a host reads the list as it loads the plug-in
    }

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
    // The host's own list of program names, as hosts keep it: read again
    // only after the plug-in asked for the display to be updated.
    juce::String programName() override
    {
        const int updates = plugin.count (VstHostOpcode::updateDisplay);
        if (names.empty() || updates != updatesRead)
        {
            names.clear();
            for (int p = 0; p < plugin.effect()->numPrograms; ++p)
            {
                char name[64] = {};
                plugin.dispatch (VstEffectOpcode::getProgramNameIndexed, p, 0, name);
                names.push_back (name);
            }
            updatesRead = updates;
        }
        const auto current = (size_t) plugin.dispatch (VstEffectOpcode::getProgram);
        return current < names.size() ? juce::String (names[current]) : juce::String();
    }

    Vst2Host plugin;
    std::vector<std::string> names;
    int updatesRead = 0;
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

// A program the host chooses while the editor is open (the plug-in then runs
// on the host's loop): the host is asked to read every value again only after
// its own call that chose the program has returned, never from inside it
// (ardour holds a lock there and takes it again for that request).
TEST (UserPath, Vst3HostIsAskedToReadValuesAfterItsOwnCall)
{
    ThrowAwayHome home { "user-path-home-" };
    Vst3Hosted host;
    ASSERT_NE (host.plugin, nullptr);
    XDriver x ([&host] (int ms) { host.pump (ms); });
    if (! x.ok())
        GTEST_SKIP() << "no X display with the test extension";
    host.openEditor (x.hostWindow());
    host.pump (500);

    // Program 0 set apart from the others, whose depth is the default.
    host.setValue (4, 0.9f);
    ASSERT_TRUE (x.pumpUntil ([&] { return host.value (4) == 0.9f; }));

    // The host's call that chose the program is under way from the plug-in's
    // first report of a value in it until the host's loop takes its next
    // message.
    struct Reports : juce::AudioProcessorListener
    {
        void audioProcessorParameterChanged (juce::AudioProcessor*, int index, float) override
        {
            if (index != 4 || depthReported)
                return;
            depthReported = true;
            *inHostsCall = true;
            juce::MessageManager::callAsync ([flag = inHostsCall] { *flag = false; });
        }
        void audioProcessorChanged (juce::AudioProcessor*, const ChangeDetails&) override
        {
            ++restarts;
            restartsInside += *inHostsCall ? 1 : 0;
        }
        std::shared_ptr<bool> inHostsCall = std::make_shared<bool> (false);
        bool depthReported = false;
        int restarts = 0, restartsInside = 0;
    } reports;
    host.plugin->addListener (&reports);

    host.setProgram (3);
    EXPECT_TRUE (x.pumpUntil ([&] { return std::abs (host.value (4) - 0.2f) < 1.0e-6f && reports.restarts > 0; }))
        << host.value (4);
    host.plugin->removeListener (&reports);
    EXPECT_TRUE (reports.depthReported);
    EXPECT_EQ (reports.restartsInside, 0) << "asked to read the values again inside the call that chose the program";
    host.closeEditor();
}
