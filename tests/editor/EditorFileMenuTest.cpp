// The file menu's items, loading presets the user picks or steps to, and
// the editor closed while its panels are open.
#include "EditorFixture.h"

#include <PresetDocumentGuard.h>

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

    // Back from Good wraps to Other.
    paneltest::click (e, "presetDecButton_");
    EXPECT_EQ (program().name[0], "Good.mdtz");
    EXPECT_EQ (message(), "\"Other.mdtz\"\nwas made for another product and cannot be loaded.");
    alert.hide();

    // Picked from the menu: applied, then the newer-version message.
    auto& menu = child<MorvidPresetMenu> ("presetMenu_");
    MorvidOptionMenuTree::MenuContents shown;
    for (int i = 0; i < menu.getNumOfFiles() - 1; ++i)
        shown.filePaths.add (menu.getFilePath (i)), shown.fileNames.add (menu.getFileName (i));
    menu.applyMenuPick (shown.fileNames.indexOf ("Newer") + 1, shown);
    EXPECT_EQ (program().name[0], "Newer.mdtz");
    EXPECT_FLOAT_EQ (processor->getParameter (7), 0.8f);
    EXPECT_TRUE (paneltest::isOpen (alert));
    EXPECT_EQ (message(), "\"Newer.mdtz\"\nwas made using a newer version of Pandrel TQ4418.\n"
                          "To use this preset correctly, please install the newest version from: "
                          "https://www.example.com/morvid/download");
}

TEST_F (EditorTest, SteppedValuesSavedFromTheEditorReadBackUnchanged)
{
    open();
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

TEST_F (EditorTest, ClosedWhileAPanelIsOpen)
{
    for (const char* panel : { "aboutContainer_", "alert_" })
    {
        auto& e = open();
        if (juce::String (panel) == "aboutContainer_")
        {
            paneltest::click (e, "aboutShowButton_");
            EXPECT_EQ (paneltest::child<juce::Label> (child (panel), "versionLabel_").getText(), "1.0.1 (64bit)");
        }
        else
        {
            e.fileMenuResult (3);
        }
        EXPECT_TRUE (paneltest::isOpen (child (panel))) << panel;
        editor.reset();
        EXPECT_EQ (paneltest::modalCount(), 0);
        paneltest::pump();
    }
}
