// The file menu's items, loading presets the user picks or steps to, and
// the editor closed while its panels are open.
#include "EditorFixture.h"
#include "PresetMenuTestFolder.h"

#include <MorvidPresetFolder.h>
#include <PresetDocumentGuard.h>

#include <functional>

#include <sys/stat.h>

TEST_F (EditorTest, ManualAndSiteOpenThroughXdgOpenAndAMissingManualIsReported)
{
    auto& e = open();
    auto& alert = child<MorvidAlertComponent> ("alert_");

    e.fileMenuResult (3);
    EXPECT_TRUE (paneltest::isOpen (alert));
    EXPECT_EQ (paneltest::child<juce::Label> (alert, "titleText_").getText(),
               "User manual on: \"" + PandrelTQ4418AudioProcessorEditor::userManual().getFullPathName() + "\" is not available.");
    alert.hide();

    // An executable manual is handed to the opener, never run.
    const auto manual = PandrelTQ4418AudioProcessorEditor::userManual();
    const auto ran = home.getChildFile ("manual-ran");
    ASSERT_TRUE (manual.getParentDirectory().createDirectory());
    manual.replaceWithText ("#!/bin/sh\ntouch '" + ran.getFullPathName() + "'\n", false, false, "\n");
    manual.setExecutePermission (true);
    e.fileMenuResult (3);
    EXPECT_EQ (openedWith(), manual.getFullPathName());
    EXPECT_FALSE (ran.exists());
    EXPECT_FALSE (alert.isVisible());

    e.fileMenuResult (4);
    EXPECT_EQ (openedWith(), "https://www.example.com/morvid");
    e.fileMenuResult (0);
    e.fileMenuResult (5);
    EXPECT_FALSE (opened.exists());
}

TEST_F (EditorTest, ALoadThatAppliesNothingKeepsTheSlotNameAndSaysWhy)
{
    processor->setParameter (7, 0.8f);
    preset ("Good.mdtz", presetText());
    preset ("Junk.mdtz", "<notAPreset/>");
    preset ("Other.mdtz", presetText ("deviceProductID", "com.example.other"));
    preset ("Newer.mdtz", presetText ("presetVersion", "2.0"));
    processor->setParameter (7, 0.1f);
    program().name[0] = "Good.mdtz";
    auto& e = open();
    tick();
    auto& alert = child<MorvidAlertComponent> ("alert_");
    const auto message = [&alert] { return paneltest::child<juce::Label> (alert, "titleText_").getText(); };

    // Good, Junk, Newer, Other: step on to Junk.
    paneltest::click (e, "presetIncButton_");
    EXPECT_EQ (program().name[0], "Good.mdtz");
    EXPECT_FLOAT_EQ (processor->getParameter (7), 0.1f);
    EXPECT_TRUE (paneltest::isOpen (alert));
    EXPECT_EQ (message(), "\"Junk.mdtz\"\nis not a preset of Pandrel TQ4418 and cannot be loaded.");
    tick();
    EXPECT_EQ (child<juce::Label> ("presetMenu_").getText(), "Good*"); // the resync shows the slot again
    alert.hide();

    // Back from Junk lands on Good again, and on back wraps to Other.
    paneltest::click (e, "presetDecButton_");
    EXPECT_FALSE (alert.isVisible());
    EXPECT_EQ (program().name[0], "Good.mdtz");
    EXPECT_FLOAT_EQ (processor->getParameter (7), 0.8f);
    paneltest::click (e, "presetDecButton_");
    EXPECT_EQ (program().name[0], "Good.mdtz");
    EXPECT_EQ (message(), "\"Other.mdtz\"\nwas made for another product and cannot be loaded.");
    alert.hide();

    // Picked from the menu: applied, then the newer-version message.
    auto& menu = child<MorvidPresetMenu> ("presetMenu_");
    const auto shown = shownContents (menu);
    menu.applyMenuPick (shown.fileNames.indexOf ("Newer") + 1, shown);
    EXPECT_EQ (program().name[0], "Newer.mdtz");
    EXPECT_FLOAT_EQ (processor->getParameter (7), 0.8f);
    EXPECT_TRUE (paneltest::isOpen (alert));
    EXPECT_EQ (message(), "\"Newer.mdtz\"\nwas made using a newer version of Pandrel TQ4418.\n"
                          "To use this preset correctly, please install the newest version from: "
                          "https://www.example.com/morvid/download");
    alert.hide();

    // A path longer than a session keeps is refused where it is picked.
    const auto deep = presetFolder.getFullPathName() + "/" + juce::String::repeatedString ("d/", 2048) + "Deep.mdtz";
    menu.applyMenuPick (1, { juce::StringArray (deep), juce::StringArray ("Deep") });
    EXPECT_EQ (program().name[0], "Newer.mdtz");
    EXPECT_EQ (message(), "\"Deep.mdtz\"\ncannot be loaded: its path in the preset folder is longer than 4096 bytes.");
}

