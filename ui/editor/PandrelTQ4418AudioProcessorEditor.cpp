#include "PandrelTQ4418AudioProcessorEditor.h"

#include <MorvidPresetFolder.h>
#include <PandrelModulationUpperPanelBinImg.h>
#include <PandrelTQ4418BinImg.h>

namespace
{
juce::Image decode (const char* data, int size)
{
    return juce::ImageFileFormat::loadFrom (data, static_cast<size_t> (size));
}

#define PANDREL_IMAGE(group, name) decode (group::name##_png, group::name##_pngSize)

// The processor's defaults, as the double a double click returns to.
double defaultOf (int index)
{
    return static_cast<double> (ParameterTable::defaultValue (index));
}
} // namespace

juce::AudioProcessorEditor* PandrelTQ4418AudioProcessor::createEditor()
{
    return new PandrelTQ4418AudioProcessorEditor (this);
}

PandrelTQ4418AudioProcessorEditor::PandrelTQ4418AudioProcessorEditor (PandrelTQ4418AudioProcessor* processorToEdit)
    : juce::AudioProcessorEditor (processorToEdit)
{
    using namespace ParameterTable;
    auto& p = owner();

    setLookAndFeel (&lookAndFeel_);
    backgroundImage_ = PANDREL_IMAGE (PandrelTQ4418BinImg, bg_flanger);
    setSize (backgroundImage_.getWidth(), backgroundImage_.getHeight());

    // Children in z-order: each made, added, given its strip, placed, set and
    // listened to.
    auto kickButton = [this] (std::unique_ptr<Morvid2StateKickButton>& member, const char* name,
                              juce::Image strip, juce::Rectangle<int> bounds)
    {
        member = std::make_unique<Morvid2StateKickButton> (name);
        addAndMakeVisible (*member);
        if (strip.isValid())
            member->setImage (strip);
        member->setBounds (bounds);
        member->addListener (this);
    };
    auto toggle = [this] (auto& member, const char* name, juce::Image strip, juce::Rectangle<int> bounds)
    {
        member = std::make_unique<typename std::decay_t<decltype (member)>::element_type> (name);
        addAndMakeVisible (*member);
        member->setImage (strip);
        member->setBounds (bounds);
        member->addListener (this);
    };
    auto knob = [this] (auto& member, const char* name, juce::Image strip, int frames, juce::Rectangle<int> bounds,
                        bool visible)
    {
        member = std::make_unique<typename std::decay_t<decltype (member)>::element_type> (name);
        visible ? addAndMakeVisible (*member) : addChildComponent (*member);
        member->setImage (strip, frames, false);
        member->setBounds (bounds);
        member->addListener (this);
    };

    kickButton (fileButton_, "fileButton_", PANDREL_IMAGE (PandrelModulationUpperPanelBinImg, file), { 6, 3, 58, 26 });
    kickButton (presetDecButton_, "presetDecButton_", PANDREL_IMAGE (PandrelModulationUpperPanelBinImg, left), { 263, 3, 29, 26 });
    kickButton (presetIncButton_, "presetIncButton_", PANDREL_IMAGE (PandrelModulationUpperPanelBinImg, right), { 292, 3, 29, 26 });

    presetMenu_ = std::make_unique<MorvidPresetMenu> ("presetMenu_");
    addAndMakeVisible (*presetMenu_);
    presetMenu_->setDirectoryPath (MorvidPresetFolder::getPresetFolder().getFullPathName());
    presetMenu_->setFileExtension (MorvidPresetFolder::wildcard);
    presetMenu_->setSelectedFilePath (slotName());
    presetMenuIsFresh_ = true;
    presetMenu_->setBounds (67, 3, 192, 26);
    presetMenu_->setColour (juce::Label::textColourId, juce::Colour (0, 0, 0));
    presetMenu_->addListener (this);

    // The A/B switch starts off; the first tick sets it and the copy image.
    abButton_ = std::make_unique<Morvid2StateButton> ("abButton_");
    addAndMakeVisible (*abButton_);
    abButton_->setImage (PANDREL_IMAGE (PandrelModulationUpperPanelBinImg, ab));
    abButton_->setBounds (92, 35, 62, 23);
    abButton_->addListener (this);

    kickButton (abCopyButton_, "abCopyButton_", PANDREL_IMAGE (PandrelModulationUpperPanelBinImg, atob), { 163, 30, 75, 25 });
    toggle (bypassButton_, "bypassButton_", PANDREL_IMAGE (PandrelTQ4418BinImg, bypass), { 222, 354, 90, 99 });
    toggle (stereoSpreadButton_, "stereoSpreadButton_", PANDREL_IMAGE (PandrelModulationUpperPanelBinImg, stereo), { 263, 62, 54, 22 });
    toggle (syncButton_, "syncButton_", PANDREL_IMAGE (PandrelModulationUpperPanelBinImg, sync), { 7, 62, 54, 22 });

    typeKnob_ = std::make_unique<MorvidVerticalSwitch2> ("typeKnob_");
    addAndMakeVisible (*typeKnob_);
    typeKnob_->setImage (PANDREL_IMAGE (PandrelTQ4418BinImg, type), 3);
    typeKnob_->setRange (0.0, 1.0, 0.5);
    typeKnob_->setTextBoxStyle (juce::Slider::NoTextBox, false, 0, 0);
    typeKnob_->setBounds (106, 137, 48, 80);
    typeKnob_->setControllableImageHeight (45);
    typeKnob_->addListener (this);

    kickButton (type1ShortcutButton_, "type1ShortcutButton_", {}, { 160, 135, 39, 10 });
    kickButton (type2ShortcutButton_, "type2ShortcutButton_", {}, { 160, 153, 18, 10 });
    kickButton (type3ShortcutButton_, "type3ShortcutButton_", {}, { 160, 172, 49, 10 });

    knob (rateKnob_, "rateKnob_", PANDREL_IMAGE (PandrelTQ4418BinImg, rate), 101, { 19, 237, 55, 54 }, false);
    rateKnob_->setPopupDisplayEnabled (true, false, this);
    rateKnob_->setDoubleClickReturnValue (true, defaultOf (rate));
    knob (rateSyncKnob_, "rateSyncKnob_", PANDREL_IMAGE (PandrelTQ4418BinImg, rate_sync), 19, { 19, 237, 55, 54 }, false);
    rateSyncKnob_->setPopupDisplayEnabled (true, false, this);
    rateSyncKnob_->setDoubleClickReturnValue (true, defaultOf (rateSync));
    knob (depthKnob_, "depthKnob_", PANDREL_IMAGE (PandrelTQ4418BinImg, depth), 101, { 97, 207, 55, 54 }, true);
    depthKnob_->setDoubleClickReturnValue (true, defaultOf (depth));
    knob (delayKnob_, "delayKnob_", PANDREL_IMAGE (PandrelTQ4418BinImg, delay), 101, { 173, 207, 55, 54 }, true);
    delayKnob_->setPopupDisplayEnabled (true, false, this);
    delayKnob_->setDoubleClickReturnValue (true, defaultOf (delay));
    knob (feedbackKnob_, "feedbackKnob_", PANDREL_IMAGE (PandrelTQ4418BinImg, feedback), 101, { 251, 237, 55, 54 }, true);
    feedbackKnob_->setDoubleClickReturnValue (true, defaultOf (feedback));
    knob (mixKnob_, "mixKnob_", PANDREL_IMAGE (PandrelTQ4418BinImg, mix), 101, { 14, 126, 73, 72 }, true);
    mixKnob_->setDoubleClickReturnValue (true, defaultOf (mix));
    knob (levelKnob_, "levelKnob_", PANDREL_IMAGE (PandrelTQ4418BinImg, level), 101, { 237, 126, 73, 72 }, true);
    levelKnob_->setDoubleClickReturnValue (true, defaultOf (level));

    // Initial values and the visible rate knob, set as every tick sets them
    // (by the rule the processor plays them by), without notification.
    refreshControls();

    kickButton (aboutShowButton_, "aboutShowButton_", {}, { 15, 379, 109, 58 });

    // Panels last, hidden, so an open one lies over every control.
    aboutContainer_ = std::make_unique<MorvidSplashScreen> ("aboutContainer_");
    addChildComponent (*aboutContainer_);
    aboutContainer_->setBounds (0, 0, aboutContainer_->getWidth(), aboutContainer_->getHeight());

    // "Save" browser: save mode, save-as title, save / cancel / new folder strips.
    savePresetBrowser_ = std::make_unique<MorvidPresetBrowser> (
        "savePresetBrowser_", "Save", MorvidPresetFolder::getPresetFolder(), MorvidPresetFolder::wildcard,
        5, 1, 5, 3, 8, &p, presetMenu_.get());
    addChildComponent (*savePresetBrowser_);
    savePresetBrowser_->needChangeParentModal (false);
    savePresetBrowser_->setBounds (0, 0, 325, 454);

    overwritePresetComponent_ = std::make_unique<MorvidOverwriteComponent> ("overwritePresetComponent_", &p,
                                                                            presetMenu_.get());
    addChildComponent (*overwritePresetComponent_);
    overwritePresetComponent_->needChangeParentModal (false);
    overwritePresetComponent_->setBounds (0, 0, 325, 454);

    // The editor's own messages: asterisk icon, OK, CANCEL.
    alert_ = std::make_unique<MorvidAlertComponent> ("alert_", 1, 1, 3);
    addChildComponent (*alert_);
    alert_->needChangeParentModal (false);
    alert_->setBounds (0, 0, 325, 454);

    textFieldFocus_ = std::make_unique<MorvidTextFieldFocus> (*this);

    p.parametersChanged.store (true);
    p.channelChanged.store (true);
    p.programChanged.store (true);
    presetMenuSyncPending_ = true;
    presetMenuSyncCount_ = 0;
    startTimer (50);
}

