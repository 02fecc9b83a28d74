// The save browser and the overwrite questions with the real processor, the
// preset menu and real files in a temporary home, driven as a user drives
// them: names typed, buttons clicked, the message loop run.
#include "PanelTestKit.h"
#include "PresetMenuTestFolder.h"

#include <MorvidPresetBrowser.h>
#include <MorvidPresetFolder.h>
#include <MorvidPresetMenu.h>
#include <PandrelTQ4418AudioProcessor.h>

using namespace paneltest;

class SaveBrowser : public PresetMenuTestFolder
{
protected:
    void SetUp() override
    {
        menu.setDirectoryPath (root.getFullPathName());
        menu.setFileExtension (MorvidPresetFolder::wildcard);
        processor.setParameterNotifyingHost (ParameterTable::depth, 0.75f);
        slot() = "Init.mdtz";
        menu.setSelectedFilePath (slot());
        editor.add (browser);
    }

    void TearDown() override { EXPECT_EQ (modalCount(), 0) << "a panel was left modal"; }

    juce::String& slot() { return processor.programs[processor.currentProgram].name[0]; }
    juce::String presetText (PandrelTQ4418AudioProcessor& p) { return p.writePreset (true).toString(); }
    juce::FileBrowserComponent& list() { return child<juce::FileBrowserComponent> (browser, "fileBrowser_"); }
    MorvidOverwriteComponent& question() { return child<MorvidOverwriteComponent> (browser, "overwriteComponent_"); }
    juce::Component& saveButton() { return child (browser, "OK"); }

    // Types a name into the open browser and presses Save once it is usable.
    void save (const juce::String& name)
    {
        list().setFileName (name);
        ASSERT_TRUE (clickWhenUsable (browser, "OK")) << name;
    }

    // The editor builds the browser before it makes the Preset folder.
    PandrelTQ4418AudioProcessor processor, fresh;
    MorvidPresetMenu menu { "presetName_" };
    Editor editor;
    MorvidPresetBrowser browser { "savePresetBrowser_", "Save", MorvidPresetFolder::getPresetFolder(),
                                  MorvidPresetFolder::wildcard, 5, 1, 5, 3, 8, &processor, &menu };
};

TEST_F (SaveBrowser, AWholeSaveOnAFreshMachineAsAUserMakesIt)
{
    ASSERT_TRUE (root.createDirectory()); // as the editor does just before opening it
    browser.show();
    EXPECT_EQ (list().getRoot(), root);
    EXPECT_TRUE (unusable (saveButton()));
    EXPECT_TRUE (usable (child (browser, "New Folder")));

    click (browser, "New Folder");
    auto& newFolder = child (browser, "newFolderComponent_");
    auto& field = child<juce::TextEditor> (newFolder, "textEditor_");
    field.setText ("Sub");
    ASSERT_TRUE (pumpUntil ([&] { return usable (child (newFolder, "OK")); }));
    field.keyPressed (juce::KeyPress (juce::KeyPress::returnKey));
    pump();
    EXPECT_TRUE (isOpen (browser));
    list().fileDoubleClicked (root.getChildFile ("Sub")); // into Sub
    save ("Lead");

    EXPECT_FALSE (browser.isVisible());
    EXPECT_TRUE (root.getChildFile ("Sub/Lead.mdtz").existsAsFile());
    EXPECT_EQ (slot(), "Sub/Lead.mdtz");
    EXPECT_EQ (menu.getSelectedFilePath() + " " + menu.getText(), "Sub/Lead.mdtz Lead");
    EXPECT_EQ (menu.readPreset (&fresh, slot()), 1);
    EXPECT_EQ (presetText (fresh), presetText (processor));
}

