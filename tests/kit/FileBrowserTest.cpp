// The file browser panel and its new-folder panel over real folders in a
// temporary home: the modes, the OK rule, folders made from typed names and
// the errors that come up over the panel.
#include "PanelTestKit.h"
#include "PresetMenuTestFolder.h"

#include <MorvidFileBrowser.h>

using namespace paneltest;

namespace
{
struct Browser : MorvidFileBrowser
{
    Browser (const juce::File& root, int mode, const juce::String& wildcard = "*.mdtz")
        : MorvidFileBrowser ("fileBrowser", "Save", root, wildcard, mode, 1, 5, 3, 8)
    {
    }
    using MorvidFileBrowser::fileWildcard;
    using MorvidFileBrowser::wildcardFilter_;

    juce::FileBrowserComponent& list() { return child<juce::FileBrowserComponent> (*this, "fileBrowser_"); }
    // Several files may be chosen: the framework's name box is then read-only.
    bool picksSeveral()
    {
        for (auto* c : list().getChildren())
            if (auto* box = dynamic_cast<juce::TextEditor*> (c))
                return box->isReadOnly();
        return false;
    }
    bool lists (const juce::String& name)
    {
        const auto& contents = list().getDisplayComponent()->directoryContentsList;
        for (int i = 0; i < contents.getNumFiles(); ++i)
            if (contents.getFile (i).getFileName() == name)
                return true;
        return false;
    }
};

} // namespace

using FileBrowser = PresetMenuTestFolder;

TEST_F (FileBrowser, EachModeSetsItsFlagsFilterAndButtons)
{
    ASSERT_TRUE (root.createDirectory());
    const juce::File preset ("/x/Lead.mdtz"), text ("/x/notes.txt"), folder ("/x/Bass");

    for (int mode = 1; mode <= 5; ++mode)
    {
        SCOPED_TRACE (mode);
        Browser browser (root, mode);
        EXPECT_EQ (browser.list().isSaveMode(), mode == 5);
        EXPECT_EQ (browser.picksSeveral(), mode == 2 || mode == 3);
        EXPECT_EQ (browser.wildcardFilter_->isFileSuitable (preset), mode != 4);
        EXPECT_FALSE (browser.wildcardFilter_->isFileSuitable (text));
        EXPECT_EQ (browser.wildcardFilter_->isDirectorySuitable (folder), mode == 3 || mode == 4);
        EXPECT_EQ (browser.getNumChildComponents(), mode == 5 ? 6 : 4);
        if (mode == 5)
        {
            EXPECT_EQ (child (browser, "New Folder").getBounds(), juce::Rectangle<int> (16, 336, 132, 51));
            EXPECT_FALSE (child (browser, "newFolderComponent_").isVisible());
        }
    }

    for (const juce::String blank : { "", "  \t" })
    {
        Browser browser (root, 1, blank);
        EXPECT_EQ (browser.fileWildcard, "*");
        EXPECT_TRUE (browser.wildcardFilter_->isFileSuitable (text));
    }
    Browser nothing (root, 6); // no mode: nothing built, nothing opens
    nothing.show();
    EXPECT_EQ (nothing.getNumChildComponents() + modalCount(), 0);
}

TEST_F (FileBrowser, OkIsUsableOnlyForAUsableChoiceFromTheFirstFrame)
{
    put ("Lead.mdtz");
    put ("Bass/Warm.mdtz");
    Editor editor;
    Browser open (root, 1), save (root, 5);
    editor.add (open);
    editor.add (save);
    auto& openOk = child (open, "OK");
    auto& saveOk = child (save, "OK");

    open.show();
    EXPECT_TRUE (unusable (openOk)); // the folder itself is no file
    open.list().setFileName ("Lead.mdtz");
    open.timerCallback();
    EXPECT_TRUE (usable (openOk));
    open.list().setFileName ("Missing.mdtz");
    open.timerCallback();
    EXPECT_TRUE (unusable (openOk));
    open.fileDoubleClicked (root.getChildFile ("Missing.mdtz"));
    pump();
    EXPECT_TRUE (isOpen (open)); // a double click while OK is off does nothing
    open.hide();

    save.show();
    EXPECT_TRUE (unusable (saveOk));
    EXPECT_TRUE (usable (child (save, "CANCEL")));
    save.list().setFileName ("Bass"); // an existing folder
    save.timerCallback();
    EXPECT_TRUE (unusable (saveOk));
    save.list().setFileName ("New");
    ASSERT_TRUE (pumpUntil ([&] { return usable (saveOk); })); // the timer runs while open
    save.fileDoubleClicked (root.getChildFile ("New"));
    pump();
    EXPECT_FALSE (save.isVisible());
    EXPECT_EQ (modalCount(), 0);
}

