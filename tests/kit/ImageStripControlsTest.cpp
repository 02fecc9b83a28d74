// Which frame each image-strip control shows, read back from a rendering.
#include "FlatStrips.h"

#include <Morvid2StateButton.h>
#include <Morvid2StateKickButton.h>
#include <Morvid4StateButton3PDT.h>
#include <MorvidKnob.h>
#include <MorvidModDelaySyncKnob.h>
#include <MorvidVerticalSwitch2.h>

#include <gtest/gtest.h>

using kittest::flatStrip;
using kittest::frameShown;

TEST (ImageStripControls, KnobShowsTheCeilingFrameOfItsValueScaledToItsBounds)
{
    MorvidKnob knob ("depthKnob_");
    knob.setBounds (0, 0, 110, 108); // twice the frame size
    knob.setImage (flatStrip (55, 54, 101), 101, false);

    const std::pair<double, int> cases[] = { { 0.0, 0 }, { 0.004, 1 }, { 0.01, 1 }, { 0.0101, 2 },
                                             { 0.5, 50 }, { 0.999, 100 }, { 1.0, 100 } };
    for (const auto& [value, frame] : cases)
    {
        knob.setValue (value, juce::dontSendNotification);
        EXPECT_EQ (frameShown (knob), frame) << "value " << value;
    }
    EXPECT_EQ (frameShown (knob, { 108, 106 }), 100); // the frame fills the whole knob
}

TEST (ImageStripControls, SyncKnobShowsFrameKAtItsKthStep)
{
    MorvidModDelaySyncKnob knob ("rateSyncKnob_");
    knob.setBounds (0, 0, 55, 54);
    knob.setImage (flatStrip (55, 54, 19), 19, false);

    for (int k = 0; k <= 18; ++k)
    {
        knob.setValue (k * (double) (1.0f / 18.1f), juce::dontSendNotification);
        EXPECT_EQ (frameShown (knob), k) << "step " << k;
    }
    knob.setValue (1.0, juce::dontSendNotification); // snaps to the last step
    EXPECT_EQ (frameShown (knob), 18);
}

TEST (ImageStripControls, SwitchShowsItsPositionsAtNaturalSizeUsingWholeFrames)
{
    MorvidVerticalSwitch2 typeSwitch ("typeKnob_");
    typeSwitch.setTextBoxStyle (juce::Slider::NoTextBox, false, 0, 0); // as the editor does
    typeSwitch.setBounds (0, 0, 60, 100);
    typeSwitch.setImage (flatStrip (48, 80, 3, 2), 3); // two leftover rows

    for (int position = 0; position < 3; ++position)
    {
        typeSwitch.setValue (position * 0.5, juce::dontSendNotification);
        EXPECT_EQ (frameShown (typeSwitch, { 24, 40 }), position);
        EXPECT_EQ (frameShown (typeSwitch, { 47, 79 }), position); // last row of the frame, not a leftover row
        EXPECT_EQ (frameShown (typeSwitch, { 50, 85 }), -1);       // outside the frame's natural size
    }
}

