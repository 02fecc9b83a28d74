// Asks for a folder name and makes that folder in the current folder of a
// file browser; errors come up in its own alert, nested over it.
#pragma once

#include "MorvidAlertComponent.h"

class MorvidNewFolderComponent : public juce::Component,
                                 public juce::Button::Listener,
                                 public juce::TextEditor::Listener,
                                 public juce::Timer
{
public:
    MorvidNewFolderComponent (const juce::String& name, juce::FileBrowserComponent* browser, const juce::String& prompt);
    ~MorvidNewFolderComponent() override;

    void buttonClicked (juce::Button* button) override;
    // Keeps OK usable only while a listable name is typed.
    void timerCallback() override;
    virtual void needChangeParentModal (bool shouldChange);
    virtual void show();
    virtual void hide();
    void textEditorTextChanged (juce::TextEditor&) override;
    void textEditorReturnKeyPressed (juce::TextEditor&) override;
    void textEditorEscapeKeyPressed (juce::TextEditor&) override;
    void textEditorFocusLost (juce::TextEditor&) override;

    void paint (juce::Graphics& g) override;
    bool canModalEventBeSentToComponent (const juce::Component* target) override;

    // A name the browser lists and shows: not blank, not hidden (".name").
    static bool isListableName (const juce::String& name);

protected:
    void createFolder();

    juce::Image backgroundImage_;
    bool changeParentModal = false;

    std::unique_ptr<juce::Label> titleText_;
    std::unique_ptr<juce::TextEditor> textEditor_;
    std::unique_ptr<Morvid2StateKickButton> okButton_;
    std::unique_ptr<Morvid2StateKickButton> cancelButton_;
    std::unique_ptr<MorvidAlertComponent> alertComponent_;

    juce::FileBrowserComponent* fileBrowser = nullptr;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MorvidNewFolderComponent)
};