TEST_F (SaveBrowser, CompletesTheExtensionOnlyWhenItIsMissing)
{
    ASSERT_TRUE (root.createDirectory());
    for (const auto& [typed, saved] : { std::pair ("Lead", "Lead.mdtz"), { "Pad.mdtz", "Pad.mdtz" }, { "Lead.MDTZ", "Lead.MDTZ.mdtz" } })
    {
        browser.show();
        save (typed);
        EXPECT_TRUE (root.getChildFile (saved).existsAsFile()) << typed;
        EXPECT_EQ (slot(), saved);
        EXPECT_FALSE (browser.isVisible());
    }
    EXPECT_EQ (root.getNumberOfChildFiles (juce::File::findFilesAndDirectories), 3);
}

TEST_F (SaveBrowser, AsksBeforeOverwritingAndCancelLeavesEverythingAsItWas)
{
    put ("Lead.mdtz", "old lead");
    put ("Bass/Lead.mdtz", "old bass");
    browser.show();

    for (const juce::String typed : { "Lead", "Bass\\Lead", "Bass\\Lead.mdtz" }) // a backslash saves as "/"
    {
        save (typed);
        EXPECT_TRUE (isOpen (question())) << typed;
        EXPECT_TRUE (browser.isVisible() && ! browser.isCurrentlyModal (false));
        EXPECT_EQ (child<juce::Label> (question(), "titleText_").getText(), "Are you sure you want to overwrite this preset?\n\n\""
                                                                                + juce::String (typed == "Lead" ? "Lead" : "Bass/Lead") + ".mdtz\"");
        click (question(), "CANCEL");
        EXPECT_TRUE (isOpen (browser));
    }
    EXPECT_EQ (root.getChildFile ("Lead.mdtz").loadFileAsString() + root.getChildFile ("Bass/Lead.mdtz").loadFileAsString(), "old leadold bass");
    EXPECT_EQ (slot(), "Init.mdtz");

    list().setRoot (root.getChildFile ("Bass"));
    save ("Lead.mdtz");
    EXPECT_EQ (child<juce::Label> (question(), "titleText_").getText(),
               "Are you sure you want to overwrite this preset?\n\n\"Bass/Lead.mdtz\"");
    click (question(), "OK");
    EXPECT_FALSE (question().isVisible() || browser.isVisible());
    EXPECT_EQ (slot(), "Bass/Lead.mdtz");
    EXPECT_EQ (menu.readPreset (&fresh, slot()), 1);
    EXPECT_EQ (presetText (fresh), presetText (processor));

    // The editor's own form closes only itself.
    Editor other;
    MorvidOverwriteComponent overwrite ("overwriteComponent_", &processor, &menu);
    other.add (overwrite);
    overwrite.presetFile = root.getChildFile ("Lead.mdtz");
    overwrite.show (2, 1);
    click (overwrite, "OK");
    EXPECT_FALSE (overwrite.isVisible());
    EXPECT_EQ (slot(), "Lead.mdtz");
    EXPECT_NE (root.getChildFile ("Lead.mdtz").loadFileAsString(), "old lead");
}

TEST_F (SaveBrowser, SavesOnlyInsideThePresetFolder)
{
    const auto parent = root.getParentDirectory();
    put ("Keep.mdtz");
    for (const juce::String sibling : { "PandrelTQ4418 old", "PandrelTQ4418_2", "pandreltq4418" })
        ASSERT_TRUE (parent.getChildFile (sibling).createDirectory());
    const auto elsewhere = home.getChildFile ("Lead");
    browser.show();
    auto& newFolderButton = child (browser, "New Folder");

    list().setRoot (parent);
    browser.timerCallback();
    EXPECT_TRUE (unusable (saveButton()) && unusable (newFolderButton));
    for (const juce::String sibling : { "PandrelTQ4418 old", "PandrelTQ4418_2", "pandreltq4418" })
    {
        list().setRoot (parent.getChildFile (sibling));
        browser.timerCallback();
        EXPECT_TRUE (unusable (newFolderButton)) << sibling;
    }
    list().setRoot (root);
    browser.timerCallback();
    EXPECT_TRUE (usable (newFolderButton));

    const juce::String typed[] { "../Lead", elsewhere.getFullPathName(), "../PandrelTQ4418 old/Lead",
                                 "../PandrelTQ4418_2/Lead", "../pandreltq4418/Lead", "", "   ", "  .mdtz", ".Lead",
                                 " /Lead", ".Bass/Lead", // blank or hidden: the browser would not list them
                                 "~" + juce::String::repeatedString ("n", 200) }; // no such user: stays relative
    for (const auto& name : typed)
    {
        SCOPED_TRACE (name);
        list().setFileName (name);
        browser.timerCallback();
        EXPECT_TRUE (unusable (saveButton()));
        browser.okButtonClicked(); // forced
        EXPECT_TRUE (isOpen (browser));
    }
    // The folder's own name typed in the folder above it would be a sibling file.
    list().setRoot (parent);
    list().setFileName ("PandrelTQ4418");
    browser.okButtonClicked();

    juce::Array<juce::File> written;
    home.findChildFiles (written, juce::File::findFiles, true, "*.mdtz");
    EXPECT_EQ (written.size(), 1) << written[1].getFullPathName(); // Keep.mdtz alone
    EXPECT_EQ (slot(), "Init.mdtz");
    browser.hide();
}

