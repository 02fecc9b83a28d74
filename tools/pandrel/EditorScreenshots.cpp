#include "EditorScreenshots.h"

#include "PandrelTQ4418AudioProcessorEditor.h"
#include "ThrowAwayHome.h"

#include <MorvidPresetFolder.h>

#include <functional>

namespace juce
{
bool dispatchNextMessageOnSystemQueue (bool returnIfNoPendingMessages); // JUCE's own pump
}

namespace
{
// Runs what is posted (clicks, repaints, the browser's folder scan) for a while.
void settle (int ms)
{
    const auto end = juce::Time::getMillisecondCounter() + (juce::uint32) ms;
    do
    {
        while (juce::dispatchNextMessageOnSystemQueue (true))
        {
        }
        juce::Thread::sleep (5);
    } while (juce::Time::getMillisecondCounter() < end);
}

juce::Component* childNamed (juce::Component& parent, const juce::String& name)
{
    for (auto* child : parent.getChildren())
        if (child->getName() == name)
            return child;
    return nullptr;
}

void click (juce::Component& parent, const juce::String& name)
{
    if (auto* button = dynamic_cast<juce::Button*> (childNamed (parent, name)))
        button->triggerClick();
    settle (50);
}

// The save browser, open, with a name typed into it.
juce::Component& openBrowser (PandrelTQ4418AudioProcessorEditor& editor, const juce::String& typedName)
{
    editor.fileMenuResult (2);
    auto* browser = childNamed (editor, "savePresetBrowser_");
    if (auto* list = dynamic_cast<juce::FileBrowserComponent*> (childNamed (*browser, "fileBrowser_")))
        list->setFileName (typedName);
    settle (300);
    return *browser;
}

void writePreset (PandrelTQ4418AudioProcessor& processor, const juce::String& name, const juce::String& presetVersion)
{
    auto doc = processor.writePreset (true);
    if (auto* properties = doc.getChildByName ("Properties"))
        properties->setAttribute ("presetVersion", presetVersion);
    const auto file = MorvidPresetFolder::getPresetFolder().getChildFile (name);
    file.getParentDirectory().createDirectory();
    doc.writeTo (file);
}

struct Scene
{
    const char* name;
    std::function<void (PandrelTQ4418AudioProcessor&)> before; // on the processor, before the editor opens
    std::function<void (PandrelTQ4418AudioProcessorEditor&)> after; // on the open editor
};

const std::vector<Scene>& scenes()
{
    static const std::vector<Scene> list {
        { "editor-defaults", {}, {} },
        { "editor-sync-type3-slotB-bypass-off",
          [] (PandrelTQ4418AudioProcessor& p)
          {
              p.programs[0].activeChannel = 1;
              p.programs[0].name[1] = "Lead.mdtz";
              p.setParameter (0, 0.0f);
              p.setParameter (1, 1.0f);
              p.setParameter (3, 0.5f);
              p.setParameter (4, 0.7f);
              p.setParameter (6, 0.85f);
              p.setParameter (10, 1.0f);
              writePreset (p, "Lead.mdtz", "1.0");
          },
          {} },
        { "panel-about", {}, [] (PandrelTQ4418AudioProcessorEditor& e) { click (e, "aboutShowButton_"); } },
        { "panel-alert-newer-version", [] (PandrelTQ4418AudioProcessor& p) { writePreset (p, "Newer.mdtz", "2.0"); },
          [] (PandrelTQ4418AudioProcessorEditor& e) { click (e, "presetIncButton_"); } },
        { "panel-alert-not-a-preset",
          [] (PandrelTQ4418AudioProcessor&)
          {
              const auto file = MorvidPresetFolder::getPresetFolder().getChildFile ("Broken.mdtz");
              file.getParentDirectory().createDirectory();
              file.replaceWithText ("<notAPreset/>");
          },
          [] (PandrelTQ4418AudioProcessorEditor& e) { click (e, "presetIncButton_"); } },
        { "panel-alert-no-manual", {}, [] (PandrelTQ4418AudioProcessorEditor& e) { e.fileMenuResult (3); } },
        { "panel-save-browser",
          [] (PandrelTQ4418AudioProcessor& p)
          {
              writePreset (p, "Lead.mdtz", "1.0");
              writePreset (p, "Clean/Slow.mdtz", "1.0");
          },
          [] (PandrelTQ4418AudioProcessorEditor& e) { openBrowser (e, "Chorus"); } },
        { "panel-save-browser-new-folder", {},
          [] (PandrelTQ4418AudioProcessorEditor& e)
          {
              auto& browser = openBrowser (e, {});
              click (browser, "New Folder");
              if (auto* field = dynamic_cast<juce::TextEditor*> (childNamed (*childNamed (browser, "newFolderComponent_"), "textEditor_")))
                  field->setText ("Sub");
          } },
        { "panel-save-browser-new-folder-alert", [] (PandrelTQ4418AudioProcessor& p) { writePreset (p, "Sub/Lead.mdtz", "1.0"); },
          [] (PandrelTQ4418AudioProcessorEditor& e)
          {
              auto& browser = openBrowser (e, {});
              click (browser, "New Folder");
              auto& newFolder = *childNamed (browser, "newFolderComponent_");
              if (auto* field = dynamic_cast<juce::TextEditor*> (childNamed (newFolder, "textEditor_")))
                  field->setText ("Sub");
              settle (300);
              click (newFolder, "OK");
          } },
        { "panel-save-browser-overwrite", [] (PandrelTQ4418AudioProcessor& p) { writePreset (p, "Lead.mdtz", "1.0"); },
          [] (PandrelTQ4418AudioProcessorEditor& e) { click (openBrowser (e, "Lead"), "OK"); } },
        { "panel-overwrite",
          [] (PandrelTQ4418AudioProcessor& p)
          {
              p.programs[0].name[0] = "Clean/Slow.mdtz";
              writePreset (p, "Clean/Slow.mdtz", "1.0");
          },
          [] (PandrelTQ4418AudioProcessorEditor& e) { e.fileMenuResult (1); } },
    };
    return list;
}
} // namespace

