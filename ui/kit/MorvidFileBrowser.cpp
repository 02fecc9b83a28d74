#include "MorvidFileBrowser.h"

#include "MorvidDialogImages.h"
#include "MorvidModalPanel.h"
#include "MorvidPresetFolder.h"

using Flags = juce::FileBrowserComponent::FileChooserFlags;

// The framework's browser goes up with File::getParentDirectory, which on a
// path holding bytes that are no UTF-8 may return the path itself: Up then
// did nothing. Here the folder above is the path cut at its last "/" as
// bytes, and Up is usable exactly when that is another folder. It works from
// outside the browser: a subclass would race the browser's folder-scanning
// thread, which calls the browser's own filter while it is being destroyed.
class MorvidFileBrowser::UpByBytes final : private juce::ComponentListener
{
public:
    explicit UpByBytes (juce::FileBrowserComponent& browserToUse) : browser (browserToUse)
    {
        browser.addComponentListener (this);
        takeUpButton();
    }

    ~UpByBytes() override
    {
        browser.removeComponentListener (this);
        if (upButton != nullptr)
            upButton->removeComponentListener (this);
    }

private:
    // The framework makes its Up button anew with every look-and-feel: each
    // is taken over when it joins the browser.
    void componentChildrenChanged (juce::Component&) override { takeUpButton(); }

    void takeUpButton()
    {
        juce::Button* button = nullptr;
        for (auto* child : browser.getChildren())
            if (auto* b = dynamic_cast<juce::Button*> (child); b != nullptr && b->getName() == "up")
                button = b;

        if (button == upButton.getComponent())
            return;

        if (upButton != nullptr)
            upButton->removeComponentListener (this);
        upButton = button;
        if (upButton == nullptr)
            return;

        upButton->addComponentListener (this);
        upButton->onClick = [this]
        {
            if (const auto above = folderAbove(); above != juce::File())
                browser.setRoot (above);
        };
        showWhetherUsable();
    }

    juce::File folderAbove() const
    {
        auto path = MorvidPresetFolder::bytesOf (browser.getRoot().getFullPathName());
        while (path.size() > 1 && path.back() == '/')
            path.remove_suffix (1);

        const auto slash = path.rfind ('/');
        if (path.size() <= 1 || slash == std::string_view::npos)
            return {};

        const auto above = juce::File::createFileWithoutCheckingPath (MorvidPresetFolder::fromBytes (slash == 0 ? "/" : path.substr (0, slash)));
        return above.isDirectory() ? above : juce::File();
    }

    // The framework sets the button's state on every change of folder, by
    // its own reckoning: this one follows it.
    void componentEnablementChanged (juce::Component&) override { showWhetherUsable(); }

    void showWhetherUsable()
    {
        if (const bool usable = folderAbove() != juce::File(); upButton->isEnabled() != usable)
            upButton->setEnabled (usable);
    }

    juce::FileBrowserComponent& browser;
    juce::Component::SafePointer<juce::Button> upButton;
};

MorvidFileBrowser::MorvidFileBrowser (const juce::String& name, const juce::String& text, const juce::File& root,
                                      const juce::String& wildcard, int mode, int titleType_, int okButtonType_,
                                      int cancelButtonType_, int newFolderButtonType_)
    : juce::Component (name),
      fileWildcard (wildcard),
      initialRoot (root),
      browserMode (mode),
      titleType (titleType_),
      okButtonType (okButtonType_),
      cancelButtonType (cancelButtonType_),
      newFolderButtonType (newFolderButtonType_)
{
    needChangeParentModal (false);

    if (fileWildcard.trim().isEmpty())
        fileWildcard = "*";

    if (const auto modeFlags = flagsOfMode (browserMode); modeFlags != 0)
        createBrowser (modeFlags, text);
}

MorvidFileBrowser::~MorvidFileBrowser()
{
    stopTimer();
    titleText_.reset();
    okButton_.reset();
    cancelButton_.reset();
    newFolderButton_.reset();
    // The framework browser refers to the filter: it goes first.
    upByBytes_.reset();
    fileBrowser_.reset();
    wildcardFilter_.reset();
    newFolderComponent_.reset();
}

int MorvidFileBrowser::flagsOfMode (int mode)
{
    switch (mode)
    {
        case 1: return Flags::openMode | Flags::canSelectFiles;
        case 2: return Flags::openMode | Flags::canSelectFiles | Flags::canSelectMultipleItems;
        case 3: return Flags::openMode | Flags::canSelectFiles | Flags::canSelectDirectories | Flags::canSelectMultipleItems;
        case 4: return Flags::openMode | Flags::canSelectDirectories;
        case 5: return Flags::saveMode | Flags::canSelectFiles | Flags::warnAboutOverwriting;
        default: return 0;
    }
}

juce::Image MorvidFileBrowser::loadButtonImage (int type) { return MorvidDialogImages::button (type); }