TEST_F (EditorTest, SteppingGoesOnPastAFileThatIsNoPreset)
{
    processor->setParameter (7, 0.3f);
    preset ("C.mdtz", presetText());
    processor->setParameter (7, 0.7f);
    preset ("A.mdtz", presetText());
    preset ("Broken.mdtz", "<notAPreset/>");
    program().name[0] = "A.mdtz";
    auto& e = open();
    tick();
    auto& alert = child<MorvidAlertComponent> ("alert_");
    auto& label = child<juce::Label> ("presetMenu_");

    // A, Broken, C: each direction stops at Broken, then goes on past it
    // while the slot and its label stay where they were.
    const auto stepTwice = [&] (const char* button, const juce::String& from, const juce::String& to, float toValue)
    {
        paneltest::click (e, button);
        EXPECT_TRUE (paneltest::isOpen (alert));
        alert.hide();
        tick();
        EXPECT_EQ (program().name[0], from + ".mdtz");
        EXPECT_EQ (label.getText(), from);

        paneltest::click (e, button);
        EXPECT_FALSE (alert.isVisible());
        EXPECT_EQ (program().name[0], to + ".mdtz");
        EXPECT_FLOAT_EQ (processor->getParameter (7), toValue);
        tick();
        EXPECT_EQ (label.getText(), to);
    };
    stepTwice ("presetIncButton_", "A", "C", 0.3f);
    stepTwice ("presetDecButton_", "C", "A", 0.7f);
}

TEST_F (EditorTest, SteppedValuesSavedFromTheEditorReadBackUnchanged)
{
    open();
    tick(); // the opening's resync reads the folder as it was then
    child<juce::Slider> ("rateSyncKnob_").setValue (5 * (double) (1.0f / 18.1f), juce::sendNotificationSync);
    child<juce::Slider> ("typeKnob_").setValue (0.5, juce::sendNotificationSync);
    preset ("Saved.mdtz", presetText());
    program().name[0] = "Saved.mdtz";
    processor->programChanged = true;
    processor->parametersChanged = true;
    for (int i = 0; i < 3; ++i)
        tick();
    EXPECT_EQ (child<juce::Label> ("presetMenu_").getText(), "Saved");

    // A host's 0.2 plays Type 2, as the file's Type 2 does.
    processor->setParameter (1, 0.2f);
    EXPECT_FALSE (processor->comparePreset (PresetDocumentGuard::parseFile (presetFolder.getChildFile ("Saved.mdtz"))));
    processor->setParameter (1, 0.0f);
    EXPECT_TRUE (processor->comparePreset (PresetDocumentGuard::parseFile (presetFolder.getChildFile ("Saved.mdtz"))));
}

