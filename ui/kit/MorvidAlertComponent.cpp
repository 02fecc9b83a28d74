#include "MorvidAlertComponent.h"

#include "MorvidDialogImages.h"
#include "MorvidModalPanel.h"

namespace
{
// Below the icon and above the divider over the buttons, centred where the
// message always was.
const juce::Rectangle<int> messageBox { 32, 164, 260, 126 };

// As the label lays out a text with line breaks: wrapped, every line kept.
bool fitsBox (const juce::Label& label, const juce::String& text)
{
    const auto area = label.getBorderSize().subtractedFrom (messageBox);
    juce::GlyphArrangement lines;
    lines.addJustifiedText (label.getFont(), text, 0.0f, 0.0f, (float) area.getWidth(), juce::Justification::centred);
    return lines.getBoundingBox (0, -1, false).getHeight() <= (float) area.getHeight();
}

// The longest lines give up the middle of their characters until the text
// fits: a long path keeps its start and the file name at its end.
juce::String fittedToBox (const juce::Label& label, const juce::String& text)
{
    auto lines = juce::StringArray::fromLines (text);
    auto joined = text;

    while (! fitsBox (label, joined))
    {
        int longest = 0;
        for (int i = 1; i < lines.size(); ++i)
            if (lines[i].length() > lines[longest].length())
                longest = i;

        const auto line = lines[longest];
        if (line.length() <= 3)
            break; // nothing left to shorten

        const auto shortened = [&] (int kept)
        {
            return line.substring (0, kept - kept / 2) + "..." + line.substring (line.length() - kept / 2);
        };
        const auto fitsWith = [&] (int kept)
        {
            auto trial = lines;
            trial.set (longest, shortened (kept));
            return fitsBox (label, trial.joinIntoString ("\n"));
        };

        // The most characters kept with which the text fits, none if none;
        // at most four fewer than the line has, so that each round shortens.
        int low = 0, high = line.length() - 4;
        while (low < high)
        {
            const auto middle = (low + high + 1) / 2;
            if (fitsWith (middle))
                low = middle;
            else
                high = middle - 1;
        }

        lines.set (longest, shortened (low));
        joined = lines.joinIntoString ("\n");
    }

    return joined;
}
} // namespace

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
    titleText_->setText (fittedToBox (*titleText_, text), juce::dontSendNotification);
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

    titleText_->setBounds (messageBox);

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
