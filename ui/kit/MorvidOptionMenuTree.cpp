#include "MorvidOptionMenuTree.h"

#include "MorvidPresetFolder.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <unordered_set>
#include <vector>

#include <dirent.h>
#include <fnmatch.h>
#include <sys/stat.h>

namespace
{
using MorvidPresetFolder::bytesOf;
using MorvidPresetFolder::fromBytes;

// The disabled item that ends a menu from which something was left out.
constexpr int cutItemId = -1;

std::string join (const std::string& folder, const std::string& name)
{
    return ! folder.empty() && folder.back() == '/' ? folder + name : folder + "/" + name;
}

bool isSameOrBelow (std::string_view folder, std::string_view path)
{
    return path.compare (0, folder.size(), folder) == 0
        && (path.size() == folder.size() || path[folder.size()] == '/' || folder == "/");
}

// The path with every link resolved; empty when it leads nowhere.
std::string realPathOf (const std::string& path)
{
    const std::unique_ptr<char, decltype (&std::free)> real (::realpath (path.c_str(), nullptr), &std::free);
    return real != nullptr ? std::string (real.get()) : std::string();
}

// The patterns as the framework reads a wildcard: split at ";" and ",".
std::vector<std::string> patternsOf (const juce::String& wildcard)
{
    auto tokens = juce::StringArray::fromTokens (wildcard, ";,", "\"'");
    tokens.trim();
    tokens.removeEmptyStrings();

    std::vector<std::string> patterns;
    for (const auto& token : tokens)
        patterns.emplace_back (bytesOf (token));
    if (patterns.empty())
        patterns.emplace_back ("*");
    return patterns;
}

struct Entry
{
    std::string name; // as the folder holds it
    juce::String shown; // as the menu shows it
    bool isLink = false;
};

struct Listing
{
    std::vector<Entry> folders, files;
};

// One pass over a folder with the system's own calls, so that names keep
// their bytes: the sub-folders (links to folders too, hidden ones too) and
// the files that match a pattern, each in natural order of the shown names.
Listing listFolder (const std::string& path, const std::vector<std::string>& patterns, bool withFolders)
{
    Listing listing;
    DIR* folder = ::opendir (path.c_str());

    if (folder == nullptr)
        return listing;

    while (const auto* entry = ::readdir (folder))
    {
        const std::string name (entry->d_name);

        if (name == "." || name == "..")
            continue;

        bool isLink = entry->d_type == DT_LNK;
        bool isFolder = entry->d_type == DT_DIR;
        struct stat info {};

        if (entry->d_type == DT_UNKNOWN && ::lstat (join (path, name).c_str(), &info) == 0)
        {
            isLink = S_ISLNK (info.st_mode);
            isFolder = S_ISDIR (info.st_mode);
        }

        if (isLink)
            isFolder = ::stat (join (path, name).c_str(), &info) == 0 && S_ISDIR (info.st_mode);

        const auto matches = [&name] (const std::string& pattern) {
            return ::fnmatch (pattern.c_str(), name.c_str(), FNM_CASEFOLD) == 0;
        };

        if (isFolder ? withFolders : std::any_of (patterns.begin(), patterns.end(), matches))
            (isFolder ? listing.folders : listing.files)
                .push_back ({ name, MorvidPresetFolder::nameToShow (fromBytes (name), false), isLink });
    }

    ::closedir (folder);

    const auto byShownName = [] (const Entry& a, const Entry& b) { return MorvidPresetFolder::isBefore (a.shown, b.shown); };
    std::sort (listing.folders.begin(), listing.folders.end(), byShownName);
    std::sort (listing.files.begin(), listing.files.end(), byShownName);
    return listing;
}
} // namespace

