// Asks before an existing preset file is overwritten; OK writes the current
// preset into it. The editor owns this form for its "Save Preset" item.
#pragma once

#include "MorvidAlertComponent.h"

class MorvidPresetMenu;
class PandrelTQ4418AudioProcessor;

class MorvidOverwriteComponent : public MorvidAlertComponent
{
public:
    MorvidOverwriteComponent (const juce::String& name, PandrelTQ4418AudioProcessor* processor, MorvidPresetMenu* presetMenu);
    ~MorvidOverwriteComponent() override;

    // Writes `presetFile` and closes; a failed write keeps the question open
    // under an alert that says so.
    void okButtonClicked() override;
    void cancelButtonClicked() override;

    // The file OK writes; the owner sets it, and the question, before `show`.
    juce::File presetFile;

protected:
    PandrelTQ4418AudioProcessor* processor = nullptr;
    MorvidPresetMenu* presetMenu = nullptr;
    std::unique_ptr<MorvidAlertComponent> alertComponent_;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MorvidOverwriteComponent)
};
