#include "FileReplacement.h"

namespace FileReplacement
{
bool replaceWith (const juce::File& target, const juce::MemoryBlock& content)
{
    juce::TemporaryFile part (target, target.getParentDirectory().getNonexistentChildFile (
                                          target.getFileName() + ".part", {}, false));
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
