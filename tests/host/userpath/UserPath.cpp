#include "UserPath.h"

#include <PandrelModulationUpperPanelBinImg.h>
#include <PandrelTQ4418BinImg.h>

#include <gtest/gtest.h>

#include <X11/keysym.h>

#include <cstdio>

namespace
{
enum Parameter { bypass, type, rate, rateSync, depth, delay, feedback, mix, level, stereo, syncOn };

struct Knob
{
    Parameter parameter;
    juce::Rectangle<int> place;
};
const Knob knobs[] = { { mix, { 14, 126, 73, 72 } },    { level, { 237, 126, 73, 72 } }, { depth, { 97, 207, 55, 54 } },
                       { delay, { 173, 207, 55, 54 } }, { feedback, { 251, 237, 55, 54 } }, { rate, { 19, 237, 55, 54 } } };

const juce::Rectangle<int> mixPlace { 14, 126, 73, 72 }, abPlace { 92, 35, 62, 23 };

// The middle of the n-th item of a pop-up menu of plain items, below its top
// edge: the look-and-feel's 2-pixel border and 22-pixel items.
int menuItem (int n) { return 2 + 22 * n + 11; }

juce::Point<int> centre (juce::Rectangle<int> r) { return r.getCentre(); }

juce::Image strip (const char* data, int size) { return juce::ImageFileFormat::loadFrom (data, (size_t) size); }

// Pumps the host until the screen shows the frame at the place, for ten
// seconds at most (no load comes near that), and prints how long it took.
bool showsSoon (HostedPlugin& host, XDriver& x, juce::Rectangle<int> place, const juce::Image& image, int frame, const char* what)
{
    const auto start = juce::Time::getMillisecondCounter();
    for (;;)
    {
        const auto waited = juce::Time::getMillisecondCounter() - start;
        if (XDriver::shows (x.capture(), place, image, frame))
        {
            std::printf ("%s: shown after %u ms\n", what, (unsigned) waited);
            return true;
        }
        if (waited > 10000)
            return false;
        host.pump (10);
    }
}
} // namespace

