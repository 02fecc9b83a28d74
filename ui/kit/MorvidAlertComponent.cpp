#include "MorvidAlertComponent.h"

#include "MorvidDialogImages.h"
#include "MorvidModalPanel.h"

MorvidAlertComponent::MorvidAlertComponent (const juce::String& name, int iconType_, int okButtonType_, int cancelButtonType_)
    : juce::Component (name), iconType (iconType_), okButtonType (okButtonType_), cancelButtonType (cancelButtonType_)
{
    needChangeParentModal (false);

    backgroundImage_ = MorvidDialogImages::dialogBackground();
    setSize (backgroundImage_.getWidth(), backgroundImage_.getHeight());
    iconImage_ = MorvidDialogImages::icon (iconType);

    titleText_ = std::make_unique<juce::Label> ("titleText_", juce::String());
    addAndMakeVisible (*titleText_);
    titleText_->setJustificationType (juce::Justification::centred);
    titleText_->setColour (juce::Label::textColourId, juce::Colour (211, 211, 211));

    okButton_ = std::make_unique<Morvid2StateKickButton> ("OK");
    okButton_->setImage (loadButtonImage (okButtonType));
    cancelButton_ = std::make_unique<Morvid2StateKickButton> ("CANCEL");
    cancelButton_->setImage (loadButtonImage (cancelButtonType));

    for (auto* button : { okButton_.get(), cancelButton_.get() })
    {
        addAndMakeVisible (*button);
        button->addListener (this);
    }
}

MorvidAlertComponent::~MorvidAlertComponent()
{
    titleText_.reset();
    okButton_.reset();
    cancelButton_.reset();
}

juce::Image MorvidAlertComponent::loadButtonImage (int type) { return MorvidDialogImages::button (type); }

void MorvidAlertComponent::buttonClicked (juce::Button* button)
{
    if (button == okButton_.get())
        okButtonClicked();
    else if (button == cancelButton_.get())
        cancelButtonClicked();
}

void MorvidAlertComponent::setTitle (const juce::String& text)
{
    titleText_->setText (text, juce::dontSendNotification);
}

void MorvidAlertComponent::show (int buttonCount, int newIconType)
{
    if (buttonCount != 1 && buttonCount != 2)
        return;

    MorvidModalPanel::takeFromParent (*this, changeParentModal);
    MorvidModalPanel::enter (*this);

    if (newIconType != iconType)
    {
        iconType = newIconType;
        iconImage_ = MorvidDialogImages::icon (iconType);
    }

    titleText_->setBoundsRelative (0.1f, 0.3f, 0.8f, 0.4f);

    if (buttonCount == 1)
    {
        okButton_->setBounds (97, 307, 132, 51);
        cancelButton_->setVisible (false);
    }
    else
    {
        okButton_->setBounds (16, 307, 132, 51);
        cancelButton_->setBounds (179, 307, 132, 51);
        cancelButton_->setVisible (true);
    }

    setVisible (true);
    repaint();
}

void MorvidAlertComponent::hide()
{
    MorvidModalPanel::leave (*this, changeParentModal);
    setVisible (false);
}

void MorvidAlertComponent::okButtonClicked() { hide(); }

void MorvidAlertComponent::cancelButtonClicked() { hide(); }

void MorvidAlertComponent::needChangeParentModal (bool shouldChange) { changeParentModal = shouldChange; }

void MorvidAlertComponent::paint (juce::Graphics& g)
{
    g.drawImageAt (backgroundImage_, 0, 0);
    g.drawImageAt (iconImage_, proportionOfWidth (0.5f) - iconImage_.getWidth() / 2, 12);
}

bool MorvidAlertComponent::canModalEventBeSentToComponent (const juce::Component* target)
{
    return MorvidModalPanel::letsThrough (*this, target);
}