TEST (ImageStripControls, SwitchValueRisesAsThePointerMovesDownOverTheControllableHeight)
{
    for (const bool oldLook : { false, true })
    {
        juce::LookAndFeel_V3 lookAndFeel;
        MorvidVerticalSwitch2 typeSwitch ("typeKnob_");
        if (oldLook)
            typeSwitch.setLookAndFeel (&lookAndFeel);
        typeSwitch.setImage (flatStrip (48, 80, 3), 3);
        typeSwitch.setTextBoxStyle (juce::Slider::NoTextBox, false, 0, 0);
        typeSwitch.setBounds (106, 137, 48, 80);
        typeSwitch.setControllableImageHeight (45);

        auto pressAt = [&typeSwitch] (float y)
        {
            typeSwitch.mouseDown (kittest::mouseAt (typeSwitch, { 24.0f, y }, { 24.0f, y }, false));
            typeSwitch.mouseUp (kittest::mouseAt (typeSwitch, { 24.0f, y }, { 24.0f, y }, false));
            return typeSwitch.getValue();
        };
        EXPECT_EQ (pressAt (2.0f), 0.0);
        EXPECT_EQ (pressAt (46.0f), 1.0);
        EXPECT_EQ (pressAt (78.0f), 1.0);

        // Dragging down from the top walks through the middle position.
        typeSwitch.mouseDown (kittest::mouseAt (typeSwitch, { 24.0f, 2.0f }, { 24.0f, 2.0f }, false));
        EXPECT_EQ (typeSwitch.getValue(), 0.0);
        typeSwitch.mouseDrag (kittest::mouseAt (typeSwitch, { 24.0f, 28.0f }, { 24.0f, 2.0f }, true));
        EXPECT_EQ (typeSwitch.getValue(), 0.5);
        typeSwitch.mouseDrag (kittest::mouseAt (typeSwitch, { 24.0f, 60.0f }, { 24.0f, 2.0f }, true));
        EXPECT_EQ (typeSwitch.getValue(), 1.0);
        typeSwitch.mouseUp (kittest::mouseAt (typeSwitch, { 24.0f, 60.0f }, { 24.0f, 2.0f }, true));

        // The wheel steps one position, down for higher values as the pointer.
        std::vector<double> stops;
        for (float deltaY : { 0.2f, 0.2f, 0.2f, -0.2f, -0.2f })
            kittest::wheelOver (typeSwitch, deltaY), stops.push_back (typeSwitch.getValue());
        EXPECT_EQ (stops, (std::vector<double> { 0.5, 0.0, 0.0, 0.5, 1.0 }));

        // No controllable height: the plain top-to-bottom travel, never NaN.
        typeSwitch.setControllableImageHeight (0);
        EXPECT_EQ (pressAt (2.0f), 0.0);
        EXPECT_EQ (pressAt (40.0f), 0.5);
        typeSwitch.setLookAndFeel (nullptr);
    }
}

TEST (ImageStripControls, ControlsWithoutAUsableStripDrawNothing)
{
    MorvidKnob knob ("knob");
    MorvidVerticalSwitch2 typeSwitch ("switch");
    Morvid4StateButton3PDT footswitch ("bypass");
    Morvid2StateKickButton kick ("kick");
    for (juce::Component* c : std::initializer_list<juce::Component*> { &knob, &typeSwitch, &footswitch, &kick })
    {
        c->setBounds (0, 0, 48, 80);
        EXPECT_EQ (frameShown (*c), -1) << c->getName();
    }

    // Frame counts that would divide by zero, or frames less than a row
    // high, are refused; the switch keeps its range.
    knob.setImage (flatStrip (48, 80, 1), 0, false);
    EXPECT_EQ (knob.getNumberOfFrames(), 0);
    knob.setImage (flatStrip (48, 1, 3), 5, false);
    EXPECT_EQ (knob.getNumberOfFrames(), 0);
    typeSwitch.setImage (flatStrip (48, 80, 1), 1);
    EXPECT_EQ (typeSwitch.getNumberOfFrames(), 0);
    EXPECT_EQ (typeSwitch.getInterval(), 0.0);
    knob.setImage ({}, 101, false);
    EXPECT_EQ (frameShown (knob), -1);
    EXPECT_EQ (frameShown (typeSwitch), -1);
}

namespace
{
// Frame shown by a button in a given state.
int frameFor (juce::Button& button, juce::Button::ButtonState state, bool on)
{
    button.setToggleState (on, juce::dontSendNotification);
    button.setState (state);
    return frameShown (button);
}
} // namespace

