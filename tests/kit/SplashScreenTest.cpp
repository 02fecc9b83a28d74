// The about panel over an editor-sized parent: modal while shown, closed by
// a click anywhere, the version written where the picture leaves room for it.
#include "FlatStrips.h"

#include <MorvidSplashScreen.h>

#include <gtest/gtest.h>

TEST (SplashScreen, IsModalWhileShownAndAClickAnywhereClosesIt)
{
    juce::Component editor;
    editor.setSize (325, 454);
    MorvidSplashScreen panel ("aboutContainer_");
    editor.addChildComponent (panel);
    panel.setVersion ("1.0.1 (64bit)");

    EXPECT_EQ (panel.getBounds(), juce::Rectangle<int> (0, 0, 325, 455));
    EXPECT_FALSE (panel.isVisible() || panel.isCurrentlyModal());

    // Routed as the framework routes a press: to the component under it.
    for (const auto point : { juce::Point<int> (300, 440), juce::Point<int> (160, 120) }) // ..., on the version text
    {
        panel.show();
        panel.show(); // a second show must not need a second click
        EXPECT_TRUE (panel.isVisible() && panel.isCurrentlyModal());
        EXPECT_TRUE (editor.isCurrentlyBlockedByAnotherModalComponent());

        auto* target = panel.getComponentAt (point);
        ASSERT_NE (target, nullptr);
        target->mouseDown (kittest::mouseAt (*target, point.toFloat(), point.toFloat(), false));
        EXPECT_FALSE (panel.isVisible() || panel.isCurrentlyModal()) << point.toString();
        EXPECT_FALSE (editor.isCurrentlyBlockedByAnotherModalComponent());
        EXPECT_EQ (juce::ModalComponentManager::getInstance()->getNumModalComponents(), 0);
    }
}

TEST (SplashScreen, ShowsTheVersionInLightTextRightOfItsCaption)
{
    MorvidSplashScreen panel ("aboutContainer_");
    panel.setVersion ("1.0.1 (64bit)");

    // Rendered: the text stands out light on the dark picture, inside its box.
    panel.setVisible (true);
    const auto picture = panel.createComponentSnapshot (panel.getLocalBounds());
    int lightPixels = 0;
    for (int y = 112; y < 128; ++y)
        for (int x = 150; x < 250; ++x)
            lightPixels += picture.getPixelAt (x, y).getBrightness() > 0.6f ? 1 : 0;
    EXPECT_GT (lightPixels, 40);
    EXPECT_LT (picture.getPixelAt (240, 120).getBrightness(), 0.35f); // dark behind the text

    const auto file = juce::File::getCurrentWorkingDirectory().getChildFile ("kit-about-panel.png");
    file.deleteFile();
    juce::FileOutputStream stream (file);
    EXPECT_TRUE (juce::PNGImageFormat().writeImageToStream (picture, stream));

    // Drawn to its bounds whatever size the owner gives it.
    panel.setSize (100, 140);
    EXPECT_EQ (kittest::pixelOf (panel, { 97, 137 }).getAlpha(), 255);
}
