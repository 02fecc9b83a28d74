#pragma once

#include "PandrelTQ4418AudioProcessor.h"

#include <Morvid2StateButton.h>
#include <Morvid2StateKickButton.h>
#include <Morvid4StateButton3PDT.h>
#include <MorvidAlertComponent.h>
#include <MorvidDelay10MSKnob.h>
#include <MorvidKnob.h>
#include <MorvidModDelayFreq20HzMaxLog10Knob.h>
#include <MorvidModDelaySyncKnob.h>
#include <MorvidOverwriteComponent.h>
#include <MorvidPresetBrowser.h>
#include <MorvidPresetMenu.h>
#include <MorvidSplashScreen.h>
#include <MorvidTextFieldFocus.h>
#include <MorvidVerticalSwitch2.h>

#include <memory>

// The plug-in's window: the kit's image-strip controls laid over the
// background picture at fixed places, each bound to a parameter, with the
// preset menu, A/B slots, the file menu and the panels. It follows the
// processor on a 50 ms timer that polls the processor's change flags; the
// processor never calls it.
class PandrelTQ4418AudioProcessorEditor : public juce::AudioProcessorEditor,
                                          public juce::Timer,
                                          public juce::Button::Listener,
                                          public juce::Slider::Listener,
                                          public juce::Label::Listener
{
public:
    explicit PandrelTQ4418AudioProcessorEditor (PandrelTQ4418AudioProcessor* processorToEdit);
    ~PandrelTQ4418AudioProcessorEditor() override;

    void paint (juce::Graphics& g) override;
    // A host may make the window larger than the picture (a minimum width
    // of its own): the picture and every child then sit in its middle.
    void resized() override;

    void timerCallback() override;
    void buttonClicked (juce::Button* button) override;
    void sliderValueChanged (juce::Slider* slider) override;
    void labelTextChanged (juce::Label* label) override;

    // 1 "Save Preset", 2 "Save Preset As...", 3 "User Manual",
    // 4 "Morvid Website"; anything else does nothing.
    void fileMenuResult (int result);
    void createPresetFolder();

    // Where the file menu's items lead.
    static juce::File userManual();
    static constexpr const char* websiteAddress = "https://www.example.com/morvid";
    static constexpr const char* downloadAddress = "https://www.example.com/morvid/download";

private:
    PandrelTQ4418AudioProcessor& owner();
    // The current program's record, and the preset name of its active slot.
    ProgramRecord& currentRecord();
    juce::String& slotName();
    void refreshControls();
    void showRateKnobForSync();
    void showCopyImageForSlot (bool slotB);
    void stepPreset (bool forward);
    void loadSelectedPreset();
    void showFileMenu();
    void switchSlot();
    void copySlot();
    void saveOverSlotFile();
    void showMessage (const juce::String& text, int iconType);

    juce::LookAndFeel_V3 lookAndFeel_;
    juce::Image backgroundImage_;
    bool presetMenuSyncPending_ = false;
    int presetMenuSyncCount_ = 0;
    // The preset menu's tree was read for the change the resync is about.
    bool presetMenuIsFresh_ = false;
    // The last selection that loaded nothing, and the slot's name it left
    // in place: stepping goes on from there, not from the slot's file.
    juce::String unloadedSelection_;
    juce::String unloadedSlotName_;
    bool fileMenuIsOpen_ = false;
    juce::Point<int> pictureOrigin_;

    // Owning pointers in this order: the panels go before the preset menu
    // they point to.
    std::unique_ptr<Morvid2StateKickButton> fileButton_;
    std::unique_ptr<Morvid2StateKickButton> presetDecButton_;
    std::unique_ptr<Morvid2StateKickButton> presetIncButton_;
    std::unique_ptr<MorvidPresetMenu> presetMenu_;
    std::unique_ptr<Morvid2StateButton> abButton_;
    std::unique_ptr<Morvid2StateKickButton> abCopyButton_;
    std::unique_ptr<Morvid4StateButton3PDT> bypassButton_;
    std::unique_ptr<MorvidVerticalSwitch2> typeKnob_;
    std::unique_ptr<MorvidModDelayFreq20HzMaxLog10Knob> rateKnob_;
    std::unique_ptr<MorvidModDelaySyncKnob> rateSyncKnob_;
    std::unique_ptr<MorvidKnob> depthKnob_;
    std::unique_ptr<MorvidDelay10MSKnob> delayKnob_;
    std::unique_ptr<MorvidKnob> feedbackKnob_;
    std::unique_ptr<MorvidKnob> mixKnob_;
    std::unique_ptr<MorvidKnob> levelKnob_;
    std::unique_ptr<Morvid2StateButton> stereoSpreadButton_;
    std::unique_ptr<Morvid2StateButton> syncButton_;
    std::unique_ptr<Morvid2StateKickButton> type1ShortcutButton_;
    std::unique_ptr<Morvid2StateKickButton> type2ShortcutButton_;
    std::unique_ptr<Morvid2StateKickButton> type3ShortcutButton_;
    std::unique_ptr<MorvidPresetBrowser> savePresetBrowser_;
    std::unique_ptr<MorvidOverwriteComponent> overwritePresetComponent_;
    std::unique_ptr<MorvidAlertComponent> alert_;
    std::unique_ptr<Morvid2StateKickButton> aboutShowButton_;
    std::unique_ptr<MorvidSplashScreen> aboutContainer_;
    juce::TooltipWindow tooltipWindow_ { nullptr, 700 };
    // Last, so it goes first: it watches every child.
    std::unique_ptr<MorvidTextFieldFocus> textFieldFocus_;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PandrelTQ4418AudioProcessorEditor)
};
