// About panel: the about picture with the version written onto it. Created
// hidden; modal while shown; a click anywhere closes it.
#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

class MorvidSplashScreen : public juce::Component
{
public:
    explicit MorvidSplashScreen (const juce::String& name);
    ~MorvidSplashScreen() override;

    void setVersion (const juce::String& text);

    void mouseDown (const juce::MouseEvent& event) override;
    void paint (juce::Graphics& g) override;
    bool canModalEventBeSentToComponent (const juce::Component* target) override;

    virtual void show();
    virtual void hide();

private:
    juce::Image aboutImage;
    std::unique_ptr<juce::Label> versionLabel_;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MorvidSplashScreen)
};
