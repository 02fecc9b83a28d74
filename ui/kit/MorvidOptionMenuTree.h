#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <string>

// A label that pops up a nested menu of the files below a folder: each
// sub-folder a sub-menu, each file that matches the pattern an item, the
// selected file ticked. Item ids number the files in post-order (a folder's
// sub-folders first, then its own files, names in natural order), and
// stepping walks the same order.
//
// Building the tree, showing it and applying a pick are separate steps:
// mouseDown builds and shows; the menu's callback applies the pick later.
class MorvidOptionMenuTree : public juce::Label
{
public:
    // The lists a shown menu was built from. The pick is read against these,
    // so a rebuild while the menu is open cannot change what an id means.
    struct MenuContents
    {
        juce::StringArray filePaths;
        juce::StringArray fileNames;
    };

    // What one build lists at most: folders this deep below the root, and
    // this many entries (files and sub-menus) in all. A menu that leaves
    // something out ends in a disabled item that says so.
    static constexpr int maxDepth = 32;
    static constexpr int maxEntries = 20000;
    static constexpr const char* cutText = "More not listed";

    explicit MorvidOptionMenuTree (const juce::String& name);
    ~MorvidOptionMenuTree() override;

    void mouseDown (const juce::MouseEvent&) override;

    virtual void setDirectoryPath (juce::String path);
    virtual void setSelectedFilePath (juce::String relativePath);
    virtual void setSelectedFileIndex (int itemId);
    virtual void setAsRecursive (bool recursive);
    virtual void setFileExtension (juce::String pattern);
    virtual juce::String getSelectedFilePath() const;
    virtual int getSelectedFileIndex() const;
    virtual juce::String getFilePath (int index) const;
    virtual juce::String getFileName (int index) const;
    // The number of files listed by the last build plus one (the next free id).
    virtual int getNumOfFiles() const;
    virtual void nextResult();
    virtual void previousResult();

    // Rebuilds the tree from disk; true when the selected file is in it.
    // Each real folder is listed once, where it lies: a link to a folder
    // inside the root, to the root or to a folder above it is left out, and
    // a link out of the root is followed once.
    bool createMenuTree();

    // The root folder's menu of the last build (empty before any build).
    juce::PopupMenu getRootMenu() const;

    // Applies the id picked in a menu built from `shown`; 0 = dismissed.
    virtual void applyMenuPick (int itemId, const MenuContents& shown);

protected:
    juce::File getRootFolder() const;

    // Selects by path and sets the label text to the file's name (also when
    // it is not in the tree), without notification; true when found. The
    // tree is rebuilt first, or with inLastBuild the path is looked up in
    // the lists of the last build.
    bool selectPath (const juce::String& relativePath, bool inLastBuild = false);

    // Selects an id of the last build without notification; false (and
    // nothing changed) when the id is not one of them.
    bool selectIndex (int itemId);

    juce::String relativeToRoot (const juce::String& fullPath) const;

private:
    struct Walk;
    juce::PopupMenu buildFolderMenu (const std::string& path, const std::string& realPath, int depth, Walk& walk);
    juce::String selectedFullPath() const;

    juce::PopupMenu rootMenu;
    int nextItemId = 1;
    juce::StringArray filePaths;
    juce::StringArray fileNames;
    juce::String directoryPath;
    juce::String lastSelectedPath;
    juce::String selectedFilePath;
    int selectedIndex = 0;
    juce::String fileExtension { "*" };
    bool isRecursive = true;
    bool menuIsOpen = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MorvidOptionMenuTree)
};