TEST_F (FileBrowser, FirstOpeningFindsARootMadeAfterConstructionLaterOnesKeepTheLastFolder)
{
    Browser browser (root, 5); // no folder yet: the framework takes it for a file name
    EXPECT_NE (browser.list().getRoot(), root);
    put ("Bass/Warm.mdtz");

    browser.show();
    EXPECT_EQ (browser.list().getRoot(), root);
    EXPECT_EQ (browser.list().getSelectedFile (0), root); // its name is not left in the box
    browser.list().setRoot (root.getChildFile ("Bass"));
    browser.hide();
    browser.show();
    EXPECT_EQ (browser.list().getRoot(), root.getChildFile ("Bass"));
    browser.hide();
}

TEST_F (FileBrowser, NewFolderMakesTheTypedFolderOrSaysWhyNot)
{
    ASSERT_TRUE (root.createDirectory());
    Editor editor;
    Browser browser (root, 5);
    editor.add (browser);
    auto& panel = child<MorvidNewFolderComponent> (browser, "newFolderComponent_");
    auto& field = child<juce::TextEditor> (panel, "textEditor_");
    auto& ok = child (panel, "OK");
    auto& alert = child<MorvidAlertComponent> (panel, "alertComponent_");
    const auto type = [&] (const juce::String& text)
    {
        field.setText (text);
        ASSERT_TRUE (pumpUntil ([&] { return usable (ok); }));
        field.keyPressed (juce::KeyPress (juce::KeyPress::returnKey));
        pump();
    };

    browser.show();
    click (browser, "New Folder");
    EXPECT_TRUE (isOpen (panel) && ! browser.isCurrentlyModal (false));
    EXPECT_TRUE (unusable (ok));
    field.keyPressed (juce::KeyPress (juce::KeyPress::returnKey));
    pump();
    EXPECT_TRUE (isOpen (panel)); // Return on an empty field does nothing
    for (const juce::String unlisted : { "  ", ".Drums", ".." }) // the browser would not list them
    {
        field.setText (unlisted);
        panel.timerCallback();
        EXPECT_TRUE (unusable (ok)) << unlisted;
    }

    type ("Dr:u*ms?");
    EXPECT_TRUE (root.getChildFile ("Drums").isDirectory());
    EXPECT_FALSE (panel.isVisible());
    EXPECT_TRUE (isOpen (browser));
    EXPECT_TRUE (browser.lists ("Drums") || pumpUntil ([&] { return browser.lists ("Drums"); }));

    click (browser, "New Folder");
    EXPECT_TRUE (field.isEmpty());
    type ("Drums");
    EXPECT_TRUE (isOpen (alert));
    EXPECT_EQ (child<juce::Label> (alert, "titleText_").getText(), "The folder name already exist! Try different name.");
    EXPECT_TRUE (panel.isVisible() && ! panel.isCurrentlyModal (false));
    EXPECT_EQ (modalCount(), 1); // only the innermost panel
    click (alert, "OK");
    EXPECT_TRUE (isOpen (panel));
    EXPECT_EQ (field.getText(), "Drums");
    field.keyPressed (juce::KeyPress (juce::KeyPress::escapeKey));
    pump();
    EXPECT_FALSE (panel.isVisible());
    alert.hide(); // closing a closed nested panel hands nothing over
    EXPECT_TRUE (isOpen (browser) && modalCount() == 1);

    // A folder no one may write to, root included.
    put ("System", {}, juce::File ("/proc/self/fdinfo"));
    browser.list().setRoot (root.getChildFile ("System"));
    click (browser, "New Folder");
    type ("Mine");
    EXPECT_TRUE (isOpen (alert));
    EXPECT_EQ (child<juce::Label> (alert, "titleText_").getText(), "Couldn't create the folder! Try different name.");
    click (alert, "OK");
    click (panel, "CANCEL");
    click (browser, "CANCEL");
    EXPECT_FALSE (browser.isVisible());
    EXPECT_EQ (modalCount(), 0);
}