#undef PANDREL_IMAGE

PandrelTQ4418AudioProcessorEditor::~PandrelTQ4418AudioProcessorEditor()
{
    setLookAndFeel (nullptr);
    stopTimer();

    // A file menu still open would call back into a window that is gone.
    if (fileMenuIsOpen_)
        juce::PopupMenu::dismissAllActiveMenus();
}

void PandrelTQ4418AudioProcessorEditor::paint (juce::Graphics& g)
{
    // Margins a host adds take the colour of the picture's edge.
    if (getLocalBounds() != backgroundImage_.getBounds())
        g.fillAll (backgroundImage_.getPixelAt (0, backgroundImage_.getHeight() / 2));

    g.drawImage (backgroundImage_, pictureOrigin_.x, pictureOrigin_.y, backgroundImage_.getWidth(),
                 backgroundImage_.getHeight(), 0, 0, backgroundImage_.getWidth(), backgroundImage_.getHeight(), false);
}

void PandrelTQ4418AudioProcessorEditor::resized()
{
    const juce::Point<int> origin { juce::jmax (0, (getWidth() - backgroundImage_.getWidth()) / 2),
                                    juce::jmax (0, (getHeight() - backgroundImage_.getHeight()) / 2) };
    const auto shift = origin - pictureOrigin_;
    pictureOrigin_ = origin;

    if (shift.isOrigin())
        return;

    for (auto* child : getChildren())
        child->setTopLeftPosition (child->getPosition() + shift);
}

PandrelTQ4418AudioProcessor& PandrelTQ4418AudioProcessorEditor::owner()
{
    return static_cast<PandrelTQ4418AudioProcessor&> (processor);
}

ProgramRecord& PandrelTQ4418AudioProcessorEditor::currentRecord()
{
    auto& p = owner();
    return p.programs[juce::jlimit (0, ProgramTable::numPrograms - 1, p.currentProgram.load())];
}

juce::String& PandrelTQ4418AudioProcessorEditor::slotName()
{
    auto& program = currentRecord();
    return program.name[program.activeSlot()];
}

juce::File PandrelTQ4418AudioProcessorEditor::userManual()
{
    return MorvidPresetFolder::getAudioMusicAppsFolder()
        .getChildFile ("Morvid/User Manuals")
        .getChildFile ("PandrelTQ4418 Manual.pdf");
}

void PandrelTQ4418AudioProcessorEditor::createPresetFolder()
{
    const auto folder = MorvidPresetFolder::getPresetFolder();
    if (! folder.isDirectory())
        folder.createDirectory();
}
