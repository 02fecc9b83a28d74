#include "MorvidOptionMenuTree.h"

#include "MorvidPresetFolder.h"

#include <algorithm>
#include <filesystem>

namespace
{
// Folder listings come back in no fixed order: sort them, so the menu and
// stepping always show the same order.
juce::Array<juce::File> sortedChildren (const juce::File& folder, int whatToFind,
                                        const juce::String& pattern)
{
    auto children = folder.findChildFiles (whatToFind, false, pattern);
    std::sort (children.begin(), children.end(), [] (const juce::File& a, const juce::File& b) {
        return MorvidPresetFolder::isBefore (MorvidPresetFolder::nameToShow (a.getFullPathName(), false),
                                             MorvidPresetFolder::nameToShow (b.getFullPathName(), false));
    });
    return children;
}

// The folder's path with every symbolic link resolved.
juce::String realPathOf (const juce::File& folder)
{
    std::error_code error;
    const auto real = std::filesystem::canonical (folder.getFullPathName().toStdString(), error);
    return error ? folder.getFullPathName() : juce::String (real.string());
}

// True when entering a folder that really is `real` would lead back into one
// of the folders being walked: a link to one of them or to a folder above.
bool leadsBackInto (const juce::String& real, const juce::StringArray& realAncestors)
{
    const juce::File target (real);

    for (const auto& ancestor : realAncestors)
        if (ancestor == real || MorvidPresetFolder::isInside (target, juce::File (ancestor)))
            return true;

    return false;
}
} // namespace

MorvidOptionMenuTree::MorvidOptionMenuTree (const juce::String& name)
    : juce::Label (name, {}),
      directoryPath (MorvidPresetFolder::getAudioMusicAppsFolder().getFullPathName())
{
    setJustificationType (juce::Justification::centred);
    setColour (juce::Label::textColourId, juce::Colours::white);
    setEditable (false, false, false);
}

MorvidOptionMenuTree::~MorvidOptionMenuTree()
{
    // An open menu would otherwise outlive the label it was shown for. The
    // framework closes menus only all at once, so do it only while ours is
    // open: another plug-in instance in the process may have its own.
    if (menuIsOpen)
        juce::PopupMenu::dismissAllActiveMenus();
}

void MorvidOptionMenuTree::mouseDown (const juce::MouseEvent&)
{
    createMenuTree();
    auto rootMenu = getRootMenu();

    if (rootMenu.getNumItems() == 0)
        return;

    menuIsOpen = true;
    rootMenu.showMenuAsync (
        juce::PopupMenu::Options().withTargetComponent (this),
        [safeThis = juce::Component::SafePointer<MorvidOptionMenuTree> (this),
         shown = MenuContents { filePaths, fileNames }] (int itemId)
        {
            if (auto* tree = safeThis.getComponent())
            {
                tree->menuIsOpen = false;
                tree->applyMenuPick (itemId, shown);
            }
        });
}

void MorvidOptionMenuTree::applyMenuPick (int itemId, const MenuContents& shown)
{
    if (itemId < 1 || itemId > shown.filePaths.size())
        return;

    const auto pickedPath = shown.filePaths[itemId - 1];
    const auto pickedName = shown.fileNames[itemId - 1];

    // The id belongs to the shown menu; stepping works on the live lists.
    selectedIndex = filePaths.indexOf (pickedPath) + 1;
    selectedFilePath = relativeToRoot (pickedPath);

    if (selectedFilePath != lastSelectedPath)
    {
        // Listeners read the pick through the getters, already up to date,
        // before the label shows the new name.
        juce::Component::SafePointer<MorvidOptionMenuTree> safeThis (this);
        callChangeListeners();

        if (safeThis == nullptr)
            return;

        lastSelectedPath = selectedFilePath;
        setText (pickedName, juce::dontSendNotification);
    }
    else
    {
        setText (pickedName, juce::sendNotification);
    }
}

void MorvidOptionMenuTree::setDirectoryPath (juce::String path)
{
    directoryPath = path.replaceCharacter ('\\', '/');
}

void MorvidOptionMenuTree::setSelectedFilePath (juce::String relativePath)
{
    selectPath (relativePath);
}

void MorvidOptionMenuTree::setSelectedFileIndex (int itemId)
{
    selectIndex (itemId);
}

void MorvidOptionMenuTree::setAsRecursive (bool recursive) { isRecursive = recursive; }
void MorvidOptionMenuTree::setFileExtension (juce::String pattern) { fileExtension = pattern; }
juce::String MorvidOptionMenuTree::getSelectedFilePath() const { return selectedFilePath; }
int MorvidOptionMenuTree::getSelectedFileIndex() const { return selectedIndex; }
juce::String MorvidOptionMenuTree::getFilePath (int index) const { return filePaths[index]; }
juce::String MorvidOptionMenuTree::getFileName (int index) const { return fileNames[index]; }
int MorvidOptionMenuTree::getNumOfFiles() const { return nextItemId; }

