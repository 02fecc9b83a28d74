// What the editor does: the 50 ms tick that follows the processor's change
// flags, and the handlers of every control.
#include "PandrelTQ4418AudioProcessorEditor.h"

#include "DefaultApplication.h"
#include "PandrelVersion.h"

#include <MorvidPresetFolder.h>
#include <MorvidPresetSaving.h>
#include <PandrelModulationUpperPanelBinImg.h>
#include <PresetDocument.h>

namespace
{
constexpr const char* productName = "Pandrel TQ4418";

juce::String quoted (const juce::String& text)
{
    return "\"" + text + "\"";
}

// A preset path as the messages show it: readable, whatever its bytes.
juce::String quotedPath (const juce::String& path)
{
    return quoted (MorvidPresetFolder::pathToShow (path));
}
} // namespace

void PandrelTQ4418AudioProcessorEditor::timerCallback()
{
    auto& p = owner();

    // Each flag is cleared before the work it asks for, so a change arriving
    // meanwhile shows on the next tick. Writers raise parametersChanged with
    // the other two, but not always last: any of the three starts a refresh.
    const bool parameters = p.parametersChanged.exchange (false);
    const bool channel = p.channelChanged.exchange (false);
    const bool program = p.programChanged.exchange (false);

    if (parameters || channel || program)
    {
        refreshControls();

        if (channel)
        {
            const bool slotB = currentRecord().activeChannel != 0;
            abButton_->setToggleState (slotB, juce::dontSendNotification);
            showCopyImageForSlot (slotB);
        }

        if (program)
        {
            presetMenuSyncPending_ = true;
            presetMenuSyncCount_ = 0;
        }
        else
        {
            presetMenu_->setPresetHasChanged();
        }
    }

    // A program change, a load or an A/B switch: the menu shows the slot's
    // name and its change mark settles over three ticks. The folder is read
    // once per change (a large one takes a while): the later ticks look the
    // name up in that reading.
    if (presetMenuSyncPending_ && presetMenuSyncCount_ < 3)
    {
        if (presetMenuSyncCount_ == 0 && ! presetMenuIsFresh_)
            presetMenu_->setSelectedFilePath (slotName());
        else
            presetMenu_->setSelectedFilePathInLastBuild (slotName());

        presetMenuIsFresh_ = false;
        presetMenu_->compareAndMarkPreset (&p);
        ++presetMenuSyncCount_;
    }
}

void PandrelTQ4418AudioProcessorEditor::refreshControls()
{
    using namespace ParameterTable;
    auto& p = owner();
    const auto value = [&p] (int index) { return p.getParameter (index); };

    bypassButton_->setToggleState (isOn (value (onBypass)), juce::dontSendNotification);
    // The stepped controls show what the processor plays: the model and the
    // tempo division, not the nearest step.
    typeKnob_->setValue (0.5 * modelIndexFor (value (flangerType)), juce::dontSendNotification);
    rateKnob_->setValue (static_cast<double> (value (rate)), juce::dontSendNotification);
    rateSyncKnob_->setValue (rateSyncKnob_->getInterval() * tempoDivisionFor (value (rateSync)),
                             juce::dontSendNotification);
    showRateKnobForSync();
    depthKnob_->setValue (static_cast<double> (value (depth)), juce::dontSendNotification);
    delayKnob_->setValue (static_cast<double> (value (delay)), juce::dontSendNotification);
    feedbackKnob_->setValue (static_cast<double> (value (feedback)), juce::dontSendNotification);
    mixKnob_->setValue (static_cast<double> (value (mix)), juce::dontSendNotification);
    levelKnob_->setValue (static_cast<double> (value (level)), juce::dontSendNotification);
    stereoSpreadButton_->setToggleState (isOn (value (stereo)), juce::dontSendNotification);
    syncButton_->setToggleState (isOn (value (ParameterTable::sync)), juce::dontSendNotification);
}

void PandrelTQ4418AudioProcessorEditor::showRateKnobForSync()
{
    const float syncValue = owner().getParameter (ParameterTable::sync);
    rateKnob_->setVisible (syncValue == 0.0f);
    rateSyncKnob_->setVisible (syncValue > 0.0f);
}