TEST_F (EditorTest, SavePresetAsksBeforeOverwritingAndOtherwiseOpensTheBrowser)
{
    auto& e = open();
    auto& browser = child<MorvidPresetBrowser> ("savePresetBrowser_");
    auto& question = child<MorvidOverwriteComponent> ("overwritePresetComponent_");
    auto& list = paneltest::child<juce::FileBrowserComponent> (browser, "fileBrowser_");

    // "Init.mdtz" is no file: the folder is made and the browser opens.
    e.fileMenuResult (1);
    EXPECT_TRUE (presetFolder.isDirectory());
    ASSERT_TRUE (paneltest::isOpen (browser));
    list.setFileName ("Lead");
    ASSERT_TRUE (paneltest::clickWhenUsable (browser, "OK"));
    EXPECT_FALSE (browser.isVisible());
    EXPECT_EQ (program().name[0], "Lead.mdtz");

    // Now it is a file: the question names it; OK writes the new settings.
    processor->setParameter (7, 0.25f);
    e.fileMenuResult (1);
    EXPECT_FALSE (browser.isVisible());
    ASSERT_TRUE (paneltest::isOpen (question));
    EXPECT_EQ (paneltest::child<juce::Label> (question, "titleText_").getText(),
               "Are you sure you want to overwrite this preset?\n\n\"Lead.mdtz\"");
    paneltest::click (question, "OK");
    EXPECT_FALSE (question.isVisible());
    EXPECT_FALSE (processor->comparePreset (PresetDocumentGuard::parseFile (presetFolder.getChildFile ("Lead.mdtz"))));

    program().name[0] = "Clean/Slow.mdtz";
    preset ("Clean/Slow.mdtz", presetText());
    e.fileMenuResult (1);
    EXPECT_TRUE (paneltest::child<juce::Label> (question, "titleText_").getText().endsWith ("\n\n\"Clean/Slow.mdtz\""));
    paneltest::click (question, "CANCEL");
    EXPECT_EQ (paneltest::modalCount(), 0);
}

TEST_F (EditorTest, SavePresetNeverOffersToOverwriteAFileOutsideThePresetFolder)
{
    // Host state sets the slot's name: one that climbs out, or an absolute one.
    const auto outside = presetFolder.getChildFile ("../../Victim.mdtz");
    ASSERT_TRUE (outside.getParentDirectory().createDirectory());
    ASSERT_TRUE (outside.replaceWithText ("keep"));
    auto& e = open();
    auto& browser = child<MorvidPresetBrowser> ("savePresetBrowser_");

    for (const auto& name : { juce::String ("../../Victim.mdtz"), outside.getFullPathName(), juce::String ("Folder") })
    {
        program().name[0] = name;
        presetFolder.getChildFile ("Folder").createDirectory();
        e.fileMenuResult (1);
        EXPECT_FALSE (child ("overwritePresetComponent_").isVisible()) << name;
        EXPECT_TRUE (paneltest::isOpen (browser)) << name;
        paneltest::click (browser, "CANCEL");
    }
    EXPECT_EQ (outside.loadFileAsString(), "keep");
}

