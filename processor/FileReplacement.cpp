#include "FileReplacement.h"

namespace FileReplacement
{
namespace
{
// Named from the target's path as it stands, and not parsed again: the
// framework's parsing miscounts a path that holds bytes that are no UTF-8.
juce::File partFileBeside (const juce::File& target)
{
    const auto base = target.getFullPathName() + ".part";
    auto part = juce::File::createFileWithoutCheckingPath (base);

    for (int n = 2; part.exists(); ++n)
        part = juce::File::createFileWithoutCheckingPath (base + juce::String (n));

    return part;
}
} // namespace

bool replaceWith (const juce::File& target, const juce::MemoryBlock& content)
{
    juce::TemporaryFile part (target, partFileBeside (target));
    {
        juce::FileOutputStream out (part.getFile());

        if (! out.openedOk() || ! out.write (content.getData(), content.getSize()))
            return false;

        out.flush();

        if (out.getStatus().failed())
            return false;
    }

    // The stream takes a short write (a full disk, a file-size limit) for a
    // whole one when it flushes: only the size on disk tells.
    if (part.getFile().getSize() != static_cast<juce::int64> (content.getSize()))
        return false;

    return part.overwriteTargetFileWithTemporary();
}
} // namespace FileReplacement