TEST (ImageStripControls, FourStateButtonShowsHoverAndToggleState)
{
    Morvid4StateButton button ("button");
    button.setBounds (0, 0, 90, 99);
    button.setImage (flatStrip (90, 99, 4));

    EXPECT_EQ (frameFor (button, juce::Button::buttonNormal, false), 0);
    EXPECT_EQ (frameFor (button, juce::Button::buttonOver, false), 1);
    EXPECT_EQ (frameFor (button, juce::Button::buttonOver, true), 2);
    EXPECT_EQ (frameFor (button, juce::Button::buttonNormal, true), 3);
    EXPECT_EQ (frameFor (button, juce::Button::buttonDown, true), 2); // press not shown

    button.setClickingTogglesState (false);
    EXPECT_EQ (frameFor (button, juce::Button::buttonNormal, true), 0);
    EXPECT_EQ (frameFor (button, juce::Button::buttonOver, false), 1);
    EXPECT_EQ (frameFor (button, juce::Button::buttonDown, false), 2);
}

TEST (ImageStripControls, FootswitchShowsStateAndPress)
{
    Morvid4StateButton3PDT footswitch ("bypassButton_");
    footswitch.setBounds (222, 354, 90, 99);
    footswitch.setImage (flatStrip (90, 99, 4));

    EXPECT_EQ (frameFor (footswitch, juce::Button::buttonNormal, false), 0);
    EXPECT_EQ (frameFor (footswitch, juce::Button::buttonOver, false), 0); // hover not shown
    EXPECT_EQ (frameFor (footswitch, juce::Button::buttonDown, false), 1);
    EXPECT_EQ (frameFor (footswitch, juce::Button::buttonNormal, true), 2);
    EXPECT_EQ (frameFor (footswitch, juce::Button::buttonDown, true), 3);

    footswitch.setClickingTogglesState (false);
    EXPECT_EQ (frameFor (footswitch, juce::Button::buttonDown, true), 0);
}

TEST (ImageStripControls, TwoStateButtonsShowOnOrHeld)
{
    Morvid2StateButton toggle ("syncButton_");
    toggle.setBounds (7, 62, 54, 22);
    toggle.setImage (flatStrip (54, 22, 2));
    EXPECT_EQ (frameFor (toggle, juce::Button::buttonNormal, false), 0);
    EXPECT_EQ (frameFor (toggle, juce::Button::buttonDown, false), 0);
    EXPECT_EQ (frameFor (toggle, juce::Button::buttonOver, true), 1);
    toggle.setClickingTogglesState (false);
    EXPECT_EQ (frameFor (toggle, juce::Button::buttonDown, false), 1);

    Morvid2StateKickButton kick ("OK");
    kick.setBounds (0, 0, 132, 51);
    kick.setImage (flatStrip (132, 51, 2));
    EXPECT_FALSE (kick.getClickingTogglesState());
    EXPECT_EQ (frameFor (kick, juce::Button::buttonOver, false), 0);
    EXPECT_EQ (frameFor (kick, juce::Button::buttonDown, false), 1);
    EXPECT_EQ (frameFor (kick, juce::Button::buttonNormal, true), 0);
}

TEST (ImageStripControls, OnlyTheFourStateButtonsDimWhenDisabled)
{
    Morvid4StateButton four ("abButton_");
    Morvid4StateButton3PDT footswitch ("bypassButton_");
    Morvid2StateButton toggle ("syncButton_");
    Morvid2StateKickButton kick ("OK");
    four.setImage (flatStrip (54, 22, 4));
    footswitch.setImage (flatStrip (54, 22, 4));
    toggle.setImage (flatStrip (54, 22, 2));
    kick.setImage (flatStrip (54, 22, 2));
    for (auto [button, alpha] : { std::pair<juce::Button*, int> { &four, 102 }, { &footswitch, 102 }, { &toggle, 255 }, { &kick, 255 } })
    {
        button->setBounds (0, 0, 54, 22);
        button->setEnabled (false);
        EXPECT_NEAR (kittest::pixelOf (*button, { 27, 11 }).getAlpha(), alpha, 2) << button->getName();
    }
}
