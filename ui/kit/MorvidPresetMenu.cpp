#include "MorvidPresetMenu.h"

#include "FileReplacement.h"
#include "MorvidPresetFolder.h"
#include "PandrelTQ4418AudioProcessor.h"
#include "PresetDocument.h"
#include "PresetDocumentGuard.h"

namespace
{
// What the processor's preset reader accepts as one of this plug-in's presets.
bool isPresetOfThisPlugin (const juce::XmlElement* doc)
{
    if (doc == nullptr || ! doc->hasTagName (PresetDocument::rootTag))
        return false;

    const auto* properties = doc->getChildByName (PresetDocument::propertiesTag);
    return properties != nullptr && PresetDocument::attributeAt (*properties, 0) == PresetDocument::productId;
}
} // namespace

MorvidPresetMenu::MorvidPresetMenu (const juce::String& name) : MorvidOptionMenuTree (name) {}

MorvidPresetMenu::~MorvidPresetMenu() = default;

void MorvidPresetMenu::setSelectedFilePath (juce::String relativePath)
{
    showSelection (selectPath (relativePath));
}

void MorvidPresetMenu::setSelectedFilePathInLastBuild (const juce::String& relativePath)
{
    showSelection (selectPath (relativePath, true));
}

void MorvidPresetMenu::showSelection (bool found)
{
    markedAsChange = ! found;

    // A preset that is no file (a fresh program's "Init.mdtz", say) shows
    // marked: nothing on disk holds these settings.
    if (! found)
        setText (getText() + "*", juce::dontSendNotification);
}

void MorvidPresetMenu::setSelectedFileIndex (int itemId)
{
    if (selectIndex (itemId))
        markedAsChange = false;
}

void MorvidPresetMenu::applyMenuPick (int itemId, const MenuContents& shown)
{
    juce::Component::SafePointer<MorvidPresetMenu> safeThis (this);
    MorvidOptionMenuTree::applyMenuPick (itemId, shown);

    // A listener may have deleted the menu while it was told of the pick.
    if (safeThis != nullptr && itemId >= 1 && itemId <= shown.filePaths.size())
        markedAsChange = false;
}

void MorvidPresetMenu::setPresetHasChanged()
{
    if (markedAsChange)
        return;

    setText (getText() + "*", juce::dontSendNotification);
    markedAsChange = true;
}

void MorvidPresetMenu::setMarkedAsChange (bool isMarked) { markedAsChange = isMarked; }

void MorvidPresetMenu::compareAndMarkPreset (PandrelTQ4418AudioProcessor* processor)
{
    const auto file = resolve (getSelectedFilePath());

    if (processor == nullptr || ! file.existsAsFile())
        return;

    presetXml = PresetDocumentGuard::parseFile (file);

    // A file that does not parse, or is some other document, holds none of
    // the current settings.
    if (! isPresetOfThisPlugin (presetXml.get()))
    {
        presetXml.reset();
        setPresetHasChanged();
        return;
    }

    if (processor->comparePreset (std::move (presetXml)))
        setPresetHasChanged();
}

int MorvidPresetMenu::readPreset (PandrelTQ4418AudioProcessor* processor, juce::String path)
{
    const auto file = resolve (path);

    if (processor == nullptr || ! file.existsAsFile())
        return 0;

    bool unreadable = false;
    presetXml = PresetDocumentGuard::parseFile (file, unreadable);
    return unreadable ? cannotBeRead : processor->readPreset (std::move (presetXml), true);
}

bool MorvidPresetMenu::writePreset (PandrelTQ4418AudioProcessor* processor, juce::String path)
{
    const auto target = resolve (path);

    if (processor == nullptr || target == juce::File() || target.isDirectory()
        || ! target.hasFileExtension (MorvidPresetFolder::extension))
        return false;

    const auto written = MorvidPresetFolder::createParentFolder (target)
                         && writeDocument (processor->writePreset (true), target);

    setSelectedFilePath (MorvidPresetFolder::relativePath (getRootFolder(), target));

    if (! written)
        setPresetHasChanged();

    return written;
}

bool MorvidPresetMenu::writeDocument (const juce::XmlElement& document, const juce::File& target)
{
    juce::MemoryOutputStream text;
    juce::XmlElement::TextFormat format;
    format.customEncoding = "UTF-8";
    format.lineWrapLength = 60;
    document.writeTo (text, format);

    // A failed or short write (or a crash) leaves any earlier file as it
    // was, and no empty or partial preset.
    return FileReplacement::replaceWith (target, text.getMemoryBlock());
}

juce::File MorvidPresetMenu::resolve (const juce::String& path) const
{
    return MorvidPresetFolder::resolveInside (getRootFolder(), path);
}
