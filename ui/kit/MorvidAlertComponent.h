// The kit's message box: an editor-sized panel with an icon, a centred
// message and OK, or OK and CANCEL. Created hidden; `show` opens it modal,
// `hide` closes it; the buttons act directly, through the two virtual
// handlers subclasses override.
#pragma once

#include "Morvid2StateKickButton.h"

#include <memory>

class MorvidAlertComponent : public juce::Component, public juce::Button::Listener
{
public:
    MorvidAlertComponent (const juce::String& name, int iconType, int okButtonType, int cancelButtonType);
    ~MorvidAlertComponent() override;

    void buttonClicked (juce::Button* button) override;
    // The message; set before `show`. (Hides the accessibility title setter.)
    virtual void setTitle (const juce::String& text);
    // One or two buttons (any other count leaves the panel closed) and the icon.
    virtual void show (int buttonCount, int iconType);
    virtual void hide();
    virtual void okButtonClicked();
    virtual void cancelButtonClicked();
    // Set for a panel nested in another panel: it takes over the parent's
    // modal state while open.
    virtual void needChangeParentModal (bool shouldChange);

    void paint (juce::Graphics& g) override;
    bool canModalEventBeSentToComponent (const juce::Component* target) override;

    static juce::Image loadButtonImage (int type);

protected:
    juce::Image backgroundImage_;
    juce::Image iconImage_;
    bool changeParentModal = false;
    int iconType = 1;
    int okButtonType = 1;
    int cancelButtonType = 3;

    std::unique_ptr<juce::Label> titleText_;
    std::unique_ptr<Morvid2StateKickButton> okButton_;
    std::unique_ptr<Morvid2StateKickButton> cancelButton_;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MorvidAlertComponent)
};
