#include "MorvidOverwriteComponent2.h"

#include "MorvidFileBrowser.h"

MorvidOverwriteComponent2::MorvidOverwriteComponent2 (const juce::String& name, PandrelTQ4418AudioProcessor* processor_,
                                                      MorvidPresetMenu* presetMenu_)
    : MorvidOverwriteComponent (name, processor_, presetMenu_)
{
}

void MorvidOverwriteComponent2::okButtonClicked()
{
    MorvidOverwriteComponent::okButtonClicked();

    // Still open: the write failed and its alert is up; the browser stays.
    if (isVisible())
        return;

    if (auto* browser = dynamic_cast<MorvidFileBrowser*> (getParentComponent()))
        browser->hide();
}
