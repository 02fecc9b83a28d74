// The window as built: every child in its place and z-order, with its strip
// and the processor's value, and each control bound to its parameter.
#include "EditorFixture.h"
#include "FlatStrips.h"

#include <PandrelModulationUpperPanelBinImg.h>

#include <thread>

namespace
{
struct Place
{
    const char* name;
    juce::Rectangle<int> bounds;
    int frames; // of a knob or the switch; 0 for the others
};

// Z-order, bottom first.
const Place layout[] = {
    { "fileButton_", { 6, 3, 58, 26 }, 0 },         { "presetDecButton_", { 263, 3, 29, 26 }, 0 },
    { "presetIncButton_", { 292, 3, 29, 26 }, 0 },  { "presetMenu_", { 67, 3, 192, 26 }, 0 },
    { "abButton_", { 92, 35, 62, 23 }, 0 },         { "abCopyButton_", { 163, 30, 75, 25 }, 0 },
    { "bypassButton_", { 222, 354, 90, 99 }, 0 },   { "stereoSpreadButton_", { 263, 62, 54, 22 }, 0 },
    { "syncButton_", { 7, 62, 54, 22 }, 0 },        { "typeKnob_", { 106, 137, 48, 80 }, 3 },
    { "type1ShortcutButton_", { 160, 135, 39, 10 }, 0 }, { "type2ShortcutButton_", { 160, 153, 18, 10 }, 0 },
    { "type3ShortcutButton_", { 160, 172, 49, 10 }, 0 }, { "rateKnob_", { 19, 237, 55, 54 }, 101 },
    { "rateSyncKnob_", { 19, 237, 55, 54 }, 19 },   { "depthKnob_", { 97, 207, 55, 54 }, 101 },
    { "delayKnob_", { 173, 207, 55, 54 }, 101 },    { "feedbackKnob_", { 251, 237, 55, 54 }, 101 },
    { "mixKnob_", { 14, 126, 73, 72 }, 101 },       { "levelKnob_", { 237, 126, 73, 72 }, 101 },
    { "aboutShowButton_", { 15, 379, 109, 58 }, 0 },
};

// Then the panels, in this order.
const char* const panels[] = { "aboutContainer_", "savePresetBrowser_", "overwritePresetComponent_", "alert_" };
} // namespace

TEST_F (EditorTest, EveryChildInItsPlaceAndOrderWithItsStripAndValue)
{
    // Type 0.2 plays Type 2 and a sync value of 0.3 the division ceil(5.4) = 6:
    // the controls show what plays, not the nearest step.
    const float values[] = { 0.0f, 0.2f, 0.3f, 0.3f, 0.4f, 0.6f, 0.7f, 0.8f, 0.9f, 1.0f, 1.0f };
    for (int i = 0; i < 11; ++i)
        processor->setParameter (i, values[i]);
    auto& e = open();

    EXPECT_EQ (e.getWidth(), 325);
    EXPECT_EQ (e.getHeight(), 454);
    const auto children = e.getChildren();
    ASSERT_EQ (children.size(), (int) (std::size (layout) + std::size (panels)));
    for (size_t i = 0; i < std::size (layout); ++i)
    {
        SCOPED_TRACE (layout[i].name);
        EXPECT_EQ (children[(int) i]->getName(), layout[i].name);
        EXPECT_EQ (children[(int) i]->getBounds(), layout[i].bounds);
        const bool rate = juce::String (layout[i].name) == "rateKnob_";
        EXPECT_EQ (children[(int) i]->isVisible(), ! rate); // sync is on
        if (auto* knob = dynamic_cast<MorvidKnob*> (children[(int) i]))
        {
            EXPECT_EQ (knob->getNumberOfFrames(), layout[i].frames);
        }
    }
    EXPECT_EQ (child<MorvidVerticalSwitch2> ("typeKnob_").getNumberOfFrames(), 3);

    EXPECT_FALSE (child<juce::Button> ("bypassButton_").getToggleState());
    EXPECT_TRUE (child<juce::Button> ("stereoSpreadButton_").getToggleState());
    EXPECT_TRUE (child<juce::Button> ("syncButton_").getToggleState());
    EXPECT_FALSE (child<juce::Button> ("abButton_").getToggleState());
    EXPECT_EQ (child<juce::Slider> ("typeKnob_").getValue(), 0.5);
    EXPECT_EQ (child<juce::Slider> ("rateSyncKnob_").getValue(), 6 * (double) (1.0f / 18.1f));
    EXPECT_EQ (child<juce::Slider> ("mixKnob_").getValue(), (double) 0.8f);
    EXPECT_EQ (child<juce::Label> ("presetMenu_").getText(), "Init*"); // no such file
    EXPECT_EQ (child<juce::Label> ("presetMenu_").findColour (juce::Label::textColourId), juce::Colour (0, 0, 0));

    // The switch: three positions, no text box (editable, 0 x 0), 45 pixels
    // of travel on its 80.
    auto& type = child<juce::Slider> ("typeKnob_");
    EXPECT_EQ (type.getInterval(), 0.5);
    EXPECT_EQ (type.getTextBoxPosition(), juce::Slider::NoTextBox);
    EXPECT_TRUE (type.isTextBoxEditable());
    EXPECT_EQ (type.getTextBoxWidth(), 0);
    EXPECT_DOUBLE_EQ (type.valueToProportionOfLength (1.0), 1.0 - 45.0 / 80.0);
    EXPECT_FALSE (type.isDoubleClickReturnEnabled());
    EXPECT_EQ (child<juce::Slider> ("rateKnob_").getDoubleClickReturnValue(), 0.20000000298023224);
    EXPECT_EQ (child<juce::Slider> ("rateSyncKnob_").getDoubleClickReturnValue(), 0.1666666716337204);
    EXPECT_EQ (child<juce::Slider> ("delayKnob_").getDoubleClickReturnValue(), 0.0);

    // Panels last, hidden; the about panel one row taller than the window.
    for (size_t i = 0; i < std::size (panels); ++i)
    {
        auto* panel = children[(int) (std::size (layout) + i)];
        EXPECT_EQ (panel->getName(), panels[i]);
        EXPECT_EQ (panel->getBounds(), juce::Rectangle<int> (0, 0, 325, i == 0 ? 455 : 454));
        EXPECT_FALSE (panel->isVisible()) << panels[i];
    }
    EXPECT_TRUE (sent.empty());
}

