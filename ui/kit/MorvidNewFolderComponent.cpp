#include "MorvidNewFolderComponent.h"

#include "MorvidDialogImages.h"
#include "MorvidModalPanel.h"

MorvidNewFolderComponent::MorvidNewFolderComponent (const juce::String& name, juce::FileBrowserComponent* browser,
                                                    const juce::String& prompt)
    : juce::Component (name), fileBrowser (browser)
{
    needChangeParentModal (false);

    backgroundImage_ = MorvidDialogImages::dialogBackground();
    setSize (backgroundImage_.getWidth(), backgroundImage_.getHeight());

    titleText_ = std::make_unique<juce::Label> ("titleText_", prompt);
    addAndMakeVisible (*titleText_);
    titleText_->setJustificationType (juce::Justification::centred);
    titleText_->setColour (juce::Label::textColourId, juce::Colour (211, 211, 211));
    titleText_->setBoundsRelative (0.0f, 0.3f, 1.0f, 0.3f);

    textEditor_ = std::make_unique<juce::TextEditor> ("textEditor_");
    addAndMakeVisible (*textEditor_);
    textEditor_->setBounds (23, 229, 280, 24);
    textEditor_->addListener (this);

    okButton_ = std::make_unique<Morvid2StateKickButton> ("OK");
    okButton_->setImage (MorvidDialogImages::button (1));
    okButton_->setBounds (16, 307, 132, 51);
    cancelButton_ = std::make_unique<Morvid2StateKickButton> ("CANCEL");
    cancelButton_->setImage (MorvidDialogImages::button (3));
    cancelButton_->setBounds (179, 307, 132, 51);

    for (auto* button : { okButton_.get(), cancelButton_.get() })
    {
        addAndMakeVisible (*button);
        button->addListener (this);
    }

    alertComponent_ = std::make_unique<MorvidAlertComponent> ("alertComponent_", 1, 1, 3);
    addChildComponent (*alertComponent_);
    alertComponent_->setBounds (0, 0, 325, 454);
    alertComponent_->needChangeParentModal (true);
}

MorvidNewFolderComponent::~MorvidNewFolderComponent()
{
    stopTimer();
    titleText_.reset();
    textEditor_.reset();
    okButton_.reset();
    cancelButton_.reset();
    alertComponent_.reset();
}

void MorvidNewFolderComponent::buttonClicked (juce::Button* button)
{
    if (button == okButton_.get())
        createFolder();
    else if (button == cancelButton_.get())
        hide();
}

void MorvidNewFolderComponent::createFolder()
{
    const auto name = juce::File::createLegalFileName (textEditor_->getText());

    if (! isListableName (name) || fileBrowser == nullptr)
        return;

    const auto folder = fileBrowser->getRoot().getChildFile (name);

    if (folder.exists())
    {
        alertComponent_->setTitle ("The folder name already exist! Try different name.");
        alertComponent_->show (1, 1);
        return;
    }

    if (folder.createDirectory().failed())
    {
        alertComponent_->setTitle ("Couldn't create the folder! Try different name.");
        alertComponent_->show (1, 1);
        return;
    }

    fileBrowser->refresh();
    hide();
}

bool MorvidNewFolderComponent::isListableName (const juce::String& name)
{
    return name.trim().isNotEmpty() && ! name.startsWithChar ('.');
}

void MorvidNewFolderComponent::timerCallback()
{
    const bool usable = isListableName (juce::File::createLegalFileName (textEditor_->getText()));
    okButton_->setEnabled (usable);
    okButton_->setAlpha (usable ? 1.0f : 0.5f);
}

void MorvidNewFolderComponent::needChangeParentModal (bool shouldChange) { changeParentModal = shouldChange; }

void MorvidNewFolderComponent::show()
{
    MorvidModalPanel::takeFromParent (*this, changeParentModal);
    textEditor_->clear();
    MorvidModalPanel::enter (*this);
    setVisible (true);

    timerCallback();
    startTimer (200);
}

void MorvidNewFolderComponent::hide()
{
    MorvidModalPanel::leave (*this, changeParentModal);
    setVisible (false);
    stopTimer();
}

void MorvidNewFolderComponent::textEditorTextChanged (juce::TextEditor&) {}

void MorvidNewFolderComponent::textEditorReturnKeyPressed (juce::TextEditor&) { okButton_->triggerClick(); }

void MorvidNewFolderComponent::textEditorEscapeKeyPressed (juce::TextEditor&) { cancelButton_->triggerClick(); }

void MorvidNewFolderComponent::textEditorFocusLost (juce::TextEditor&) {}

void MorvidNewFolderComponent::paint (juce::Graphics& g) { g.drawImageAt (backgroundImage_, 0, 0); }

bool MorvidNewFolderComponent::canModalEventBeSentToComponent (const juce::Component* target)
{
    return MorvidModalPanel::letsThrough (*this, target);
}
