#include "MorvidModalPanel.h"

namespace MorvidModalPanel
{
void takeFromParent (juce::Component& panel, bool changeParentModal)
{
    if (auto* parent = panel.getParentComponent(); changeParentModal && parent != nullptr
                                                   && parent->isCurrentlyModal (false))
        parent->exitModalState (1);
}

void enter (juce::Component& panel)
{
    if (! panel.isCurrentlyModal (false))
        panel.enterModalState (true, nullptr, false);
}

void leave (juce::Component& panel, bool changeParentModal)
{
    const bool wasOpen = panel.isVisible();
    panel.exitModalState (1);

    // A closed parent must never become modal: being invisible, it would
    // block every window of the process.
    if (auto* parent = panel.getParentComponent(); changeParentModal && wasOpen && parent != nullptr
                                                   && parent->isVisible() && ! parent->isCurrentlyModal (false))
        parent->enterModalState (true, nullptr, false);
}

bool letsThrough (const juce::Component& panel, const juce::Component* target)
{
    return target != nullptr && target->getTopLevelComponent() != panel.getTopLevelComponent();
}
} // namespace MorvidModalPanel