void PandrelTQ4418AudioProcessorEditor::showCopyImageForSlot (bool slotB)
{
    abCopyButton_->setImage (slotB ? juce::ImageFileFormat::loadFrom (PandrelModulationUpperPanelBinImg::btoa_png,
                                                                     (size_t) PandrelModulationUpperPanelBinImg::btoa_pngSize)
                                   : juce::ImageFileFormat::loadFrom (PandrelModulationUpperPanelBinImg::atob_png,
                                                                     (size_t) PandrelModulationUpperPanelBinImg::atob_pngSize));
}

void PandrelTQ4418AudioProcessorEditor::buttonClicked (juce::Button* button)
{
    using namespace ParameterTable;
    auto& p = owner();
    const auto switchValue = [button] { return button->getToggleState() ? 1.0f : 0.0f; };

    if (button == fileButton_.get())
    {
        showFileMenu();
    }
    else if (button == presetDecButton_.get())
    {
        stepPreset (false);
    }
    else if (button == presetIncButton_.get())
    {
        stepPreset (true);
    }
    else if (button == abButton_.get())
    {
        switchSlot();
    }
    else if (button == abCopyButton_.get())
    {
        copySlot();
    }
    else if (button == bypassButton_.get())
    {
        p.setParameterNotifyingHost (onBypass, switchValue());
    }
    else if (button == stereoSpreadButton_.get())
    {
        p.setParameterNotifyingHost (stereo, switchValue());
    }
    else if (button == syncButton_.get())
    {
        p.setParameterNotifyingHost (ParameterTable::sync, switchValue());
        showRateKnobForSync();
    }
    else if (button == type1ShortcutButton_.get())
    {
        p.setParameterNotifyingHost (flangerType, 0.0f);
    }
    else if (button == type2ShortcutButton_.get())
    {
        p.setParameterNotifyingHost (flangerType, 0.5f);
    }
    else if (button == type3ShortcutButton_.get())
    {
        p.setParameterNotifyingHost (flangerType, 1.0f);
    }
    else if (button == aboutShowButton_.get())
    {
        aboutContainer_->setVersion (juce::String (PandrelVersion::text) + " (64bit)");
        aboutContainer_->show();
    }
}

void PandrelTQ4418AudioProcessorEditor::sliderValueChanged (juce::Slider* slider)
{
    using namespace ParameterTable;
    const std::pair<juce::Slider*, int> bound[] = {
        { typeKnob_.get(), flangerType }, { rateKnob_.get(), rate },         { rateSyncKnob_.get(), rateSync },
        { depthKnob_.get(), depth },      { delayKnob_.get(), delay },       { feedbackKnob_.get(), feedback },
        { mixKnob_.get(), mix },          { levelKnob_.get(), level },
    };

    for (const auto& [knob, index] : bound)
        if (slider == knob)
            owner().setParameterNotifyingHost (index, static_cast<float> (slider->getValue()));
}

void PandrelTQ4418AudioProcessorEditor::labelTextChanged (juce::Label* label)
{
    if (label == presetMenu_.get())
        loadSelectedPreset();
}

void PandrelTQ4418AudioProcessorEditor::stepPreset (bool forward)
{
    // The resync puts the selection back on the slot's file after a file
    // that loaded nothing: step on from that file, or the next step would
    // land on it again and the user could never get past it.
    if (unloadedSelection_.isNotEmpty() && unloadedSlotName_ == slotName())
        presetMenu_->setSelectedFilePathInLastBuild (unloadedSelection_);

    if (forward)
        presetMenu_->nextResult();
    else
        presetMenu_->previousResult();

    loadSelectedPreset();
}

