// The option menu tree against real folders: order and numbering, stepping,
// the tick, picks, and folder trees that loop or are missing.
#include "MorvidPresetFolder.h"
#include "PresetMenuTestFolder.h"

#include <unistd.h>

namespace juce
{
bool dispatchNextMessageOnSystemQueue (bool returnIfNoPendingMessages); // JUCE's own pump
}

namespace
{
// The whole menu as text: a sub-menu as "name[...]", a file as "id:name", ticked with "+".
juce::String describe (const juce::PopupMenu& menu)
{
    juce::StringArray items;
    for (juce::PopupMenu::MenuItemIterator it (menu); it.next();)
    {
        const auto& item = it.getItem();
        items.add (item.subMenu != nullptr ? item.text + "[" + describe (*item.subMenu) + "]"
                                           : juce::String (item.itemID) + ":" + item.text + (item.isTicked ? "+" : ""));
    }
    return items.joinIntoString (" ");
}

juce::MouseEvent clickOn (juce::Component& c)
{
    const auto now = juce::Time::getCurrentTime();
    return { juce::Desktop::getInstance().getMainMouseSource(), {}, {}, 0, 0, 0, 0, 0, &c, &c, now, {}, now, 1, false };
}
} // namespace

class OptionMenuTree : public PresetMenuTestFolder
{
protected:
    void SetUp() override
    {
        tree.setDirectoryPath (root.getFullPathName());
        tree.setFileExtension (MorvidPresetFolder::wildcard);
        for (auto* path : { "b.mdtz", "a.mdtz", "Lead 10.mdtz", "lead 2.mdtz", "notes.txt", "Bass/x.mdtz",
                            "Bass/Deep/y.mdtz", "alpha/z.mdtz" })
            put (path);
    }

    MorvidOptionMenuTree tree { "presetName_" };
};

TEST_F (OptionMenuTree, NumbersFilesPostOrderFoldersFirstInNaturalOrder)
{
    put (".hidden.mdtz"); // hidden files and empty folders are listed too
    ASSERT_TRUE (root.getChildFile ("Empty").createDirectory());
    EXPECT_FALSE (tree.createMenuTree());
    EXPECT_EQ (describe (tree.getRootMenu()), "alpha[1:z.mdtz] Bass[Deep[2:y.mdtz] 3:x.mdtz] Empty[] "
                                              "4:.hidden.mdtz 5:a.mdtz 6:b.mdtz 7:lead 2.mdtz 8:Lead 10.mdtz");
    EXPECT_EQ (tree.getNumOfFiles(), 9);
    EXPECT_EQ (tree.getFilePath (2) + " " + tree.getFileName (2), root.getFullPathName() + "/Bass/x.mdtz x");

    tree.setAsRecursive (false);
    tree.createMenuTree();
    EXPECT_EQ (describe (tree.getRootMenu()), "1:.hidden.mdtz 2:a.mdtz 3:b.mdtz 4:lead 2.mdtz 5:Lead 10.mdtz");
}

TEST_F (OptionMenuTree, StepsWithWrapAroundAndTicksTheSelection)
{
    tree.createMenuTree();
    tree.nextResult();
    EXPECT_EQ (tree.getSelectedFilePath() + " " + tree.getText(), "alpha/z.mdtz z");
    tree.previousResult();
    EXPECT_EQ (tree.getSelectedFileIndex(), 7);
    tree.nextResult(), tree.nextResult();
    EXPECT_EQ (tree.getSelectedFilePath(), "Bass/Deep/y.mdtz");
    tree.setSelectedFileIndex (0), tree.setSelectedFileIndex (8);
    EXPECT_EQ (tree.getSelectedFileIndex(), 2);

    tree.setSelectedFilePath ("Bass\\x.mdtz");
    EXPECT_EQ (tree.getText() + " " + juce::String (tree.getSelectedFileIndex()), "x 3");
    EXPECT_TRUE (describe (tree.getRootMenu()).contains (" 3:x.mdtz+]"));
    tree.setSelectedFilePath ("bass/X.mdtz"); // names differ by case
    EXPECT_EQ (tree.getText() + " " + juce::String (tree.getSelectedFileIndex()), "X 3");
    EXPECT_FALSE (describe (tree.getRootMenu()).contains ("+"));

    // A missing file shows its name and keeps the index, even beyond a tree
    // that has shrunk since; stepping back then goes to the last file.
    tree.setSelectedFileIndex (7);
    root.getChildFile ("Bass").deleteRecursively();
    tree.setSelectedFilePath ("Gone\\Missing.mdtz");
    EXPECT_EQ (tree.getText() + " " + juce::String (tree.getSelectedFileIndex()), "Missing 7");
    EXPECT_FALSE (describe (tree.getRootMenu()).contains ("+"));
    tree.previousResult();
    EXPECT_EQ (tree.getText(), "Lead 10");
}

