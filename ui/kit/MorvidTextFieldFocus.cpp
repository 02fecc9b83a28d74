#include "MorvidTextFieldFocus.h"

#include "MorvidHostKeyboard.h"

#include <utility>

namespace
{
// Half a second at the timer's rate.
constexpr int settlingTicks = 10;

juce::TextEditor* textFieldOf (juce::Component* component)
{
    if (auto* field = dynamic_cast<juce::TextEditor*> (component))
        return field;

    return component != nullptr ? component->findParentComponentOfClass<juce::TextEditor>() : nullptr;
}

void leaveTheKeyboardAlone (juce::Component& component)
{
    if (dynamic_cast<juce::TextEditor*> (&component) != nullptr)
        return;

    component.setWantsKeyboardFocus (false);
    component.setMouseClickGrabsKeyboardFocus (false);

    for (auto* child : component.getChildren())
        leaveTheKeyboardAlone (*child);
}
} // namespace

MorvidTextFieldFocus::MorvidTextFieldFocus (juce::Component& window_) : window (window_), hostKeyboard (window_)
{
    leaveTheKeyboardAlone (window);
    juce::Desktop::getInstance().addFocusChangeListener (this);
    juce::Desktop::getInstance().addGlobalMouseListener (this);
    startTimer (50);
}

MorvidTextFieldFocus::~MorvidTextFieldFocus()
{
    juce::Desktop::getInstance().removeGlobalMouseListener (this);
    juce::Desktop::getInstance().removeFocusChangeListener (this);
}

bool MorvidTextFieldFocus::isOurs (const juce::Component* component) const
{
    return component != nullptr && (component == &window || window.isParentOf (component));
}

bool MorvidTextFieldFocus::canType (const juce::TextEditor* textField) const
{
    return textField != nullptr && textField->isShowing() && textField->isEnabled()
           && ! textField->isCurrentlyBlockedByAnotherModalComponent();
}

// Pop-up menus are modal windows of their own. Taking the X focus from the
// plug-in while one is open would close it: it takes that for the user
// switching to another application.
bool MorvidTextFieldFocus::isMenuOpen()
{
    auto* modal = juce::Component::getCurrentlyModalComponent();
    return modal != nullptr && modal->isOnDesktop();
}

void MorvidTextFieldFocus::giveKeysBack()
{
    editing = nullptr;
    hostKeyboard.giveBack();
}

void MorvidTextFieldFocus::mouseDown (const juce::MouseEvent& event)
{
    if (isOurs (event.eventComponent))
        if (auto* clicked = textFieldOf (event.eventComponent); canType (clicked))
        {
            editing = clicked;
            fieldClickedAt = juce::Time::getMillisecondCounter();
        }
}

void MorvidTextFieldFocus::mouseUp (const juce::MouseEvent& event)
{
    if (isMenuOpen() && event.eventComponent != nullptr
        && event.eventComponent->getTopLevelComponent() == juce::Component::getCurrentlyModalComponent())
        pickedInMenu = true;

    if (isOurs (event.eventComponent) && ! canType (editing) && ! isMenuOpen())
        giveKeysBack();
}

void MorvidTextFieldFocus::timerCallback()
{
    hostKeyboard.watch();
    const bool menuIsOpen = isMenuOpen();

    if (menuWasOpen && ! menuIsOpen)
    {
        // Closed by a pick, the menu took the X focus with the click and
        // lost it to the window manager's choice: the plug-in's window of the
        // host gets it back. Closed by a click elsewhere, it stays there.
        if (std::exchange (pickedInMenu, false))
            hostKeyboard.reclaim();
        ticksSinceMenuClosed = 0;
    }

    // However the menu closed (a pick, Escape, a click elsewhere), the keys
    // go back to the host unless another application holds them. For a few
    // ticks: the menu's window may go, leaving the keyboard to the root, and
    // the framework may hand its window the keyboard, after the close.
    if (! menuIsOpen && ticksSinceMenuClosed >= 0 && ticksSinceMenuClosed++ < settlingTicks && ! canType (editing))
        giveKeysBack();

    menuWasOpen = menuIsOpen;
}

void MorvidTextFieldFocus::globalFocusChanged (juce::Component* focused)
{
    if (! isOurs (focused))
        focused = nullptr;

    // The keyboard came back to this window and the framework gave it to
    // what held it last, not to the field being typed into: give it back.
    if (canType (editing) && focused != nullptr && textFieldOf (focused) != editing.getComponent())
    {
        editing->grabKeyboardFocus();
        return;
    }

    // A panel that opens hands its field the keyboard.
    if (auto* field = textFieldOf (focused))
    {
        editing = field;
        return;
    }

    // Just after a click on the field, the host's window may take the X
    // focus back as its answer to that click (the window manager asks it
    // to): the field takes it once more. Later, the host's window took it on
    // purpose, and ours gets it back with the X focus.
    if (focused == nullptr && canType (editing)
        && juce::Time::getMillisecondCounter() - fieldClickedAt < 1000 && hostKeyboard.isWithTheHostsWindow())
    {
        editing->grabKeyboardFocus();
        return;
    }

    // Once its panel has closed, the keys are the host's again.
    if (editing != nullptr && ! canType (editing))
        giveKeysBack();
}
