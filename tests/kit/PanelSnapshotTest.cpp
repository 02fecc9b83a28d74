// Every panel rendered over the editor as a user sees it, written as PNGs
// (kit-panel-*.png beside the test program) to look at.
#include "PanelTestKit.h"
#include "PresetMenuTestFolder.h"

#include <MorvidPresetBrowser.h>
#include <MorvidPresetFolder.h>
#include <MorvidPresetMenu.h>
#include <PandrelTQ4418AudioProcessor.h>

using namespace paneltest;

namespace
{
const juce::String longPath = "Factory Sounds/Slow Sweeps/JetPlaneOverTheHillsWithAVeryLongTailAndMore.mdtz";

// Light text drawn in the panel's message area (or dark text on a light
// list): the text is there to read.
int lightPixels (const juce::Image& picture, juce::Rectangle<int> area, bool dark = false)
{
    int count = 0;
    for (int y = area.getY(); y < area.getBottom(); ++y)
        for (int x = area.getX(); x < area.getRight(); ++x)
            count += (picture.getPixelAt (x, y).getBrightness() > 0.7f) != dark ? 1 : 0;
    return count;
}
} // namespace

using PanelSnapshots = PresetMenuTestFolder;

TEST_F (PanelSnapshots, AlertsWithEachIconAndButtonCount)
{
    Editor editor;
    MorvidAlertComponent alert ("alertComponent_", 1, 1, 3);
    editor.add (alert);
    const std::tuple<int, int, const char*, const char*> cases[] {
        { 1, 1, "asterisk-one", "The folder name already exist! Try different name." },
        { 2, 3, "smile-two", "Preset saved. Load it now?" },
        { 1, 4, "frown-one", "Couldn't create the folder! Try different name." },
        { 2, 2, "ok-two", "Are you sure?" },
    };
    for (const auto& [buttons, icon, name, text] : cases)
    {
        alert.setTitle (text);
        alert.show (buttons, icon);
        const auto picture = snapshot (editor, juce::String ("kit-panel-alert-") + name + ".png");
        EXPECT_GT (lightPixels (picture, { 32, 200, 260, 60 }), 40) << name;
    }
    alert.hide();
}

TEST_F (PanelSnapshots, QuestionsBrowserNewFolderAndNestedError)
{
    put ("Bass/Warm.mdtz");
    put ("Drums/Tight.mdtz");
    put ("Lead.mdtz");
    put ("Pad.mdtz");
    put (longPath);
    PandrelTQ4418AudioProcessor processor;
    MorvidPresetMenu menu ("presetName_");
    menu.setDirectoryPath (root.getFullPathName());
    Editor editor;
    MorvidOverwriteComponent overwrite ("overwriteComponent_", &processor, &menu);
    MorvidPresetBrowser browser ("savePresetBrowser_", "Save", root, MorvidPresetFolder::wildcard, 5, 1, 5, 3, 8, &processor, &menu);
    editor.add (overwrite);
    editor.add (browser);
    const auto question = "Are you sure you want to overwrite this preset?\n\n\"" + longPath + "\"";

    overwrite.setTitle (question);
    overwrite.show (2, 1);
    snapshot (editor, "kit-panel-overwrite.png");
    overwrite.hide();

    browser.show();
    auto& list = child<juce::FileBrowserComponent> (browser, "fileBrowser_");
    const auto& contents = list.getDisplayComponent()->directoryContentsList;
    ASSERT_TRUE (pumpUntil ([&] { return ! contents.isStillLoading() && contents.getNumFiles() == 5; }));
    list.setFileName ("Lead");
    browser.timerCallback();
    auto picture = snapshot (editor, "kit-panel-save-browser.png");
    EXPECT_GT (lightPixels (picture, { 34, 100, 256, 100 }, true), 100); // the listed names
    for (auto* label : list.getChildren()) // the framework's own "file:"
    {
        if (dynamic_cast<juce::Label*> (label) != nullptr)
        {
            EXPECT_GT (lightPixels (picture, editor.getLocalArea (label, label->getLocalBounds())), 20);
        }
    }

    auto& newFolder = child<MorvidNewFolderComponent> (browser, "newFolderComponent_");
    child (browser, "New Folder").setEnabled (true);
    click (browser, "New Folder");
    child<juce::TextEditor> (newFolder, "textEditor_").setText ("Slow Sweeps");
    newFolder.timerCallback();
    snapshot (editor, "kit-panel-new-folder.png");
    click (newFolder, "CANCEL");

    auto& nested = child<MorvidOverwriteComponent> (browser, "overwriteComponent_");
    nested.setTitle (question);
    nested.show (2, 1);
    snapshot (editor, "kit-panel-overwrite-nested.png");
    nested.hide();

    put ("System", {}, juce::File ("/proc/self/fdinfo"));
    list.setRoot (root.getChildFile ("System"));
    list.setFileName ("Jet Plane Over The Hills (long tail) " + juce::String::repeatedString ("and more ", 22));
    browser.okButtonClicked();
    auto& alert = child<MorvidAlertComponent> (browser, "alertComponent_");
    ASSERT_TRUE (isOpen (alert));
    picture = snapshot (editor, "kit-panel-save-failed.png");
    EXPECT_EQ (lightPixels (picture, { 16, 290, 293, 14 }), 0); // nothing over the divider
    const auto shown = child<juce::Label> (alert, "titleText_").getText(); // shortened in the middle of the path
    EXPECT_TRUE (shown.startsWith ("Couldn't save") && shown.contains ("...") && shown.endsWith ("and more .mdtz\"")) << shown;
    click (alert, "OK");
    browser.hide();
    EXPECT_EQ (modalCount(), 0);
}
