#include "MorvidPresetFolder.h"

#include "PresetFolder.h"
#include "PresetPathText.h"

#include <algorithm>
#include <cctype>
#include <string_view>
#include <vector>

#include <sys/stat.h>

namespace
{
// No "." or ".." among the parts of a relative path: a path the framework
// parsed may keep them (it removes them only from text it reads as UTF-8).
bool hasNoDotParts (std::string_view rest)
{
    while (! rest.empty())
    {
        const auto slash = rest.find ('/');
        const auto part = rest.substr (0, slash);

        if (part == "." || part == "..")
            return false;

        rest = slash == std::string_view::npos ? std::string_view() : rest.substr (slash + 1);
    }

    return true;
}
} // namespace

namespace MorvidPresetFolder
{
std::string_view bytesOf (const juce::String& path) { return PresetPathText::bytesOf (path); }

juce::String fromBytes (std::string_view bytes) { return PresetPathText::fromBytes (bytes); }

juce::String withForwardSlashes (const juce::String& path)
{
    std::string bytes (bytesOf (path));
    std::replace (bytes.begin(), bytes.end(), '\\', '/');
    return fromBytes (bytes);
}

juce::String withSeparators (const juce::File& folder, const juce::String& path)
{
    if (bytesOf (path).find ('\\') == std::string_view::npos)
        return path;

    const auto asSpelled = folder == juce::File() ? juce::File() : childOf (folder, path);
    return asSpelled != juce::File() && asSpelled.existsAsFile() ? path : withForwardSlashes (path);
}

juce::File getAudioMusicAppsFolder()
{
    return PresetFolder::audioMusicApps();
}

juce::File getPresetFolder()
{
    return PresetFolder::get();
}

juce::File childOf (const juce::File& folder, const juce::String& path)
{
    const auto bytes = bytesOf (path);

    // "~" and "~name" lead to a home folder, which only the framework knows.
    if (! bytes.empty() && bytes.front() == '~')
        return juce::CharPointer_UTF8::isValidString (bytes.data(), static_cast<int> (bytes.size()))
                   ? folder.getChildFile (path)
                   : juce::File();

    const auto start = bytesOf (folder.getFullPathName());
    const auto joined = ! bytes.empty() && bytes.front() == '/' ? std::string (bytes)
                                                                : std::string (start) + "/" + std::string (bytes);
    if (joined.front() != '/')
        return {};

    std::vector<std::string_view> parts;
    for (std::string_view rest (joined); ! rest.empty();)
    {
        const auto slash = rest.find ('/');
        const auto part = rest.substr (0, slash);
        rest = slash == std::string_view::npos ? std::string_view() : rest.substr (slash + 1);

        if (part == "..")
        {
            if (! parts.empty())
                parts.pop_back();
        }
        else if (! part.empty() && part != ".")
        {
            parts.push_back (part);
        }
    }

    std::string normal;
    for (const auto part : parts)
        normal.append ("/").append (part);

    return juce::File::createFileWithoutCheckingPath (fromBytes (normal.empty() ? "/" : normal));
}

juce::File resolveInside (const juce::File& root, const juce::String& path)
{
    const auto bytes = bytesOf (path);
    const auto isSpace = [] (char c) { return std::isspace (static_cast<unsigned char> (c)) != 0; };

    if (root == juce::File() || std::all_of (bytes.begin(), bytes.end(), isSpace))
        return {};

    const auto file = childOf (root, withSeparators (root, path));
    return isInside (root, file) ? file : juce::File();
}

bool isInside (const juce::File& folder, const juce::File& file)
{
    auto outer = bytesOf (folder.getFullPathName());
    const auto inner = bytesOf (file.getFullPathName());

    // A "~name" path of no such user stays relative in juce::File: only a
    // rooted path can lie inside.
    if (outer.empty() || outer.front() != '/')
        return false;

    while (! outer.empty() && outer.back() == '/')
        outer.remove_suffix (1);

    return inner.size() > outer.size() + 1 && inner.compare (0, outer.size(), outer) == 0
        && inner[outer.size()] == '/' && hasNoDotParts (inner.substr (outer.size() + 1));
}

bool isFolderOrInside (const juce::File& folder, const juce::File& file)
{
    return folder != juce::File() && (bytesOf (file.getFullPathName()) == bytesOf (folder.getFullPathName())
                                      || isInside (folder, file));
}

bool createParentFolder (const juce::File& file)
{
    const auto path = bytesOf (file.getFullPathName());
    const auto slash = path.rfind ('/');

    if (slash == std::string_view::npos || slash == 0)
        return false;

    // Each folder from the top down, by its bytes.
    const std::string parent (path.substr (0, slash));
    for (auto end = parent.find ('/', 1);; end = parent.find ('/', end + 1))
    {
        ::mkdir (parent.substr (0, end).c_str(), 0777);

        if (end == std::string::npos)
            break;
    }

    struct stat info {};
    return ::stat (parent.c_str(), &info) == 0 && S_ISDIR (info.st_mode);
}

juce::String nameToShow (const juce::String& path, bool withoutExtension)
{
    return PresetPathText::nameToShow (path, withoutExtension);
}

juce::String pathToShow (const juce::String& path) { return PresetPathText::readable (bytesOf (path)); }

juce::String relativePath (const juce::File& folder, const juce::File& file)
{
    if (! isInside (folder, file))
        return file.getRelativePathFrom (folder);

    auto folderBytes = bytesOf (folder.getFullPathName());
    while (! folderBytes.empty() && folderBytes.back() == '/')
        folderBytes.remove_suffix (1);
    return fromBytes (bytesOf (file.getFullPathName()).substr (folderBytes.size() + 1));
}

bool isBefore (const juce::String& nameA, const juce::String& nameB)
{
    const auto order = nameA.compareNatural (nameB, false);
    return order != 0 ? order < 0 : nameA.compare (nameB) < 0;
}
} // namespace MorvidPresetFolder