TEST_F (EditorTest, ClosedWhileAPanelIsOpen)
{
    preset ("Lead.mdtz", presetText());
    auto browser = [this] () -> juce::Component& { editor->fileMenuResult (2); return child ("savePresetBrowser_"); };
    const std::pair<const char*, std::function<juce::Component&()>> panels[] = {
        { "about", [this] () -> juce::Component& { paneltest::click (*editor, "aboutShowButton_"); return child ("aboutContainer_"); } },
        { "alert", [this] () -> juce::Component& { editor->fileMenuResult (3); return child ("alert_"); } },
        { "browser", browser },
        { "question", [this] () -> juce::Component& {
              program().name[0] = "Lead.mdtz";
              editor->fileMenuResult (1);
              return child ("overwritePresetComponent_"); } },
        { "new folder", [&browser] () -> juce::Component& {
              auto& b = browser();
              paneltest::click (b, "New Folder");
              return paneltest::child (b, "newFolderComponent_"); } },
        { "new folder's alert", [&browser] () -> juce::Component& {
              auto& b = browser();
              paneltest::click (b, "New Folder");
              auto& newFolder = paneltest::child (b, "newFolderComponent_");
              paneltest::child<juce::TextEditor> (newFolder, "textEditor_").setText ("Lead.mdtz");
              paneltest::clickWhenUsable (newFolder, "OK");
              return paneltest::child (newFolder, "alertComponent_"); } },
        { "browser's question", [&browser] () -> juce::Component& {
              auto& b = browser();
              paneltest::child<juce::FileBrowserComponent> (b, "fileBrowser_").setFileName ("Lead");
              paneltest::clickWhenUsable (b, "OK");
              return paneltest::child (b, "overwriteComponent_"); } },
    };

    for (const auto& [what, openPanel] : panels)
    {
        open();
        auto& panel = openPanel();
        EXPECT_TRUE (paneltest::isOpen (panel)) << what;
        editor.reset();
        EXPECT_EQ (paneltest::modalCount(), 0) << what;
        paneltest::pump();
    }
}

TEST_F (EditorTest, APresetInAFolderNamedInBytesThatAreNoUtf8ComesBackFromHostStateAsItWas)
{
    // Folders unpacked from archives made with other encodings, and a preset
    // beside them to step on to.
    const std::string folders[] { "Caf\xe9", "\xff", "a\200b", "S\xc3" };
    const char* const shown[] { "Caf\xef\xbf\xbd", "\xef\xbf\xbd", "a\357\277\275b", "S\xef\xbf\xbd" }; // U+FFFD
    const std::string top (MorvidPresetFolder::bytesOf (presetFolder.getFullPathName()));
    for (size_t k = 0; k < std::size (folders); ++k)
    {
        processor->setParameter (7, 0.1f * float (k + 1));
        std::filesystem::create_directories (top + "/" + folders[k]);
        std::ofstream (top + "/" + folders[k] + "/B.mdtz") << presetText();
    }
    preset ("Z.mdtz", presetText());

    for (size_t k = 0; k < std::size (folders); ++k)
    {
        const auto path = folders[k] + "/B.mdtz";
        SCOPED_TRACE (shown[k]);
        const auto slot = [this] { return std::string (MorvidPresetFolder::bytesOf (program().name[0])); };

        // Stepped on to with ">", and saved with the host's session.
        auto& e = open();
        tick();
        for (int i = 0; i < 8 && slot() != path; ++i)
            paneltest::click (e, "presetIncButton_");
        ASSERT_EQ (slot(), path);
        juce::MemoryBlock session;
        processor->getStateInformation (session);

        // Loaded into a new instance.
        newInstance();
        processor->setStateInformation (session.getData(), (int) session.getSize());
        auto& restored = open();
        for (int i = 0; i < 3; ++i)
            tick();

        EXPECT_EQ (slot(), path);
        EXPECT_EQ (processor->getProgramName (processor->getCurrentProgram()), "B");
        EXPECT_EQ (child<juce::Label> ("presetMenu_").getText(), "B"); // unchanged: no mark

        // "Save Preset" asks to overwrite it, and names it readably.
        restored.fileMenuResult (1);
        auto& question = child<MorvidOverwriteComponent> ("overwritePresetComponent_");
        ASSERT_TRUE (paneltest::isOpen (question));
        EXPECT_EQ (paneltest::child<juce::Label> (question, "titleText_").getText(),
                   "Are you sure you want to overwrite this preset?\n\n\"" + juce::String::fromUTF8 (shown[k]) + "/B.mdtz\"");
        paneltest::click (question, "CANCEL");

        // Stepping goes on from it.
        auto& menu = child<MorvidPresetMenu> ("presetMenu_");
        const auto index = menu.getSelectedFileIndex();
        ASSERT_EQ (std::string (MorvidPresetFolder::bytesOf (menu.getFilePath (index - 1))), top + "/" + path);
        paneltest::click (restored, "presetIncButton_");
        EXPECT_EQ (std::string (MorvidPresetFolder::bytesOf (menu.getFilePath (index % (menu.getNumOfFiles() - 1)))), top + "/" + slot());
    }
}

