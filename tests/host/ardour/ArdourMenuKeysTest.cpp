// The space bar reaches ardour after the plug-in's file menu closes with
// Escape, on a display with no window manager to hand the keyboard back.
// The menu holds the X focus, as it does after any click in it; its window
// going leaves the focus to the root, whose keys go to whatever window lies
// under the pointer: the plug-in's, which takes none.
#include "ArdourEditorScreen.h"

#include <PandrelModulationUpperPanelBinImg.h>

#include <X11/keysym.h>

#include <algorithm>

namespace
{
const juce::Rectangle<int> fileButton { 6, 3, 58, 26 };
} // namespace

TEST_F (ArdourWithoutWindowManager, SpaceBarReachesArdourAfterFileMenuClosedWithEscape)
{
    const auto fileStrip = juce::ImageFileFormat::loadFrom (PandrelModulationUpperPanelBinImg::file_png,
                                                            PandrelModulationUpperPanelBinImg::file_pngSize);
    for (const auto& format : { vst3, vst2 })
    {
        SCOPED_TRACE (format.track);
        const auto name = juce::String (format.track).toLowerCase();
        ASSERT_TRUE (openEditor (format));
        // Where it is drawn: the host may place it again once its area has
        // its size.
        ASSERT_TRUE (until ("the editor drawn", [&] {
            locateEditor (format);
            return XDriver::shows (x->capture(), fileButton, fileStrip, 0);
        }));
        // Still, once ardour has drawn what the plug-in's window covered.
        ASSERT_TRUE (until ("ardour's clocks still", [this] { return ! transportRolls(); }, 10000));

        // The file menu, opened with a click. The framework's menu now and
        // then closes by itself as it opens: a user clicks again.
        bool opened = false;
        for (int attempt = 0; attempt < 3 && ! opened; ++attempt)
        {
            locateEditor (format);
            x->click (fileButton.getCentre().x, fileButton.getCentre().y);
            opened = x->pumpUntil ([this] { return ! x->shownMenu().isEmpty(); }, 2000) && focusShownMenu();
        }
        ASSERT_TRUE (opened) << "the file menu did not open";
        saveScreen (name + "-menu-open");

        x->key (XK_Escape);
        ASSERT_TRUE (until ("the menu to close", [this] { return x->shownMenu().isEmpty(); }));

        // The keyboard in the plug-in's window of ardour's, out of ours; the
        // space bar, with the pointer still over the editor, starts the
        // transport and stops it again.
        // (Windows of one client share the bits above the server's resource mask.)
        const auto window = pluginWindow (format);
        const auto ardoursOwn = [window] (XWindowId w) { return (w & ~0x1fffffUL) == (window & ~0x1fffffUL); };
        EXPECT_TRUE (until ("the keyboard back in ardour", [&] {
            const auto focused = x->focusedWindow();
            const auto windows = x->windowAndBelow (window);
            return ardoursOwn (focused)
                   && std::any_of (windows.begin(), windows.end(), [&] (auto& w) { return w.id == focused; });
        }));
        x->key (XK_space);
        EXPECT_TRUE (transportRolls()) << "the space bar did not reach ardour";
        saveScreen (name + "-space-pressed");
        x->key (XK_space);
        EXPECT_TRUE (until ("the transport to stop", [this] { return ! transportRolls(); }, 10000));
        ASSERT_TRUE (closeEditor (format));
    }
}