void MorvidFileBrowser::createBrowser (int chooserFlags, const juce::String&)
{
    wildcardFilter_ = std::make_unique<juce::WildcardFileFilter> ((chooserFlags & Flags::canSelectFiles) != 0 ? fileWildcard : juce::String(),
                                                                  (chooserFlags & Flags::canSelectDirectories) != 0 ? "*" : juce::String(),
                                                                  juce::String());

    backgroundImage_ = MorvidDialogImages::browserBackground();
    setSize (325, 454);
    titleImage_ = MorvidDialogImages::browserTitle (titleType);

    titleText_ = std::make_unique<juce::Label> ("titleText_", juce::String());
    addAndMakeVisible (*titleText_);
    titleText_->setJustificationType (juce::Justification::centred);
    titleText_->setColour (juce::Label::textColourId, juce::Colour (211, 211, 211));

    fileBrowser_ = std::make_unique<juce::FileBrowserComponent> (chooserFlags, initialRoot, wildcardFilter_.get(), nullptr);
    upByBytes_ = std::make_unique<UpByBytes> (*fileBrowser_);
    fileBrowser_->setName ("fileBrowser_");
    addAndMakeVisible (*fileBrowser_);
    fileBrowser_->setBounds (12, 59, 300, 275);
    fileBrowser_->addListener (this);
    fileBrowser_->setColour (juce::Label::textColourId, juce::Colour (211, 211, 211));

    // Its own labels ("file:") do not inherit that colour: they take the
    // look-and-feel's, near black on this background.
    for (auto* child : fileBrowser_->getChildren())
        if (auto* label = dynamic_cast<juce::Label*> (child))
            label->setColour (juce::Label::textColourId, juce::Colour (211, 211, 211));

    okButton_ = std::make_unique<Morvid2StateKickButton> ("OK");
    okButton_->setImage (loadButtonImage (okButtonType));
    okButton_->setBounds (179, 336, 132, 51);
    cancelButton_ = std::make_unique<Morvid2StateKickButton> ("CANCEL");
    cancelButton_->setImage (loadButtonImage (cancelButtonType));
    cancelButton_->setBounds (179, 386, 132, 51);

    for (auto* button : { okButton_.get(), cancelButton_.get() })
    {
        addAndMakeVisible (*button);
        button->addListener (this);
    }

    if (browserMode != 5)
        return;

    newFolderButton_ = std::make_unique<Morvid2StateKickButton> ("New Folder");
    newFolderButton_->setImage (loadButtonImage (newFolderButtonType));
    newFolderButton_->setBounds (16, 336, 132, 51);
    addAndMakeVisible (*newFolderButton_);
    newFolderButton_->addListener (this);

    newFolderComponent_ = std::make_unique<MorvidNewFolderComponent> ("newFolderComponent_", fileBrowser_.get(),
                                                                     "Please enter the name of the new folder:");
    addChildComponent (*newFolderComponent_);
    newFolderComponent_->needChangeParentModal (true);
}

void MorvidFileBrowser::show()
{
    // A mode outside 1..5 built nothing to show.
    if (fileBrowser_ == nullptr)
        return;

    MorvidModalPanel::takeFromParent (*this, changeParentModal);
    MorvidModalPanel::enter (*this);

    titleText_->setBoundsRelative (0.0f, 0.01f, 1.0f, 0.1f);

    // Built before its root existed, the framework browser took the root for
    // a file name and settled in the folder above it: the first opening goes
    // where the owner meant, once that folder is there.
    if (! shownBefore && fileBrowser_->getRoot() != initialRoot && initialRoot.isDirectory())
        fileBrowser_->setRoot (initialRoot);
    shownBefore = true;

    fileBrowser_->refresh();
    fileBrowser_->setFileName (juce::String());

    if (browserMode == 5)
        newFolderComponent_->setBounds (0, 0, 325, 454);

    setVisible (true);

    timerCallback();
    startTimer (200);
}

void MorvidFileBrowser::hide()
{
    MorvidModalPanel::leave (*this, changeParentModal);
    setVisible (false);
    stopTimer();
}

void MorvidFileBrowser::setUsable (juce::Button* button, bool usable)
{
    if (button == nullptr)
        return;

    button->setEnabled (usable);
    button->setAlpha (usable ? 1.0f : 0.5f);
}

void MorvidFileBrowser::timerCallback()
{
    if (fileBrowser_ == nullptr)
        return;

    if (browserMode == 1)
        setUsable (okButton_.get(), fileBrowser_->getSelectedFile (0).existsAsFile());
    else if (browserMode == 5)
        setUsable (okButton_.get(), fileBrowser_->currentFileIsValid());
}

void MorvidFileBrowser::buttonClicked (juce::Button* button)
{
    if (button == okButton_.get())
        okButtonClicked();
    else if (button == cancelButton_.get())
        cancelButtonClicked();
    else if (button == newFolderButton_.get())
        createNewFolder();
}

void MorvidFileBrowser::selectionChanged() {}

void MorvidFileBrowser::fileClicked (const juce::File&, const juce::MouseEvent&) {}

void MorvidFileBrowser::fileDoubleClicked (const juce::File&) { okButton_->triggerClick(); }

void MorvidFileBrowser::browserRootChanged (const juce::File&) {}

void MorvidFileBrowser::okButtonClicked() { hide(); }

void MorvidFileBrowser::cancelButtonClicked() { hide(); }

void MorvidFileBrowser::createNewFolder()
{
    if (newFolderComponent_ != nullptr && fileBrowser_->getRoot().isDirectory())
        newFolderComponent_->show();
}

void MorvidFileBrowser::needChangeParentModal (bool shouldChange) { changeParentModal = shouldChange; }

void MorvidFileBrowser::paint (juce::Graphics& g)
{
    g.drawImageAt (backgroundImage_, 0, 0);

    if (titleImage_.isValid())
        g.drawImageAt (titleImage_, 0, 0);
}

bool MorvidFileBrowser::canModalEventBeSentToComponent (const juce::Component* target)
{
    return MorvidModalPanel::letsThrough (*this, target);
}
