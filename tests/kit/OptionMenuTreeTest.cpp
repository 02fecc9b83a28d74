// The option menu tree against real folders: order and numbering of the
// items, stepping, the tick, picks from a shown menu, hostile folder trees.
#include "MorvidOptionMenuTree.h"
#include "MorvidPresetFolder.h"
#include "PresetMenuTestFolder.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace juce
{
// JUCE's own message pump (modal loops are off, so there is no public one).
bool dispatchNextMessageOnSystemQueue (bool returnIfNoPendingMessages);
}

namespace
{
// Item texts of a menu, sub-menus as "name/", each file as "id:text", a
// ticked one with a trailing "+".
juce::StringArray describe (const juce::PopupMenu& menu)
{
    juce::StringArray items;

    for (juce::PopupMenu::MenuItemIterator it (menu); it.next();)
    {
        const auto& item = it.getItem();

        if (item.subMenu != nullptr)
            items.add (item.text + "/");
        else
            items.add (juce::String (item.itemID) + ":" + item.text + (item.isTicked ? "+" : ""));
    }

    return items;
}

juce::PopupMenu subMenuOf (const juce::PopupMenu& menu, const juce::String& name)
{
    for (juce::PopupMenu::MenuItemIterator it (menu); it.next();)
        if (it.getItem().text == name && it.getItem().subMenu != nullptr)
            return *it.getItem().subMenu;

    return {};
}

struct PickListener : juce::Label::Listener
{
    void labelTextChanged (juce::Label* label) override
    {
        ++calls;
        pathSeen = static_cast<MorvidOptionMenuTree*> (label)->getSelectedFilePath();
    }

    int calls = 0;
    juce::String pathSeen;
};
} // namespace

class OptionMenuTree : public PresetMenuTestFolder
{
protected:
    void SetUp() override
    {
        PresetMenuTestFolder::SetUp();
        tree = std::make_unique<MorvidOptionMenuTree> ("presetName_");
        tree->setDirectoryPath (root.getFullPathName());
        tree->setFileExtension (MorvidPresetFolder::wildcard);
    }

    void putPresets()
    {
        for (auto* path : { "b.mdtz", "a.mdtz", "Lead 10.mdtz", "lead 2.mdtz", "notes.txt",
                            "Bass/x.mdtz", "Bass/Deep/y.mdtz", "alpha/z.mdtz" })
            put (path);
    }

    std::unique_ptr<MorvidOptionMenuTree> tree;
};

TEST_F (OptionMenuTree, NumbersFilesPostOrderFoldersFirstInNaturalOrder)
{
    putPresets();
    EXPECT_FALSE (tree->createMenuTree());

    const auto rootMenu = tree->getRootMenu();
    EXPECT_EQ (describe (rootMenu),
               juce::StringArray ({ "alpha/", "Bass/", "4:a.mdtz", "5:b.mdtz", "6:lead 2.mdtz",
                                    "7:Lead 10.mdtz" }));
    EXPECT_EQ (describe (subMenuOf (rootMenu, "alpha")), juce::StringArray ({ "1:z.mdtz" }));
    EXPECT_EQ (describe (subMenuOf (rootMenu, "Bass")), juce::StringArray ({ "Deep/", "3:x.mdtz" }));
    EXPECT_EQ (describe (subMenuOf (subMenuOf (rootMenu, "Bass"), "Deep")),
               juce::StringArray ({ "2:y.mdtz" }));

    EXPECT_EQ (tree->getNumOfFiles(), 8);
    EXPECT_EQ (tree->getFilePath (2), root.getChildFile ("Bass/x.mdtz").getFullPathName());
    EXPECT_EQ (tree->getFileName (5), "lead 2");
    EXPECT_EQ (tree->getFileName (7), "");

    tree->setAsRecursive (false);
    tree->createMenuTree();
    EXPECT_EQ (describe (tree->getRootMenu()),
               juce::StringArray ({ "1:a.mdtz", "2:b.mdtz", "3:lead 2.mdtz", "4:Lead 10.mdtz" }));
}

TEST_F (OptionMenuTree, StepsBothWaysWithWrapAround)
{
    putPresets();
    tree->createMenuTree();

    tree->nextResult();
    EXPECT_EQ (tree->getSelectedFileIndex(), 1);
    EXPECT_EQ (tree->getText(), "z");
    EXPECT_EQ (tree->getSelectedFilePath(), "alpha/z.mdtz");

    tree->previousResult();
    EXPECT_EQ (tree->getSelectedFileIndex(), 7);
    EXPECT_EQ (tree->getText(), "Lead 10");

    tree->nextResult();
    EXPECT_EQ (tree->getSelectedFileIndex(), 1);
    tree->nextResult();
    EXPECT_EQ (tree->getSelectedFilePath(), "Bass/Deep/y.mdtz");

    tree->setSelectedFileIndex (0);
    tree->setSelectedFileIndex (8);
    EXPECT_EQ (tree->getSelectedFileIndex(), 2);
}

TEST_F (OptionMenuTree, TicksTheSelectedPathAndKeepsTheIndexForAMissingOne)
{
    putPresets();

    tree->setSelectedFilePath ("Bass\\x.mdtz");
    EXPECT_EQ (tree->getSelectedFileIndex(), 3);
    EXPECT_EQ (tree->getSelectedFilePath(), "Bass/x.mdtz");
    EXPECT_EQ (tree->getText(), "x");
    EXPECT_EQ (describe (subMenuOf (tree->getRootMenu(), "Bass")),
               juce::StringArray ({ "Deep/", "3:x.mdtz+" }));

    tree->setSelectedFilePath ("Gone/Missing.mdtz");
    EXPECT_EQ (tree->getText(), "Missing");
    EXPECT_EQ (tree->getSelectedFileIndex(), 3);
    EXPECT_FALSE (describe (tree->getRootMenu()).joinIntoString (",").contains ("+"));
}