TEST_F (EditorTest, ControlsSendTheirParameterAndFollowTheHostWithoutEcho)
{
    auto& e = open();
    tick();

    const std::pair<const char*, double> turns[] = { { "typeKnob_", 1.0 },  { "rateKnob_", 0.25 },    { "depthKnob_", 0.75 },
                                                     { "delayKnob_", 0.5 }, { "feedbackKnob_", 0.1 }, { "mixKnob_", 0.3 },
                                                     { "levelKnob_", 0.9 } };
    const int indices[] = { 1, 2, 4, 5, 6, 7, 8 };
    for (size_t i = 0; i < std::size (turns); ++i)
    {
        sent.clear();
        child<juce::Slider> (turns[i].first).setValue (turns[i].second, juce::sendNotificationSync);
        EXPECT_EQ (sent, (std::vector<std::pair<int, float>> { { indices[i], (float) turns[i].second } })) << turns[i].first;
    }

    // Switches and hot spots, clicked as a user clicks.
    const std::tuple<const char*, int, float> clicks[] = {
        { "bypassButton_", 0, 0.0f },        { "stereoSpreadButton_", 9, 1.0f }, { "syncButton_", 10, 1.0f },
        { "type1ShortcutButton_", 1, 0.0f }, { "type2ShortcutButton_", 1, 0.5f }, { "type3ShortcutButton_", 1, 1.0f },
    };
    for (auto [name, index, value] : clicks)
    {
        sent.clear();
        paneltest::click (e, name);
        EXPECT_EQ (sent, (std::vector<std::pair<int, float>> { { index, value } })) << name;
    }
    // Sync swaps the rate knobs at once; the sync knob sends its own steps.
    EXPECT_TRUE (child<juce::Slider> ("rateSyncKnob_").isVisible());
    EXPECT_FALSE (child<juce::Slider> ("rateKnob_").isVisible());
    sent.clear();
    child<juce::Slider> ("rateSyncKnob_").setValue (0.5, juce::sendNotificationSync);
    EXPECT_EQ (sent, (std::vector<std::pair<int, float>> { { 3, (float) (9 * (double) (1.0f / 18.1f)) } }));

    // The host moves everything from its own thread; the next tick shows it,
    // marks the preset as changed and sends nothing back.
    tick();
    sent.clear();
    std::thread host ([this] {
        const float values[] = { 1.0f, 0.2f, 0.6f, 0.05f, 0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.0f, 0.0f };
        for (int i = 0; i < 11; ++i)
            processor->setParameter (i, values[i]);
    });
    host.join();
    tick();
    EXPECT_TRUE (sent.empty());
    EXPECT_TRUE (child<juce::Button> ("bypassButton_").getToggleState());
    EXPECT_EQ (child<juce::Slider> ("typeKnob_").getValue(), 0.5);
    EXPECT_EQ (child<juce::Slider> ("rateKnob_").getValue(), (double) 0.6f);
    EXPECT_EQ (child<juce::Slider> ("rateSyncKnob_").getValue(), (double) (1.0f / 18.1f));
    EXPECT_EQ (child<juce::Slider> ("levelKnob_").getValue(), (double) 0.5f);
    EXPECT_TRUE (child<juce::Slider> ("rateKnob_").isVisible());
    EXPECT_FALSE (child<juce::Slider> ("rateSyncKnob_").isVisible());
    EXPECT_TRUE (child<juce::Label> ("presetMenu_").getText().endsWith ("*"));
}