TEST_F (OptionMenuTree, APickNotifiesOnceBeforeTheLabelChangesAndUsesTheShownLists)
{
    juce::StringArray seen;
    tree.onTextChange = [&] { seen.add (tree.getSelectedFilePath() + " " + tree.getText()); };
    tree.createMenuTree();
    const auto shown = shownContents (tree);
    put ("Bass/Deep/0 first.mdtz"); // appears while the menu is open
    tree.createMenuTree();

    tree.applyMenuPick (3, shown);
    tree.applyMenuPick (3, shown);
    tree.applyMenuPick (0, shown);
    tree.applyMenuPick (99, shown);
    EXPECT_EQ (seen.joinIntoString (","), "Bass/x.mdtz ");
    EXPECT_EQ (tree.getText() + " " + juce::String (tree.getSelectedFileIndex()), "x 4");

    tree.setText ("something else", juce::dontSendNotification);
    tree.applyMenuPick (3, shown);
    EXPECT_EQ (seen.size(), 2);

    // A selection by path is no pick: picking that file afterwards is news.
    tree.setSelectedFilePath ("a.mdtz");
    tree.applyMenuPick (4, shown);
    EXPECT_EQ (seen.size(), 3);
}

TEST_F (OptionMenuTree, ListsEachRealFolderOnceWhateverLinksLeadToIt)
{
    put ("Bass/loop", {}, root);
    put ("Bass/Deep/up", {}, root.getParentDirectory());
    put ("alpha/self", {}, root.getChildFile ("alpha"));
    put ("Linked", {}, root.getChildFile ("Bass/Deep"));
    const auto outside = home.getChildFile ("Outside"); // followed once, its own loop not at all
    ASSERT_TRUE (outside.getChildFile ("o.mdtz").create() && outside.createSymbolicLink (outside.getChildFile ("self"), false));
    put ("alpha/out", {}, outside);
    put ("Bass/out", {}, outside);
    for (int i = 0; i < 6; ++i) // siblings that link to each other
        for (int j = 0; j < 6; ++j)
            put ("M" + juce::String (i) + (i == j ? "/p.mdtz" : "/to" + juce::String (j)), "x",
                 i == j ? juce::File() : root.getChildFile ("M" + juce::String (j)));

    tree.createMenuTree();
    EXPECT_EQ (describe (tree.getRootMenu()), "alpha[out[1:o.mdtz] 2:z.mdtz] Bass[Deep[3:y.mdtz] 4:x.mdtz] M0[5:p.mdtz] "
                                              "M1[6:p.mdtz] M2[7:p.mdtz] M3[8:p.mdtz] M4[9:p.mdtz] M5[10:p.mdtz] "
                                              "11:a.mdtz 12:b.mdtz 13:lead 2.mdtz 14:Lead 10.mdtz");
}

TEST_F (OptionMenuTree, BoundsDepthAndEntriesAndEndsACutListWithAnItemSayingSo)
{
    const auto cut = "-1:" + juce::String (MorvidOptionMenuTree::cutText);
    juce::String chain;
    for (int depth = 1; depth <= MorvidOptionMenuTree::maxDepth + 2; ++depth)
        put ((chain += "d/") + "p.mdtz");
    tree.createMenuTree();
    EXPECT_EQ (tree.getNumOfFiles(), 8 + MorvidOptionMenuTree::maxDepth);
    EXPECT_TRUE (describe (tree.getRootMenu()).contains ("[4:p.mdtz " + cut + "]"));

    const auto many = root.getChildFile ("Many");
    const auto first = (many.getFullPathName() + "/0.mdtz").toStdString();
    ASSERT_TRUE (many.getChildFile ("0.mdtz").create());
    for (int i = 1; i <= MorvidOptionMenuTree::maxEntries; ++i) // links: quicker to make than files
        ASSERT_EQ (::link (first.c_str(), (many.getFullPathName() + "/" + juce::String (i) + ".mdtz").toRawUTF8()), 0);
    tree.setDirectoryPath (many.getFullPathName());
    tree.createMenuTree();
    EXPECT_EQ (tree.getNumOfFiles() - 1, MorvidOptionMenuTree::maxEntries);
    EXPECT_TRUE (describe (tree.getRootMenu()).endsWith (" " + cut));
}

TEST_F (OptionMenuTree, AMissingOrEmptyFolderShowsNothing)
{
    ASSERT_TRUE (root.getChildFile ("Empty").createDirectory());

    for (auto* folder : { "Missing", "Empty", "Bass/Deep/y.mdtz" })
    {
        tree.setDirectoryPath (root.getChildFile (folder).getFullPathName());
        EXPECT_FALSE (tree.createMenuTree());
        EXPECT_EQ (tree.getRootMenu().getNumItems() + tree.getNumOfFiles(), 1);
        tree.nextResult(), tree.previousResult();
        EXPECT_EQ (tree.getSelectedFileIndex(), 0);
        tree.setSelectedFilePath ("Init.mdtz");
        EXPECT_EQ (tree.getText(), "Init");
        tree.mouseDown (clickOn (tree)); // nothing to show: safe without a display
    }
}

TEST_F (OptionMenuTree, AMenuOpenWhenItsLabelIsDeletedCallsBackHarmlessly)
{
    if (juce::Desktop::getInstance().getDisplays().displays.isEmpty())
        GTEST_SKIP() << "needs a display";

    auto& modal = *juce::ModalComponentManager::getInstance();
    const auto before = modal.getNumModalComponents();
    auto label = std::make_unique<MorvidOptionMenuTree> ("presetName_");
    label->setDirectoryPath (root.getFullPathName());
    label->setBounds (10, 10, 200, 24);
    label->addToDesktop (0);
    label->mouseDown (clickOn (*label));
    EXPECT_EQ (modal.getNumModalComponents(), before + 1);
    label.reset();

    for (int i = 0; i < 200 && juce::dispatchNextMessageOnSystemQueue (true); ++i) {}
    EXPECT_EQ (modal.getNumModalComponents(), before);
}
