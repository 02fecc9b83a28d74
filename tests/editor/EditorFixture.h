#pragma once
// The editor on a real processor, in a throw-away HOME, with a stand-in
// "xdg-open" first on PATH that records its argument, and a processor
// listener that records what the host is told.
#include "PanelTestKit.h"
#include "PandrelTQ4418AudioProcessorEditor.h"
#include "ThrowAwayHome.h"

#include <gtest/gtest.h>

#include <cstdlib>

class EditorTest : public ::testing::Test, private juce::AudioProcessorListener
{
protected:
    EditorTest()
    {
        if (const char* current = std::getenv ("PATH"))
            savedPath = current;
        EXPECT_TRUE (home.getChildFile ("bin").createDirectory());
        setenv ("PATH", (home.getFullPathName() + "/bin:" + savedPath).toRawUTF8(), 1);

        const auto opener = home.getChildFile ("bin/xdg-open");
        opener.replaceWithText ("#!/bin/sh\nprintf '%s' \"$1\" > \"" + opened.getFullPathName() + ".part\"\n"
                                "mv \"" + opened.getFullPathName() + ".part\" \"" + opened.getFullPathName() + "\"\n",
                                false, false, "\n");
        opener.setExecutePermission (true);

        processor->addListener (this);
    }

    ~EditorTest() override
    {
        editor.reset();
        processor->removeListener (this);
        processor.reset();
        setenv ("PATH", savedPath.toRawUTF8(), 1);
    }

    PandrelTQ4418AudioProcessorEditor& open()
    {
        editor.reset (static_cast<PandrelTQ4418AudioProcessorEditor*> (processor->createEditor()));
        return *editor;
    }

    // A new instance in place of the first (its editor closed), as a host
    // makes one to load a session into.
    void newInstance()
    {
        editor.reset();
        processor->removeListener (this);
        processor.reset (static_cast<PandrelTQ4418AudioProcessor*> (createPluginFilter()));
        processor->addListener (this);
    }

    // One run of the editor's timer, as the message loop would make it.
    void tick() { editor->timerCallback(); }

    template <typename T = juce::Component>
    T& child (const juce::String& name) { return paneltest::child<T> (*editor, name); }

    // What xdg-open was given, waiting for the detached opener.
    juce::String openedWith()
    {
        paneltest::pumpUntil ([this] { return opened.existsAsFile(); }, 10000);
        const auto text = opened.loadFileAsString();
        opened.deleteFile();
        return text;
    }

    void preset (const juce::String& relativePath, const juce::String& content)
    {
        const auto file = presetFolder.getChildFile (relativePath);
        ASSERT_TRUE (file.getParentDirectory().createDirectory());
        ASSERT_TRUE (file.replaceWithText (content));
    }

    // A preset file of the processor's current settings, with a changed
    // attribute of its Properties when asked.
    juce::String presetText (const juce::String& attribute = {}, const juce::String& value = {})
    {
        auto doc = processor->writePreset (true);
        if (attribute.isNotEmpty())
            doc.getChildByName ("Properties")->setAttribute (attribute, value);
        return doc.toString();
    }

    ProgramRecord& program() { return processor->programs[processor->currentProgram]; }

    std::vector<std::pair<int, float>> sent; // what the host was told

    juce::String savedPath;
    ThrowAwayHome throwAwayHome { "editor-home-" };
    juce::File home = throwAwayHome.folder;
    juce::File presetFolder = throwAwayHome.presetFolder();
    juce::File opened = home.getChildFile ("opened.txt");
    std::unique_ptr<PandrelTQ4418AudioProcessor> processor { static_cast<PandrelTQ4418AudioProcessor*> (createPluginFilter()) };
    std::unique_ptr<PandrelTQ4418AudioProcessorEditor> editor;

private:
    void audioProcessorParameterChanged (juce::AudioProcessor*, int index, float value) override
    {
        sent.emplace_back (index, value);
    }
    void audioProcessorChanged (juce::AudioProcessor*, const ChangeDetails&) override {}
};