void PandrelTQ4418AudioProcessorEditor::loadSelectedPreset()
{
    auto& p = owner();
    const auto selected = presetMenu_->getSelectedFilePath();
    // A slot keeps only a path the session can store.
    const bool storable = PresetDocument::isStorablePresetPath (selected);
    const int result = storable ? presetMenu_->readPreset (&p, selected) : 0;

    // Only a preset that was applied names the slot; otherwise the slot
    // keeps its name and the resync below shows it again.
    if (result == 1 || result == 4)
    {
        slotName() = selected;
        unloadedSelection_.clear();
    }
    else
    {
        unloadedSelection_ = selected;
        unloadedSlotName_ = slotName();
    }

    if (! storable)
    {
        showMessage (quoted (MorvidPresetFolder::nameToShow (selected, false))
                         + "\ncannot be loaded: its path in the preset folder is longer than "
                         + juce::String (PresetDocument::maxPresetPathBytes) + " bytes.",
                     4);
    }
    else if (result == 4)
    {
        showMessage (quotedPath (selected) + "\nwas made using a newer version of " + productName
                         + ".\nTo use this preset correctly, please install the newest version from: "
                         + downloadAddress,
                     1);
    }
    else if (result == MorvidPresetMenu::cannotBeRead)
    {
        showMessage (quotedPath (selected) + "\ncannot be read, so it cannot be loaded.", 4);
    }
    else if ((result == 0 || result == 2)
             && MorvidPresetFolder::resolveInside (MorvidPresetFolder::getPresetFolder(), selected).existsAsFile())
    {
        showMessage (quotedPath (selected) + (result == 2 ? "\nwas made for another product and cannot be loaded."
                                                          : "\nis not a preset of " + juce::String (productName)
                                                                + " and cannot be loaded."),
                     4);
    }

    p.programChanged.store (true);
    p.parametersChanged.store (true);
    p.updateHostDisplay();
}

void PandrelTQ4418AudioProcessorEditor::switchSlot()
{
    auto& p = owner();
    const bool slotB = abButton_->getToggleState();

    currentRecord().activeChannel = slotB ? 1 : 0;
    presetMenu_->setSelectedFilePath (slotName());
    presetMenuIsFresh_ = true;
    showCopyImageForSlot (slotB);

    // getParameter now reads the newly active slot: its values go to the
    // audio side and the host.
    for (int i = 0; i < ParameterTable::numParameters; ++i)
        p.setParameterNotifyingHost (i, p.getParameter (i));

    p.programChanged.store (true);
    p.parametersChanged.store (true);
    p.updateHostDisplay();
}

void PandrelTQ4418AudioProcessorEditor::copySlot()
{
    auto& program = currentRecord();
    // The slot in use, not the switch: before the first tick the switch may
    // not show it yet.
    const int from = program.activeSlot();

    // The active slot, which the host sees, does not change: no flag, no
    // host update; the names stay.
    program.copySlot (from, 1 - from);
}

void PandrelTQ4418AudioProcessorEditor::showFileMenu()
{
    juce::PopupMenu menu;
    menu.addItem (1, "Save Preset");
    menu.addItem (2, "Save Preset As...");
    menu.addSeparator();
    menu.addItem (3, "User Manual");
    menu.addSeparator();
    menu.addItem (4, "Morvid Website");

    fileMenuIsOpen_ = true;
    menu.showMenuAsync (juce::PopupMenu::Options().withTargetComponent (fileButton_.get()),
                        [safeThis = juce::Component::SafePointer<PandrelTQ4418AudioProcessorEditor> (this)] (int result)
                        {
                            if (auto* editor = safeThis.getComponent())
                            {
                                editor->fileMenuIsOpen_ = false;
                                editor->fileMenuResult (result);
                            }
                        });
}

void PandrelTQ4418AudioProcessorEditor::fileMenuResult (int result)
{
    switch (result)
    {
        case 1: saveOverSlotFile(); break;
        case 2:
            createPresetFolder();
            savePresetBrowser_->show();
            break;
        case 3:
            if (const auto manual = userManual(); manual.existsAsFile())
                DefaultApplication::open (manual.getFullPathName());
            else
                showMessage ("User manual on: " + quoted (manual.getFullPathName()) + " is not available.", 4);
            break;
        case 4: DefaultApplication::open (websiteAddress); break;
        default: break;
    }
}

void PandrelTQ4418AudioProcessorEditor::saveOverSlotFile()
{
    // The slot's name comes from host state too: only an existing preset
    // file inside the preset folder may be overwritten; any other name is
    // saved as a new file through the browser.
    const auto folder = MorvidPresetFolder::getPresetFolder();
    const auto file = MorvidPresetFolder::resolveInside (folder, slotName());

    if (file.existsAsFile() && file.hasFileExtension (MorvidPresetFolder::extension))
    {
        overwritePresetComponent_->presetFile = file;
        overwritePresetComponent_->setTitle (MorvidPresetSaving::overwriteQuestion (file));
        overwritePresetComponent_->show (2, 1);
        return;
    }

    createPresetFolder();
    savePresetBrowser_->show();
}

void PandrelTQ4418AudioProcessorEditor::showMessage (const juce::String& text, int iconType)
{
    alert_->setTitle (text);
    alert_->show (1, iconType);
}