TEST_F (SaveBrowser, SavesIntoAFolderNamedInBytesThatAreNoUtf8)
{
    putBytes ("Caf\xe9/Old.mdtz", "x");
    const auto folder = root.getChildFile (juce::String (juce::CharPointer_UTF8 ("Caf\xe9")));
    browser.show();
    list().setRoot (folder);
    browser.timerCallback();
    EXPECT_TRUE (usable (child (browser, "New Folder")));
    save ("New/Lead");

    EXPECT_EQ (slot(), juce::String (juce::CharPointer_UTF8 ("Caf\xe9/New/Lead.mdtz")));
    EXPECT_EQ (menu.readPreset (&fresh, slot()), 1);
    EXPECT_EQ (std::distance (std::filesystem::recursive_directory_iterator (root.getFullPathName().toStdString()), {}), 4);
}

TEST_F (SaveBrowser, UpGoesToTheFolderAboveInFoldersNamedInBytesThatAreNoUtf8)
{
    const auto bytes = [] (const juce::File& folder) { return std::string (MorvidPresetFolder::bytesOf (folder.getFullPathName())); };
    const auto top = bytes (root);
    for (const std::string folder : { "Caf\xe9", "\xff", "Plain" })
    {
        SCOPED_TRACE (folder);
        putBytes (folder + "/inner/Old.mdtz", "x");
        browser.show();
        list().setRoot (juce::File::createFileWithoutCheckingPath (MorvidPresetFolder::fromBytes (top + "/" + folder + "/inner")));
        auto& up = child<juce::Button> (list(), "up");

        EXPECT_TRUE (up.isEnabled());
        click (list(), "up");
        EXPECT_EQ (bytes (list().getRoot()), top + "/" + folder);
        click (list(), "up");
        EXPECT_EQ (bytes (list().getRoot()), top);
        click (list(), "up");
        EXPECT_EQ (list().getRoot(), root.getParentDirectory());

        // Set again to where it is, the button stays usable.
        list().setRoot (juce::File::createFileWithoutCheckingPath (MorvidPresetFolder::fromBytes (top + "/" + folder)));
        list().setRoot (list().getRoot());
        EXPECT_TRUE (up.isEnabled());
        click (browser, "CANCEL");
    }

    // At the top of the file system there is nowhere to go.
    browser.show();
    list().setRoot (juce::File ("/"));
    EXPECT_FALSE (child<juce::Button> (list(), "up").isEnabled());
    click (browser, "CANCEL");
}