void runUserPath (HostedPlugin& host, XDriver& x, const juce::File& captures, const juce::File& presetFolder)
{
    const auto mixStrip = strip (PandrelTQ4418BinImg::mix_png, PandrelTQ4418BinImg::mix_pngSize);
    const auto abStrip = strip (PandrelModulationUpperPanelBinImg::ab_png, PandrelModulationUpperPanelBinImg::ab_pngSize);
    const auto aboutPicture = strip (PandrelTQ4418BinImg::about_fl_png, PandrelTQ4418BinImg::about_fl_pngSize);

    host.openEditor (x.hostWindow());
    host.pump (300);
    EXPECT_TRUE (showsSoon (host, x, mixPlace, mixStrip, 50, "opened, the mix knob at its default"));
    x.captureTo (captures, "01-opened");

    // Every knob turned up by dragging.
    for (const auto& knob : knobs)
    {
        const float before = host.value (knob.parameter);
        const auto at = centre (knob.place);
        x.drag (at.x, at.y, 0, -50);
        EXPECT_GT (host.value (knob.parameter), before + 0.1f) << "knob of parameter " << knob.parameter;
    }

    // The switches and the type hot spots.
    x.click (130, 137 + 60); // low on the switch (its last rows lie under the depth knob)
    EXPECT_EQ (host.value (type), 1.0f);
    const std::pair<juce::Point<int>, float> typeSpots[] = { { { 170, 140 }, 0.0f }, { { 165, 158 }, 0.5f }, { { 180, 177 }, 1.0f } };
    for (const auto& [at, expected] : typeSpots)
    {
        x.click (at.x, at.y);
        EXPECT_EQ (host.value (type), expected);
    }
    x.click (267, 403);
    EXPECT_EQ (host.value (bypass), 0.0f);
    x.click (290, 73);
    EXPECT_EQ (host.value (stereo), 1.0f);
    x.click (34, 73);
    EXPECT_EQ (host.value (syncOn), 1.0f);
    const float syncBefore = host.value (rateSync);
    x.drag (46, 264, 0, -60);
    EXPECT_GT (host.value (rateSync), syncBefore);
    x.captureTo (captures, "02-played");

    // The about panel opens over everything and a click closes it.
    x.click (69, 408);
    EXPECT_TRUE (showsSoon (host, x, { 0, 200, 325, 60 }, aboutPicture.getClippedImage ({ 0, 200, 325, 60 }), 0, "the about panel"));
    x.captureTo (captures, "03-about");
    x.click (160, 300);
    EXPECT_TRUE (showsSoon (host, x, mixPlace, mixStrip, (int) std::ceil (100.0f * host.value (mix)), "the about panel closed"));

    // A copied to B, for later.
    x.click (200, 42);

    // "Save Preset As...": New Folder "Sub", into it, name "Lead", Save.
    const float savedMix = host.value (mix);
    x.click (35, 16);
    ASSERT_TRUE (x.pumpUntil ([&] { return ! x.shownMenu().isEmpty(); })) << "the file menu";
    x.clickMenuItem (menuItem (1));
    x.pump (400);
    x.captureTo (captures, "04-save-browser");
    x.click (82, 361);
    x.click (163, 241);
    x.type ("Sub");
    x.pump (300); // OK comes on with the panel's next 200 ms check
    x.captureTo (captures, "05-new-folder");
    x.key (XK_Return);
    EXPECT_TRUE (x.pumpUntil ([&] { return presetFolder.getChildFile ("Sub").isDirectory(); }));
    x.pump (200);
    x.doubleClick (80, 107);
    x.pump (400);
    x.click (170, 318);
    x.type ("Lead");
    x.pump (400);
    x.captureTo (captures, "06-named");
    x.click (245, 361);
    EXPECT_TRUE (x.pumpUntil ([&] { return presetFolder.getChildFile ("Sub/Lead.mdtz").existsAsFile(); }));
    x.pump (100);
    x.captureTo (captures, "07-saved");
    EXPECT_EQ (host.programName(), "Lead");

    // Changed, then Lead loaded back from the preset menu.
    x.drag (50, 162, 0, 40);
    EXPECT_LT (host.value (mix), savedMix - 0.1f);
    x.click (163, 16);
    ASSERT_TRUE (x.pumpUntil ([&] { return ! x.shownMenu().isEmpty(); })) << "the preset menu";
    const auto rootMenu = x.shownMenu();
    x.hoverMenuItem (menuItem (0)); // the sub-menu "Sub"
    ASSERT_NE (x.shownMenu(), rootMenu) << "the sub-menu";
    x.clickMenuItem (menuItem (0)); // "Lead.mdtz"
    EXPECT_TRUE (x.pumpUntil ([&] { return std::abs (host.value (mix) - savedMix) < 1e-4f; })) << "loaded from the menu";
    x.pump (100);
    x.captureTo (captures, "08-loaded-from-menu");

    // Changed again, then Lead by stepping (the only preset: the step wraps to it).
    x.drag (50, 162, 0, 40);
    EXPECT_LT (host.value (mix), savedMix - 0.1f);
    x.click (306, 16);
    EXPECT_NEAR (host.value (mix), savedMix, 1e-4f) << "loaded by stepping";

    // Slot B holds the copy made before the save, and its own name.
    x.click (123, 46);
    EXPECT_EQ (host.programName(), "Init");
    EXPECT_EQ (host.value (bypass), 0.0f);
    x.captureTo (captures, "09-slot-b");

    // Closed and opened again: everything as it was.
    host.closeEditor();
    host.pump (200);
    host.openEditor (x.hostWindow());
    host.pump (300);
    EXPECT_TRUE (showsSoon (host, x, abPlace, abStrip, 1, "reopened, slot B"));
    x.captureTo (captures, "10-reopened");

    // Host automation and a host program change show in the editor while the
    // host runs its loop, nothing else touching it. How soon is for a
    // benchmark; it is printed.
    host.setValue (mix, 0.9f);
    EXPECT_TRUE (showsSoon (host, x, mixPlace, mixStrip, 90, "host automation of the mix"));
    host.setProgram (3);
    EXPECT_TRUE (showsSoon (host, x, abPlace, abStrip, 0, "host program 3, slot A"));
    EXPECT_TRUE (showsSoon (host, x, mixPlace, mixStrip, 50, "host program 3, its mix"));
    host.setProgram (0);
    EXPECT_TRUE (showsSoon (host, x, abPlace, abStrip, 1, "host program 0, slot B"));
    x.captureTo (captures, "11-program-0-slot-b");
    host.closeEditor();
    host.pump (100);
}
