#pragma once
// Helpers for the dialog panel tests: an editor-sized parent to put panels
// on, the panels' children by name, the message loop pumped where a click is
// posted or a folder is scanned, and snapshots written as PNGs to look at.
#include <PandrelTQ4418BinImg.h>

#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <cmath>
#include <functional>

namespace juce
{
bool dispatchNextMessageOnSystemQueue (bool returnIfNoPendingMessages); // JUCE's own pump
}

namespace paneltest
{
// The editor's size, picture and look-and-feel; panels are added hidden over
// all of it.
struct Editor : juce::Component
{
    Editor()
    {
        setLookAndFeel (&lookAndFeel);
        setSize (325, 454);
        background = juce::ImageFileFormat::loadFrom (PandrelTQ4418BinImg::bg_flanger_png,
                                                      (size_t) PandrelTQ4418BinImg::bg_flanger_pngSize);
    }
    ~Editor() override { setLookAndFeel (nullptr); }
    void paint (juce::Graphics& g) override { g.drawImageAt (background, 0, 0); }

    template <typename Panel>
    Panel& add (Panel& panel)
    {
        addChildComponent (panel);
        panel.setBounds (getLocalBounds());
        return panel;
    }

    juce::LookAndFeel_V3 lookAndFeel;
    juce::Image background;
};

inline void pump()
{
    while (juce::dispatchNextMessageOnSystemQueue (true))
    {
    }
}

// Runs posted messages and timers until `done` holds; false after `limitMs`.
inline bool pumpUntil (const std::function<bool()>& done, int limitMs = 5000)
{
    for (const auto start = juce::Time::getMillisecondCounter();; juce::Thread::sleep (1))
    {
        pump();
        if (done())
            return true;
        if (juce::Time::getMillisecondCounter() - start > (juce::uint32) limitMs)
            return false;
    }
}

// A direct child by component name (several panels have an "OK").
template <typename T = juce::Component>
T& child (juce::Component& parent, const juce::String& name)
{
    for (auto* c : parent.getChildren())
        if (c->getName() == name)
            if (auto* t = dynamic_cast<T*> (c))
                return *t;
    throw std::runtime_error (("no child " + name).toStdString());
}

// A click as a user makes it: posted, then handled by the message loop.
inline void click (juce::Component& panel, const juce::String& buttonName)
{
    child<juce::Button> (panel, buttonName).triggerClick();
    pump();
}

// A button's state as the panels' timers set it; alpha is kept in eight bits.
inline bool usable (juce::Component& button) { return button.isEnabled() && button.getAlpha() == 1.0f; }
inline bool unusable (juce::Component& button) { return ! button.isEnabled() && std::abs (button.getAlpha() - 0.5f) < 0.01f; }

// Clicks the button once the panel's timer has made it usable; false if it
// never became so.
inline bool clickWhenUsable (juce::Component& panel, const juce::String& buttonName)
{
    if (! pumpUntil ([&] { return usable (child (panel, buttonName)); }))
        return false;
    click (panel, buttonName);
    return true;
}

inline bool isOpen (juce::Component& panel) { return panel.isVisible() && panel.isCurrentlyModal (false); }

inline int modalCount() { return juce::ModalComponentManager::getInstance()->getNumModalComponents(); }

inline bool sameImage (const juce::Image& a, const juce::Image& b, juce::Rectangle<int> area)
{
    for (int y = area.getY(); y < area.getBottom(); ++y)
        for (int x = area.getX(); x < area.getRight(); ++x)
            if (a.getPixelAt (x, y) != b.getPixelAt (x, y))
                return false;
    return true;
}

// Renders the component with its children (no display needed) and writes it
// beside the test program.
inline juce::Image snapshot (juce::Component& component, const juce::String& fileName)
{
    const auto picture = component.createComponentSnapshot (component.getLocalBounds());
    const auto file = juce::File::getCurrentWorkingDirectory().getChildFile (fileName);
    file.deleteFile();
    juce::FileOutputStream stream (file);
    EXPECT_TRUE (juce::PNGImageFormat().writeImageToStream (picture, stream)) << fileName;
    return picture;
}
} // namespace paneltest
