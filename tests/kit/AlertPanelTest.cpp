// The alert panel over an editor-sized parent: its button layouts, its icon
// and button tables, and modal state that blocks only its own editor. (The
// hand-over between nested panels is tested with the browsers.)
#include "PanelTestKit.h"

#include <MorvidAlertComponent.h>
#include <MorvidSplashScreen.h>
#include <PandrelDialogBoxBinImg.h>

using namespace paneltest;

namespace
{
juce::Image decoded (const char* data, int size) { return juce::ImageFileFormat::loadFrom (data, (size_t) size); }
#define DECODED(n) decoded (PandrelDialogBoxBinImg::n##_png, PandrelDialogBoxBinImg::n##_pngSize)
} // namespace

TEST (AlertPanel, LaysOutOneOrTwoButtonsAndIgnoresOtherCounts)
{
    Editor editor;
    MorvidAlertComponent alert ("alertComponent_", 1, 1, 3);
    editor.add (alert);
    auto& ok = child (alert, "OK");
    auto& cancel = child (alert, "CANCEL");

    for (const int count : { 0, 3 })
    {
        alert.show (count, 1);
        EXPECT_FALSE (alert.isVisible());
        EXPECT_EQ (modalCount(), 0);
    }

    alert.show (1, 1);
    EXPECT_TRUE (isOpen (alert));
    EXPECT_EQ (ok.getBounds(), juce::Rectangle<int> (97, 307, 132, 51));
    EXPECT_FALSE (cancel.isVisible());
    EXPECT_EQ (child (alert, "titleText_").getBounds(), juce::Rectangle<int> (32, 164, 260, 126)); // above the divider

    alert.show (2, 1); // again while open: laid out anew, still one modal entry
    EXPECT_EQ (ok.getBounds(), juce::Rectangle<int> (16, 307, 132, 51));
    EXPECT_EQ (cancel.getBounds(), juce::Rectangle<int> (179, 307, 132, 51));
    EXPECT_TRUE (cancel.isVisible());
    EXPECT_EQ (modalCount(), 1);

    click (alert, "CANCEL");
    EXPECT_FALSE (alert.isVisible());
    EXPECT_EQ (modalCount(), 0);
}

TEST (AlertPanel, IconAndButtonImagesFollowTheirTypes)
{
    const auto ok = DECODED (ok), cancel = DECODED (cancel);
    const auto all = ok.getBounds();
    for (const int type : { 1, 2, 6, 11, -1 })
        EXPECT_TRUE (sameImage (MorvidAlertComponent::loadButtonImage (type), ok, all)) << type;
    for (const int type : { 3, 4 })
        EXPECT_TRUE (sameImage (MorvidAlertComponent::loadButtonImage (type), cancel, all)) << type;
    EXPECT_TRUE (sameImage (MorvidAlertComponent::loadButtonImage (10), DECODED (overwrite), all));

    // The panel draws its background, then the icon centred 12 px down.
    Editor editor;
    MorvidAlertComponent alert ("alertComponent_", 1, 1, 3);
    editor.add (alert);
    const std::pair<int, juce::Image> icons[] { { 4, DECODED (icononly_frown) }, { 3, DECODED (icononly_smile) },
                                                { 2, ok }, { 0, DECODED (icononly_asterix) } };
    for (const auto& [type, icon] : icons)
    {
        alert.show (1, type);
        juce::Image expected (juce::Image::ARGB, 325, 454, true);
        {
            juce::Graphics g (expected);
            g.drawImageAt (DECODED (dialog_box_clean), 0, 0);
            g.drawImageAt (icon, 162 - icon.getWidth() / 2, 12);
        }
        EXPECT_TRUE (sameImage (alert.createComponentSnapshot (alert.getLocalBounds()), expected, { 0, 0, 325, 300 })) << type;
    }
    alert.hide();
}

TEST (AlertPanel, AnOpenPanelBlocksOnlyItsOwnEditor)
{
    Editor first, second;
    MorvidAlertComponent firstAlert ("alertComponent_", 1, 1, 3), secondAlert ("alertComponent_", 1, 1, 3);
    MorvidSplashScreen about ("aboutContainer_");
    juce::TextButton firstKnob ("rate"), secondKnob ("rate");
    first.addAndMakeVisible (firstKnob);
    second.addAndMakeVisible (secondKnob);
    first.add (firstAlert);
    second.add (secondAlert);
    second.add (about);

    firstAlert.show (1, 1);
    EXPECT_TRUE (firstKnob.isCurrentlyBlockedByAnotherModalComponent());
    EXPECT_FALSE (secondKnob.isCurrentlyBlockedByAnotherModalComponent());

    about.show(); // the other editor's about panel, opened above it
    EXPECT_TRUE (secondKnob.isCurrentlyBlockedByAnotherModalComponent());
    EXPECT_FALSE (child (firstAlert, "OK").isCurrentlyBlockedByAnotherModalComponent());
    about.hide();

    secondAlert.show (1, 1);
    EXPECT_FALSE (child (firstAlert, "OK").isCurrentlyBlockedByAnotherModalComponent());
    click (firstAlert, "OK");
    EXPECT_FALSE (firstAlert.isVisible());
    EXPECT_TRUE (isOpen (secondAlert));
    secondAlert.hide();
    EXPECT_EQ (modalCount(), 0);
}