namespace EditorScreenshots
{
std::vector<Shot> renderAll()
{
    ThrowAwayHome home ("pandrel-screenshots-");
    std::vector<Shot> shots;

    for (const auto& scene : scenes())
    {
        std::unique_ptr<PandrelTQ4418AudioProcessor> processor (
            static_cast<PandrelTQ4418AudioProcessor*> (createPluginFilter()));
        if (scene.before)
            scene.before (*processor);

        {
            std::unique_ptr<PandrelTQ4418AudioProcessorEditor> editor (
                static_cast<PandrelTQ4418AudioProcessorEditor*> (processor->createEditor()));
            // The first ticks bring A/B, the copy image and the preset name in line.
            for (int i = 0; i < 3; ++i)
                editor->timerCallback();
            if (scene.after)
                scene.after (*editor);
            settle (300);
            // A clicked button shows pressed until it has been painted once.
            editor->createComponentSnapshot (editor->getLocalBounds());
            settle (150);
            shots.push_back ({ scene.name, editor->createComponentSnapshot (editor->getLocalBounds()) });
        }

        MorvidPresetFolder::getPresetFolder().deleteRecursively (false);
        settle (20);
    }

    return shots;
}

juce::StringArray writeAll (const juce::File& folder)
{
    if (! folder.createDirectory())
        return {};

    juce::StringArray written;
    for (const auto& shot : renderAll())
    {
        const auto file = folder.getChildFile (shot.name + ".png");
        file.deleteFile();
        juce::FileOutputStream stream (file);
        if (! stream.openedOk() || ! juce::PNGImageFormat().writeImageToStream (shot.picture, stream))
            return {};
        written.add (shot.name);
    }
    return written;
}
} // namespace EditorScreenshots