TEST_F (EditorTest, SteppingOntoAFileWhoseNameHoldsABackslashLoadsThatFile)
{
    processor->setParameter (7, 0.5f);
    preset ("x/y.mdtz", presetText());
    processor->setParameter (7, 0.75f);
    ASSERT_TRUE (juce::File (presetFolder.getFullPathName() + "/x\\y.mdtz").replaceWithText (presetText()));
    processor->setParameter (7, 0.1f);
    auto& e = open();
    tick();

    // x/y.mdtz (in its folder's menu) first, then x\y.mdtz.
    for (const auto& [path, value] : { std::pair<const char*, float> { "x/y.mdtz", 0.5f }, { "x\\y.mdtz", 0.75f } })
    {
        SCOPED_TRACE (path);
        paneltest::click (e, "presetIncButton_");
        EXPECT_EQ (program().name[0], path);
        EXPECT_FLOAT_EQ (processor->getParameter (7), value);
        for (int i = 0; i < 3; ++i)
            tick();
        EXPECT_EQ (child<juce::Label> ("presetMenu_").getText(), juce::File::createFileWithoutCheckingPath (path).getFileNameWithoutExtension());

        e.fileMenuResult (1);
        auto& question = child<MorvidOverwriteComponent> ("overwritePresetComponent_");
        ASSERT_TRUE (paneltest::isOpen (question));
        EXPECT_EQ (question.presetFile, presetFolder.getFullPathName() + "/" + path);
        EXPECT_TRUE (paneltest::child<juce::Label> (question, "titleText_").getText().endsWith ("\"" + juce::String (path) + "\""));
        paneltest::click (question, "CANCEL");
    }
}

TEST_F (EditorTest, AFileThatCannotBeReadIsSaidToBeSo)
{
    // A file of mode 000; and one whose reading fails whoever reads it, root
    // included (the process's own memory at address 0).
    processor->setParameter (7, 0.3f);
    preset ("A.mdtz", presetText());
    preset ("B.mdtz", presetText());
    ASSERT_TRUE (juce::File ("/proc/self/mem").createSymbolicLink (presetFolder.getChildFile ("C.mdtz"), false));
    const auto locked = presetFolder.getChildFile ("B.mdtz");
    ASSERT_EQ (::chmod (locked.getFullPathName().toRawUTF8(), 0), 0);
    const bool lockedIsUnreadable = ! juce::FileInputStream (locked).openedOk();
    if (! lockedIsUnreadable)
        std::printf ("A file of mode 000 is readable to this user (root): only the failing read is tried.\n");
    program().name[0] = "A.mdtz";
    auto& e = open();
    tick();
    auto& alert = child<MorvidAlertComponent> ("alert_");

    for (const char* name : { "B.mdtz", "C.mdtz" })
    {
        SCOPED_TRACE (name);
        const auto slot = program().name[0];
        paneltest::click (e, "presetIncButton_");
        if (juce::String (name) == "B.mdtz" && ! lockedIsUnreadable)
        {
            EXPECT_EQ (program().name[0], "B.mdtz");
            continue;
        }
        ASSERT_TRUE (paneltest::isOpen (alert));
        EXPECT_EQ (paneltest::child<juce::Label> (alert, "titleText_").getText(),
                   "\"" + juce::String (name) + "\"\ncannot be read, so it cannot be loaded.");
        EXPECT_EQ (program().name[0], slot);
        alert.hide();
        tick();
    }
    ::chmod (locked.getFullPathName().toRawUTF8(), 0644);
}
