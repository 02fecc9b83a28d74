// The overwrite question of the preset save browser: a written file closes
// the browser behind it too.
#pragma once

#include "MorvidOverwriteComponent.h"

class MorvidOverwriteComponent2 : public MorvidOverwriteComponent
{
public:
    MorvidOverwriteComponent2 (const juce::String& name, PandrelTQ4418AudioProcessor* processor, MorvidPresetMenu* presetMenu);

    void okButtonClicked() override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MorvidOverwriteComponent2)
};