TEST_F (EditorTest, SlotsSwitchAndCopyAndAProgramWithSlotBShowsOnTheNextTick)
{
    auto& p = *processor;
    p.programs[0].values[1][7] = 0.9f;
    p.programs[0].name[1] = "B.mdtz";
    preset ("B.mdtz", "not a preset");
    auto& e = open();
    tick();

    // The copy button's resting frame is the first of the A-to-B or the
    // B-to-A strip.
    const auto strip = [] (bool slotB)
    {
        using namespace PandrelModulationUpperPanelBinImg;
        return juce::ImageFileFormat::loadFrom (slotB ? btoa_png : atob_png, (size_t) (slotB ? btoa_pngSize : atob_pngSize));
    };
    const auto copyShows = [this, &strip] (bool slotB)
    {
        auto& copy = child<juce::Button> ("abCopyButton_");
        // A click flashes the button down until it has been painted once.
        copy.createComponentSnapshot (copy.getLocalBounds());
        paneltest::pumpUntil ([&copy] { return copy.getState() == juce::Button::buttonNormal; });
        return paneltest::sameImage (copy.createComponentSnapshot (copy.getLocalBounds()), strip (slotB), { 0, 0, 75, 25 });
    };
    EXPECT_TRUE (copyShows (false));
    sent.clear();
    paneltest::click (e, "abButton_");
    EXPECT_EQ (program().activeChannel, 1);
    EXPECT_EQ (sent.size(), 11u); // every value of slot B to the host
    EXPECT_EQ (sent[7], std::make_pair (7, 0.9f));
    EXPECT_TRUE (copyShows (true));
    tick();
    EXPECT_EQ (child<juce::Slider> ("mixKnob_").getValue(), (double) 0.9f);
    EXPECT_EQ (child<juce::Label> ("presetMenu_").getText(), "B*"); // the file holds other settings

    // Copy B over A: nothing sent, names kept.
    sent.clear();
    paneltest::click (e, "abCopyButton_");
    EXPECT_TRUE (sent.empty());
    EXPECT_EQ (program().values[0][7], 0.9f);
    EXPECT_EQ (program().name[0], "Init.mdtz");
    paneltest::click (e, "abButton_");
    EXPECT_EQ (program().activeChannel, 0);
    EXPECT_TRUE (copyShows (false));

    // The host switches to a program whose slot B is active.
    p.programs[4].activeChannel = 1;
    p.programs[4].values[1][4] = 0.65f;
    std::thread host ([&p] { p.setCurrentProgram (4); });
    host.join();
    tick();
    EXPECT_TRUE (child<juce::Button> ("abButton_").getToggleState());
    EXPECT_TRUE (copyShows (true));
    EXPECT_EQ (child<juce::Slider> ("depthKnob_").getValue(), (double) 0.65f);
}

TEST_F (EditorTest, StepsWrapAndLoadEachPresetOnce)
{
    processor->setParameter (7, 0.1f);
    preset ("A.mdtz", presetText());
    processor->setParameter (7, 0.2f);
    preset ("B.mdtz", presetText());
    processor->setParameter (7, 0.3f);
    auto& e = open();
    tick();

    sent.clear();
    paneltest::click (e, "presetIncButton_");
    EXPECT_EQ (program().name[0], "A.mdtz");
    EXPECT_FLOAT_EQ (processor->getParameter (7), 0.1f);
    EXPECT_EQ (std::count_if (sent.begin(), sent.end(), [] (auto s) { return s.first == 7; }), 1);
    paneltest::click (e, "presetIncButton_");
    EXPECT_EQ (program().name[0], "B.mdtz");
    paneltest::click (e, "presetIncButton_"); // past the last: the first
    EXPECT_EQ (program().name[0], "A.mdtz");
    paneltest::click (e, "presetDecButton_"); // before the first: the last
    EXPECT_EQ (program().name[0], "B.mdtz");
    EXPECT_FLOAT_EQ (processor->getParameter (7), 0.2f);
    for (int i = 0; i < 3; ++i)
        tick();
    EXPECT_EQ (child<juce::Label> ("presetMenu_").getText(), "B");
}

TEST_F (EditorTest, ACopyBeforeTheFirstTickCopiesTheSlotInUse)
{
    // Slot B is active, but the switch shows it only from the first tick on.
    program().activeChannel = 1;
    program().values[1][7] = 0.9f;
    auto& e = open();
    EXPECT_FALSE (child<juce::Button> ("abButton_").getToggleState());
    paneltest::click (e, "abCopyButton_");
    EXPECT_EQ (program().values[0][7], 0.9f);
    EXPECT_EQ (program().values[1][7], 0.9f);
    EXPECT_EQ (processor->getParameter (7), 0.9f); // what the host sees is unchanged
}
