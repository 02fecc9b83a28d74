#include "MorvidPresetBrowser.h"

#include "MorvidPresetFolder.h"
#include "MorvidPresetSaving.h"
#include "PandrelTQ4418AudioProcessor.h"

#include <algorithm>
#include <cstring>

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

namespace
{
// As MorvidNewFolderComponent::isListableName, on bytes.
bool isListable (const std::string& name)
{
    const auto blank = [] (char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; };
    return ! name.empty() && name.front() != '.' && ! std::all_of (name.begin(), name.end(), blank);
}
} // namespace

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

    // Resolved as the write resolves it (a backslash as "/"), so that the
    // question comes for the file that would be overwritten. The folder's own
    // name typed in the folder above it would be a sibling file: outside.
    const auto target = MorvidPresetFolder::resolveInside (folder, path);

    if (target == juce::File())
        return {};

    // A blank name looks empty in the preset menu and a hidden one is not
    // listed here: neither is saved, nor a folder of such a name made for it.
    // Each part below the folder, from the path's bytes: the framework's walk
    // up a path of bytes that are no UTF-8 may never end.
    const auto full = target.getFullPathName().toStdString();
    auto rest = full.substr (folder.getFullPathName().toStdString().size() + 1);
    rest.resize (rest.size() - std::strlen (MorvidPresetFolder::extension));

    for (std::size_t start = 0; start <= rest.size();)
    {
        const auto end = std::min (rest.find ('/', start), rest.size());
        if (! isListable (rest.substr (start, end - start)))
            return {};
        start = end + 1;
    }

    return target;
}

juce::File MorvidPresetBrowser::brokenFolder() const
{
    const auto folder = MorvidPresetFolder::getPresetFolder();
    const auto shown = fileBrowser_->getRoot();
    return ! folder.isDirectory() ? folder : shown.isDirectory() ? juce::File() : shown;
}

void MorvidPresetBrowser::show()
{
    reportedFolder = juce::File();
    MorvidFileBrowser::show();
}

void MorvidPresetBrowser::timerCallback()
{
    if (browserMode != 5 || fileBrowser_ == nullptr)
        return;

    // Said from the browser itself, not from under a question it has open.
    if (const auto broken = brokenFolder(); broken != reportedFolder && (broken == juce::File() || isCurrentlyModal (false)))
    {
        reportedFolder = broken;
        // The framework keeps listing what was there.
        fileBrowser_->refresh();
        fileBrowser_->getDisplayComponent()->directoryContentsList.sendChangeMessage();

        if (broken != juce::File())
        {
            const auto* why = broken.exists() ? "Can't save here: the folder is a file." : "Can't save here: the folder is missing.";
            alertComponent_->setTitle (why + juce::String ("\n\n\"") + MorvidPresetFolder::pathToShow (broken.getFullPathName()) + "\"");
            alertComponent_->show (1, 4);
        }
    }

    if (reportedFolder != juce::File())
    {
        setUsable (newFolderButton_.get(), false);
        setUsable (okButton_.get(), false);
        return;
    }

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
