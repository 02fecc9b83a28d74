// The kit's file chooser: the framework's file browser framed in the dialog
// artwork, with OK, CANCEL and, in the save mode, New Folder. The mode picks
// the browser's flags; a 200 ms timer keeps OK usable only while the choice
// is. OK only closes the panel here: subclasses give it its meaning.
#pragma once

#include "MorvidNewFolderComponent.h"

class MorvidFileBrowser : public juce::Component,
                          public juce::Button::Listener,
                          public juce::TextEditor::Listener,
                          private juce::FileBrowserListener,
                          public juce::Timer
{
public:
    // Modes: 1 open a file, 2 open files, 3 open files and folders, 4 open a
    // folder, 5 save. Title types: 1 save as, 2 load, 3 import, else none.
    MorvidFileBrowser (const juce::String& name, const juce::String& text, const juce::File& root,
                       const juce::String& wildcard, int mode, int titleType, int okButtonType,
                       int cancelButtonType, int newFolderButtonType);
    ~MorvidFileBrowser() override;

    void timerCallback() override;
    void buttonClicked (juce::Button* button) override;
    virtual void show();
    virtual void hide();
    virtual void createBrowser (int chooserFlags, const juce::String& text);
    void selectionChanged() override;
    void fileClicked (const juce::File& file, const juce::MouseEvent& event) override;
    void fileDoubleClicked (const juce::File& file) override;
    void browserRootChanged (const juce::File& newRoot) override;
    virtual void okButtonClicked();
    virtual void cancelButtonClicked();
    virtual void createNewFolder();
    virtual void needChangeParentModal (bool shouldChange);

    void paint (juce::Graphics& g) override;
    bool canModalEventBeSentToComponent (const juce::Component* target) override;

    static juce::Image loadButtonImage (int type);

protected:
    // The framework browser's flags of a mode; 0 for modes outside 1..5.
    static int flagsOfMode (int mode);
    // OK on (alpha 1) or off (alpha 0.5, disabled); the same for New Folder.
    static void setUsable (juce::Button* button, bool usable);

    juce::String fileWildcard;
    juce::File initialRoot;
    int browserMode = 0;
    int titleType = 0;
    int okButtonType = 1;
    int cancelButtonType = 3;
    int newFolderButtonType = 8;
    bool changeParentModal = false;

    juce::Image backgroundImage_;
    juce::Image titleImage_;

    std::unique_ptr<juce::Label> titleText_;
    std::unique_ptr<Morvid2StateKickButton> okButton_;
    std::unique_ptr<Morvid2StateKickButton> cancelButton_;
    std::unique_ptr<Morvid2StateKickButton> newFolderButton_;
    std::unique_ptr<juce::FileBrowserComponent> fileBrowser_;
    std::unique_ptr<juce::WildcardFileFilter> wildcardFilter_;
    std::unique_ptr<MorvidNewFolderComponent> newFolderComponent_;

private:
    class UpByBytes;
    std::unique_ptr<UpByBytes> upByBytes_;
    bool shownBefore = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MorvidFileBrowser)
};