TEST_F (OptionMenuTree, PreviousFromAnIndexBeyondAShrunkenTreeGoesToTheLastFile)
{
    putPresets();
    tree->setSelectedFilePath ("Lead 10.mdtz");
    ASSERT_EQ (tree->getSelectedFileIndex(), 7);

    root.getChildFile ("Bass").deleteRecursively();
    tree->setSelectedFilePath ("Init.mdtz"); // rebuilds: five files, index kept
    tree->previousResult();
    EXPECT_EQ (tree->getSelectedFileIndex(), 5);
    EXPECT_EQ (tree->getText(), "Lead 10");
}

TEST_F (OptionMenuTree, APickNotifiesOnceBeforeTheLabelChangesAndUsesTheShownLists)
{
    putPresets();
    PickListener listener;
    tree->addListener (&listener);
    tree->createMenuTree();
    const MorvidOptionMenuTree::MenuContents shown { [&] {
        juce::StringArray paths, names;
        for (int i = 0; i < tree->getNumOfFiles() - 1; ++i)
        {
            paths.add (tree->getFilePath (i));
            names.add (tree->getFileName (i));
        }
        return MorvidOptionMenuTree::MenuContents { paths, names };
    }() };

    // A file appears and the tree is rebuilt while the menu is open.
    put ("Bass/Deep/0 first.mdtz");
    tree->createMenuTree();

    tree->applyMenuPick (3, shown);
    EXPECT_EQ (listener.calls, 1);
    EXPECT_EQ (listener.pathSeen, "Bass/x.mdtz");
    EXPECT_EQ (tree->getText(), "x");
    EXPECT_EQ (tree->getSelectedFileIndex(), 4);

    tree->applyMenuPick (3, shown);
    tree->applyMenuPick (0, shown);
    tree->applyMenuPick (99, shown);
    EXPECT_EQ (listener.calls, 1);

    tree->setText ("something else", juce::dontSendNotification);
    tree->applyMenuPick (3, shown);
    EXPECT_EQ (listener.calls, 2);
    EXPECT_EQ (tree->getText(), "x");
    tree->removeListener (&listener);
}

TEST_F (OptionMenuTree, FollowsNoLinkBackIntoTheTree)
{
    putPresets();
    link ("Bass/loop", root);
    link ("Bass/Deep/up", root.getParentDirectory());
    link ("alpha/self", root.getChildFile ("alpha"));
    link ("Linked", root.getChildFile ("Bass/Deep")); // not a loop: listed

    tree->createMenuTree();
    EXPECT_EQ (tree->getNumOfFiles(), 9);
    EXPECT_EQ (describe (subMenuOf (tree->getRootMenu(), "Bass")), juce::StringArray ({ "Deep/", "3:x.mdtz" }));
    EXPECT_EQ (describe (subMenuOf (tree->getRootMenu(), "Linked")), juce::StringArray ({ "4:y.mdtz" }));
}

TEST_F (OptionMenuTree, AMissingOrEmptyFolderShowsNothing)
{
    for (int pass = 0; pass < 2; ++pass)
    {
        EXPECT_FALSE (tree->createMenuTree());
        EXPECT_EQ (tree->getRootMenu().getNumItems(), 0);
        EXPECT_EQ (tree->getNumOfFiles(), 1);

        tree->nextResult();
        tree->previousResult();
        EXPECT_EQ (tree->getSelectedFileIndex(), 0);

        tree->setSelectedFilePath ("Init.mdtz");
        EXPECT_EQ (tree->getText(), "Init");

        // Nothing to show: no menu, so this is safe without a display too.
        tree->mouseDown (juce::MouseEvent (juce::Desktop::getInstance().getMainMouseSource(), {}, {},
                                           0.0f, 0.0f, 0.0f, 0.0f, 0.0f, tree.get(), tree.get(),
                                           juce::Time::getCurrentTime(), {},
                                           juce::Time::getCurrentTime(), 1, false));

        ASSERT_TRUE (root.createDirectory());
    }

    tree->setDirectoryPath ("");
    EXPECT_FALSE (tree->createMenuTree());
    EXPECT_EQ (tree->getNumOfFiles(), 1);
}

TEST_F (OptionMenuTree, AMenuOpenWhenItsLabelIsDeletedCallsBackHarmlessly)
{
    if (juce::Desktop::getInstance().getDisplays().displays.isEmpty())
        GTEST_SKIP() << "needs a display";

    putPresets();
    tree->setBounds (10, 10, 200, 24);
    tree->addToDesktop (0);
    tree->mouseDown (juce::MouseEvent (juce::Desktop::getInstance().getMainMouseSource(), {}, {},
                                       0.0f, 0.0f, 0.0f, 0.0f, 0.0f, tree.get(), tree.get(),
                                       juce::Time::getCurrentTime(), {},
                                       juce::Time::getCurrentTime(), 1, false));
    EXPECT_EQ (juce::ModalComponentManager::getInstance()->getNumModalComponents(), 1);
    tree.reset();

    for (int i = 0; i < 200 && juce::dispatchNextMessageOnSystemQueue (true); ++i) {}

    EXPECT_EQ (juce::PopupMenu::dismissAllActiveMenus(), false);
}