// What one build carries from folder to folder.
struct MorvidOptionMenuTree::Walk
{
    std::vector<std::string> patterns;
    std::string selectedPath;
    std::string rootReal;
    std::unordered_set<std::string> visited; // real paths of the folders listed
    int entries = 0;
    bool found = false;
};

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
    auto menu = getRootMenu();

    if (menu.getNumItems() == 0)
        return;

    menuIsOpen = true;
    menu.showMenuAsync (
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
    directoryPath = MorvidPresetFolder::withForwardSlashes (path);
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
    filePaths.clear();
    fileNames.clear();
    rootMenu = {};
    nextItemId = 1;

    Walk walk;
    walk.patterns = patternsOf (fileExtension);
    walk.selectedPath = bytesOf (selectedFullPath());

    const std::string rootPath (bytesOf (getRootFolder().getFullPathName()));
    walk.rootReal = rootPath.empty() ? std::string() : realPathOf (rootPath);

    if (! walk.rootReal.empty())
    {
        walk.visited.insert (walk.rootReal);
        rootMenu = buildFolderMenu (rootPath, walk.rootReal, 0, walk);
    }

    return walk.found;
}

juce::PopupMenu MorvidOptionMenuTree::buildFolderMenu (const std::string& path, const std::string& realPath, int depth,
                                                       Walk& walk)
{
    juce::PopupMenu menu;
    bool cut = false;
    const auto listing = listFolder (path, walk.patterns, isRecursive);

    for (const auto& folder : listing.folders)
    {
        if (depth >= maxDepth || walk.entries >= maxEntries)
        {
            cut = true;
            break;
        }

        const auto folderPath = join (path, folder.name);
        const auto real = folder.isLink ? realPathOf (folderPath) : join (realPath, folder.name);

        // A link into the tree (its folder is listed where it lies), to the
        // root or to a folder above it, or to a folder listed already.
        if (real.empty()
            || (folder.isLink && (isSameOrBelow (walk.rootReal, real) || isSameOrBelow (real, walk.rootReal)))
            || ! walk.visited.insert (real).second)
            continue;

        ++walk.entries;
        menu.addSubMenu (folder.shown, buildFolderMenu (folderPath, real, depth + 1, walk), true);
    }

    for (const auto& file : listing.files)
    {
        if (walk.entries >= maxEntries)
        {
            cut = true;
            break;
        }

        ++walk.entries;
        const auto filePath = join (path, file.name);
        const auto ticked = filePath == walk.selectedPath;

        if (ticked)
        {
            walk.found = true;
            selectedIndex = nextItemId;
        }

        menu.addItem (nextItemId++, file.shown, true, ticked);
        filePaths.add (fromBytes (filePath));
        fileNames.add (MorvidPresetFolder::nameToShow (fromBytes (file.name), true));
    }

    if (cut)
        menu.addItem (cutItemId, cutText, false, false);

    return menu;
}

juce::PopupMenu MorvidOptionMenuTree::getRootMenu() const
{
    return rootMenu;
}

juce::File MorvidOptionMenuTree::getRootFolder() const
{
    return juce::File::isAbsolutePath (directoryPath) ? juce::File (directoryPath) : juce::File();
}

bool MorvidOptionMenuTree::selectPath (const juce::String& relativePath, bool inLastBuild)
{
    // The file a load of this path reads: a name may hold a backslash.
    selectedFilePath = MorvidPresetFolder::withSeparators (getRootFolder(), relativePath);
    bool found = false;

    if (inLastBuild)
    {
        const auto full = selectedFullPath();

        for (int i = 0; i < filePaths.size() && ! found; ++i)
        {
            found = bytesOf (filePaths[i]) == bytesOf (full);
            selectedIndex = found ? i + 1 : selectedIndex;
        }
    }
    else
    {
        found = createMenuTree();
    }

    setText (found ? fileNames[selectedIndex - 1] : MorvidPresetFolder::nameToShow (selectedFullPath(), true),
             juce::dontSendNotification);
    return found;
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
    return MorvidPresetFolder::relativePath (getRootFolder(), juce::File::createFileWithoutCheckingPath (fullPath));
}

juce::String MorvidOptionMenuTree::selectedFullPath() const
{
    const auto root = getRootFolder();
    return root == juce::File() ? selectedFilePath : MorvidPresetFolder::childOf (root, selectedFilePath).getFullPathName();
}
