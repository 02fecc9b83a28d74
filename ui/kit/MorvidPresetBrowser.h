// The save browser: the file browser in its save mode, kept inside the Preset
// folder, that saves the current preset as a ".mdtz" file there (or in a
// sub-folder), asking before it overwrites one.
#pragma once

#include "MorvidFileBrowser.h"
#include "MorvidOverwriteComponent2.h"

class MorvidPresetBrowser : public MorvidFileBrowser
{
public:
    MorvidPresetBrowser (const juce::String& name, const juce::String& text, const juce::File& root,
                         const juce::String& wildcard, int mode, int titleType, int okButtonType, int cancelButtonType,
                         int newFolderButtonType, PandrelTQ4418AudioProcessor* processor, MorvidPresetMenu* presetMenu);
    ~MorvidPresetBrowser() override;

    void show() override;
    // OK and New Folder only inside the Preset folder; OK only for a name
    // that saves. A folder that is gone, or a file in its place, is said
    // once, and nothing can be saved or made in it.
    void timerCallback() override;
    void okButtonClicked() override;
    void cancelButtonClicked() override;

    void savePreset();

protected:
    MorvidPresetMenu* presetMenu = nullptr;
    PandrelTQ4418AudioProcessor* processor = nullptr;
    std::unique_ptr<MorvidOverwriteComponent2> overwriteComponent_;
    std::unique_ptr<MorvidAlertComponent> alertComponent_;

private:
    // The preset file the chosen name saves to: inside the Preset folder,
    // ending in ".mdtz"; File() when the name saves nothing.
    juce::File saveTarget() const;
    // The Preset folder, or else the folder shown, when it is no folder
    // (gone, or a file); File() while both are folders.
    juce::File brokenFolder() const;

    juce::File reportedFolder;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MorvidPresetBrowser)
};