TEST_F (SaveBrowser, AFailedSaveKeepsThePanelOpenAndSaysSo)
{
    put ("System", {}, juce::File ("/proc/self/fdinfo")); // no one may create files there, root included
    put ("Folder.mdtz/Inner.mdtz");
    put ("Lead.mdtz", "old lead");
    auto& alert = child<MorvidAlertComponent> (browser, "alertComponent_");
    auto& alertText = child<juce::Label> (alert, "titleText_");
    browser.show();

    list().setRoot (root.getChildFile ("System"));
    save ("Mine");
    EXPECT_TRUE (isOpen (alert));
    EXPECT_EQ (alertText.getText(), "Couldn't save the preset! Check the folder and try again.\n\n\"System/Mine.mdtz\"");
    EXPECT_TRUE (browser.isVisible() && ! browser.isCurrentlyModal (false));
    click (alert, "OK");
    EXPECT_TRUE (isOpen (browser));

    list().setRoot (root);
    save ("Folder"); // a folder where the file should go
    EXPECT_TRUE (isOpen (alert));
    EXPECT_TRUE (alertText.getText().endsWith ("\"Folder.mdtz\""));
    click (alert, "OK");
    save (juce::String::repeatedString ("d/", 2048) + "Mine"); // longer than a session keeps
    EXPECT_EQ (alertText.getText(), "Couldn't save the preset! Its path in the preset folder is longer than 4096 bytes.");
    click (alert, "OK");

    // The file turns into a folder while the question is open.
    save ("Lead");
    ASSERT_TRUE (isOpen (question()));
    ASSERT_TRUE (root.getChildFile ("Lead.mdtz").deleteFile() && root.getChildFile ("Lead.mdtz").createDirectory());
    click (question(), "OK");
    auto& nested = child<MorvidAlertComponent> (question(), "alertComponent_");
    EXPECT_TRUE (isOpen (nested));
    EXPECT_EQ (modalCount(), 1);
    EXPECT_TRUE (question().isVisible() && browser.isVisible());
    click (nested, "OK");
    EXPECT_TRUE (isOpen (question()));
    click (question(), "CANCEL");
    EXPECT_TRUE (isOpen (browser));

    EXPECT_EQ (slot() + " " + menu.getSelectedFilePath() + " " + menu.getText(), "Init.mdtz Init.mdtz Init*");
    click (browser, "CANCEL");
}

TEST_F (SaveBrowser, APresetFolderThatVanishesOrIsAFileSaysWhyAndSavesNothing)
{
    put ("Lead.mdtz");
    auto& alert = child<MorvidAlertComponent> (browser, "alertComponent_");
    auto& alertText = child<juce::Label> (alert, "titleText_");
    const auto& contents = list().getDisplayComponent()->directoryContentsList;
    const auto cannotSave = [&] { return unusable (saveButton()) && unusable (child (browser, "New Folder")); };
    browser.show();
    list().setFileName ("Pad");
    ASSERT_TRUE (pumpUntil ([&] { return contents.getNumFiles() == 1 && usable (saveButton()); }));

    ASSERT_TRUE (root.deleteRecursively());
    ASSERT_TRUE (pumpUntil ([&] { return isOpen (alert); })); // the timer notices
    EXPECT_EQ (alertText.getText(), "Can't save here: the folder is missing.\n\n\"" + root.getFullPathName() + "\"");
    click (alert, "OK");
    EXPECT_TRUE (isOpen (browser) && cannotSave());
    EXPECT_EQ (dynamic_cast<juce::ListBox&> (*list().getDisplayComponent()).getRowContainingPosition (9, 9), -1); // no stale row
    snapshot (editor, "kit-panel-save-folder-missing.png");

    put ("Lead.mdtz"); // back again
    ASSERT_TRUE (pumpUntil ([&] { return contents.getNumFiles() == 1 && usable (saveButton()); }));
    browser.hide();

    ASSERT_TRUE (root.deleteRecursively() && root.replaceWithText ("x"));
    browser.show();
    EXPECT_TRUE (isOpen (alert));
    EXPECT_EQ (alertText.getText(), "Can't save here: the folder is a file.\n\n\"" + root.getFullPathName() + "\"");
    click (alert, "OK");
    EXPECT_TRUE (cannotSave());
    click (browser, "CANCEL");
}
