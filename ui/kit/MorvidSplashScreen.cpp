#include "MorvidSplashScreen.h"

#include "MorvidModalPanel.h"

#include <PandrelTQ4418BinImg.h>

MorvidSplashScreen::MorvidSplashScreen (const juce::String& name)
    : juce::Component (name)
{
    aboutImage = juce::ImageFileFormat::loadFrom (PandrelTQ4418BinImg::about_fl_png,
                                                  (size_t) PandrelTQ4418BinImg::about_fl_pngSize);
    setSize (aboutImage.getWidth(), aboutImage.getHeight());

    versionLabel_ = std::make_unique<juce::Label> ("versionLabel_", juce::String());
    addAndMakeVisible (*versionLabel_);
    versionLabel_->setBounds (150, 112, 100, 16);
    versionLabel_->setJustificationType (juce::Justification::bottomLeft);
    versionLabel_->setColour (juce::Label::textColourId, juce::Colour (211, 211, 211));
    // A click on the version text closes the panel like a click anywhere else.
    versionLabel_->setInterceptsMouseClicks (false, false);

    setVisible (false);
}

MorvidSplashScreen::~MorvidSplashScreen() = default;

void MorvidSplashScreen::setVersion (const juce::String& text)
{
    versionLabel_->setText (text, juce::dontSendNotification);
}

void MorvidSplashScreen::show()
{
    MorvidModalPanel::enter (*this);
    setVisible (true);
}

void MorvidSplashScreen::hide()
{
    MorvidModalPanel::leave (*this, false);
    setVisible (false);
}

void MorvidSplashScreen::mouseDown (const juce::MouseEvent&)
{
    hide();
}

void MorvidSplashScreen::paint (juce::Graphics& g)
{
    if (! aboutImage.isValid())
        return;

    g.drawImage (aboutImage,
                 0, 0, proportionOfWidth (1.0f), proportionOfHeight (1.0f),
                 0, 0, aboutImage.getWidth(), aboutImage.getHeight(),
                 false);
}

bool MorvidSplashScreen::canModalEventBeSentToComponent (const juce::Component* target)
{
    return MorvidModalPanel::letsThrough (*this, target);
}
