#include "MorvidPresetBrowser.h"

#include "MorvidPresetFolder.h"
#include "MorvidPresetSaving.h"
#include "PandrelTQ4418AudioProcessor.h"

MorvidPresetBrowser::MorvidPresetBrowser (const juce::String& name, const juce::String& text, const juce::File& root,
                                          const juce::String& wildcard, int mode, int titleType_, int okButtonType_,
                                          int cancelButtonType_, int newFolderButtonType_,
                                          PandrelTQ4418AudioProcessor* processor_, MorvidPresetMenu* presetMenu_)
    : MorvidFileBrowser (name, text, root, wildcard, mode, titleType_, okButtonType_, cancelButtonType_, newFolderButtonType_),
      presetMenu (presetMenu_),
      processor (processor_)
{
    overwriteComponent_ = std::make_unique<MorvidOverwriteComponent2> ("overwriteComponent_", processor, presetMenu);
    addChildComponent (*overwriteComponent_);
    overwriteComponent_->needChangeParentModal (true);

    alertComponent_ = std::make_unique<MorvidAlertComponent> ("alertComponent_", 4, 1, 3);
    addChildComponent (*alertComponent_);
    alertComponent_->setBounds (0, 0, 325, 454);
    alertComponent_->needChangeParentModal (true);
}

MorvidPresetBrowser::~MorvidPresetBrowser() = default;

juce::File MorvidPresetBrowser::saveTarget() const
{
    if (fileBrowser_ == nullptr)
        return {};

    const auto folder = MorvidPresetFolder::getPresetFolder();
    const auto selected = fileBrowser_->getSelectedFile (0);
    auto path = selected.getFullPathName();

    if (! MorvidPresetFolder::isFolderOrInside (folder, selected) || path.isEmpty()
        || path == fileBrowser_->getRoot().getFullPathName())
        return {};

    if (! path.endsWith (MorvidPresetFolder::extension))
        path += MorvidPresetFolder::extension;

    // The folder's own name typed in the folder above it would become a
    // sibling file "<folder>.mdtz".
    const auto target = juce::File::createFileWithoutCheckingPath (path); // parsed once already
    return MorvidPresetFolder::isInside (folder, target) ? target : juce::File();
}

void MorvidPresetBrowser::timerCallback()
{
    if (browserMode != 5 || fileBrowser_ == nullptr)
        return;

    const auto inside = MorvidPresetFolder::isFolderOrInside (MorvidPresetFolder::getPresetFolder(),
                                                              fileBrowser_->getSelectedFile (0));
    setUsable (newFolderButton_.get(), inside);
    setUsable (okButton_.get(), inside && fileBrowser_->currentFileIsValid() && saveTarget() != juce::File());
}

void MorvidPresetBrowser::okButtonClicked()
{
    if (browserMode != 5)
        return;

    savePreset();

    if (processor != nullptr)
        processor->updateHostDisplay();
}

void MorvidPresetBrowser::cancelButtonClicked() { hide(); }

void MorvidPresetBrowser::savePreset()
{
    if (presetMenu == nullptr || processor == nullptr)
        return;

    const auto target = saveTarget();

    if (target == juce::File())
        return;

    if (target.existsAsFile())
    {
        overwriteComponent_->setBounds (0, 0, 325, 454);
        overwriteComponent_->presetFile = target;
        overwriteComponent_->setTitle (MorvidPresetSaving::overwriteQuestion (target));
        overwriteComponent_->show (2, 1);
        return;
    }

    if (! MorvidPresetSaving::save (*processor, *presetMenu, target, *alertComponent_))
        return;

    fileBrowser_->refresh();
    hide();
}
