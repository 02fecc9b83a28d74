#include "MorvidOverwriteComponent.h"

#include "MorvidPresetSaving.h"
#include "PandrelTQ4418AudioProcessor.h"

MorvidOverwriteComponent::MorvidOverwriteComponent (const juce::String& name, PandrelTQ4418AudioProcessor* processor_,
                                                    MorvidPresetMenu* presetMenu_)
    : MorvidAlertComponent (name, 1, 1, 3), processor (processor_), presetMenu (presetMenu_)
{
    setTitle (juce::String());

    alertComponent_ = std::make_unique<MorvidAlertComponent> ("alertComponent_", 4, 1, 3);
    addChildComponent (*alertComponent_);
    alertComponent_->setBounds (0, 0, 325, 454);
    alertComponent_->needChangeParentModal (true);
}

MorvidOverwriteComponent::~MorvidOverwriteComponent() = default;

void MorvidOverwriteComponent::okButtonClicked()
{
    if (presetMenu != nullptr && processor != nullptr)
    {
        if (! MorvidPresetSaving::save (*processor, *presetMenu, presetFile, *alertComponent_))
            return;

        processor->updateHostDisplay();
    }

    hide();
}

void MorvidOverwriteComponent::cancelButtonClicked() { hide(); }
