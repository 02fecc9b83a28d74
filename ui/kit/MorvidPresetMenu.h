#pragma once

#include "MorvidOptionMenuTree.h"

#include <memory>

class PandrelTQ4418AudioProcessor;

// The editor's preset name display and picker: an option menu tree over the
// preset folder that shows the selected preset's name, with a trailing "*"
// (the change mark) while the processor's settings differ from that file.
// It also reads, writes and compares preset files for its callers. Preset
// paths are untrusted: anything that does not lead inside the menu's root
// folder is treated as a missing file.
class MorvidPresetMenu : public MorvidOptionMenuTree
{
public:
    explicit MorvidPresetMenu (const juce::String& name);
    ~MorvidPresetMenu() override;

    void setSelectedFilePath (juce::String relativePath) override;
    // As setSelectedFilePath, against the tree of the last build: the folder
    // is not read again.
    void setSelectedFilePathInLastBuild (const juce::String& relativePath);
    void setSelectedFileIndex (int itemId) override;
    void applyMenuPick (int itemId, const MenuContents& shown) override;

    // Adds the change mark, once.
    virtual void setPresetHasChanged();
    // Adds the change mark when the processor differs from the selected file,
    // or when that file is no preset of this plug-in.
    virtual void compareAndMarkPreset (PandrelTQ4418AudioProcessor* processor);
    // Applies a preset file; returns the processor's read result, 0 when
    // nothing was read, or cannotBeRead for a file that is there but could
    // not be opened or read (no permission, a read error).
    static constexpr int cannotBeRead = -1;
    virtual int readPreset (PandrelTQ4418AudioProcessor* processor, juce::String path);
    // Writes the processor's settings to a preset file and selects it; false
    // when the path is refused or the file could not be written.
    virtual bool writePreset (PandrelTQ4418AudioProcessor* processor, juce::String path);
    // Sets the flag only; the label text is left as it is.
    virtual void setMarkedAsChange (bool isMarked);

private:
    // The change mark after a selection by path: on when it was not found.
    void showSelection (bool found);
    static bool writeDocument (const juce::XmlElement& document, const juce::File& target);
    juce::File resolve (const juce::String& path) const;

    bool markedAsChange = false;
    std::unique_ptr<juce::XmlElement> presetXml;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MorvidPresetMenu)
};