void MorvidOptionMenuTree::nextResult()
{
    if (selectedIndex >= nextItemId - 1)
        setSelectedFileIndex (1);
    else
        setSelectedFileIndex (selectedIndex + 1);
}

void MorvidOptionMenuTree::previousResult()
{
    // An index left over from a larger tree steps to the last file instead
    // of sticking beyond the end.
    if (selectedIndex > 1 && selectedIndex < nextItemId)
        setSelectedFileIndex (selectedIndex - 1);
    else
        setSelectedFileIndex (nextItemId - 1);
}

bool MorvidOptionMenuTree::createMenuTree()
{
    bool found = false;
    createSubMenu (directoryPath, true, found);
    return found;
}

int MorvidOptionMenuTree::createSubMenu (juce::String folderPath, bool isRoot, bool& found)
{
    if (isRoot)
    {
        filePaths.clear();
        fileNames.clear();
        menus.clear();
        numMenus = 0;
        nextItemId = 1;
    }

    const auto folder = juce::File::isAbsolutePath (folderPath) ? juce::File (folderPath)
                                                                : juce::File();
    juce::StringArray realAncestors;
    return buildFolderMenu (folder, getRootFolder().getChildFile (selectedFilePath),
                            realAncestors, found);
}

int MorvidOptionMenuTree::buildFolderMenu (const juce::File& folder, const juce::File& selectedFile,
                                           juce::StringArray& realAncestors, bool& found)
{
    juce::PopupMenu menu;

    if (isRecursive && folder.isDirectory())
    {
        realAncestors.add (realPathOf (folder));

        for (const auto& subFolder : sortedChildren (folder, juce::File::findDirectories, "*"))
        {
            if (leadsBackInto (realPathOf (subFolder), realAncestors))
                continue;

            const auto index = buildFolderMenu (subFolder, selectedFile, realAncestors, found);
            menu.addSubMenu (MorvidPresetFolder::nameToShow (subFolder.getFullPathName(), false), *menus[index], true);
        }

        realAncestors.remove (realAncestors.size() - 1);
    }

    addFileItems (menu, folder, selectedFile, found);

    // Post-order: a folder's menu comes after the menus of all folders below it.
    menus.add (new juce::PopupMenu (std::move (menu)));
    numMenus = menus.size();
    return numMenus - 1;
}

void MorvidOptionMenuTree::addFileItems (juce::PopupMenu& menu, const juce::File& folder,
                                         const juce::File& selectedFile, bool& found)
{
    if (! folder.isDirectory())
        return;

    for (const auto& file : sortedChildren (folder, juce::File::findFiles, fileExtension))
    {
        const auto ticked = file.getFullPathName() == selectedFile.getFullPathName();

        if (ticked)
        {
            found = true;
            selectedIndex = nextItemId;
        }

        menu.addItem (nextItemId, MorvidPresetFolder::nameToShow (file.getFullPathName(), false), true, ticked);
        filePaths.add (file.getFullPathName());
        fileNames.add (MorvidPresetFolder::nameToShow (file.getFullPathName(), true));
        ++nextItemId;
    }
}

juce::PopupMenu MorvidOptionMenuTree::getRootMenu() const
{
    return numMenus > 0 ? *menus[numMenus - 1] : juce::PopupMenu();
}

juce::File MorvidOptionMenuTree::getRootFolder() const
{
    return juce::File::isAbsolutePath (directoryPath) ? juce::File (directoryPath) : juce::File();
}

bool MorvidOptionMenuTree::selectPath (const juce::String& relativePath)
{
    selectedFilePath = relativePath.replaceCharacter ('\\', '/');

    if (createMenuTree())
    {
        setText (fileNames[selectedIndex - 1], juce::dontSendNotification);
        return true;
    }

    setText (MorvidPresetFolder::nameToShow (getRootFolder().getChildFile (selectedFilePath).getFullPathName(), true),
             juce::dontSendNotification);
    return false;
}

bool MorvidOptionMenuTree::selectIndex (int itemId)
{
    if (itemId < 1 || itemId >= nextItemId || filePaths[0].isEmpty())
        return false;

    selectedIndex = itemId;
    selectedFilePath = relativeToRoot (filePaths[itemId - 1]);
    setText (fileNames[itemId - 1], juce::dontSendNotification);
    return true;
}

juce::String MorvidOptionMenuTree::relativeToRoot (const juce::String& fullPath) const
{
    return juce::File (fullPath).getRelativePathFrom (getRootFolder());
}
