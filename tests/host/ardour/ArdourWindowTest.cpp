// A user names presets in ardour's own window: the built VST3 and VST 2
// plug-ins opened from the mixer strips, a folder and ten preset names typed
// with real key events into each editor and saved, the files checked on disk,
// and the slot a step lands on read back from the session ardour saves when
// Ctrl+S reaches it from the plug-in's window. The session opened again,
// ardour lists the programs by their names, and choosing one there lands the
// editor on it. Captures of every step go to ardour-window/ beside the test.
#include "ArdourScreen.h"
#include "ScreenText.h"
#include "XDriver.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <PandrelDialogBoxBinImg.h>
#include <PandrelModulationUpperPanelBinImg.h>

#include <gtest/gtest.h>

#include <X11/keysym.h>

#include <thread>

namespace
{
constexpr int namesPerFormat = 10;
constexpr int editorWidth = 325, editorHeight = 454;
constexpr int programs = 12;

// Values the preset document carries as they are.
const std::vector<float> settings { 1.0f, 0.5f, 0.3f, 6.0f / 18.0f, 0.7f, 0.3f, 0.75f, 0.4f, 0.6f, 1.0f, 0.0f };

struct Format
{
    const char* track;      // the session's track, and the start of the window's pluginTitle
    const char* tag;        // the end of the window's pluginTitle
    const char* processor;  // the session's element for the plug-in's state
    const char* folder;     // the folder it makes in the Preset folder, for its presets
    int folderRow;          // where the listing shows it
    const char* namePrefix;
};
const Format formats[] = { { "VST3", "[VST3]", "vst3", "Sub", 0, "Lead" }, { "VST2", "[VST]", "lxvst", "Sub 2", 1, "Pad" } };

// Places in the editor.
const juce::Rectangle<int> fileButton { 6, 3, 58, 26 }, previousButton { 263, 3, 29, 26 };
const juce::Rectangle<int> newFolderButton { 16, 336, 132, 51 }, saveButton { 179, 336, 132, 51 };
const juce::Rectangle<int> folderCancel { 179, 307, 132, 51 };
const juce::Rectangle<int> fileNameBox { 70, 308, 234, 22 }, folderNameBox { 23, 229, 280, 24 };
const juce::Rectangle<int> firstRow { 20, 89, 284, 22 };
const juce::Rectangle<int> presetLabel { 67, 3, 192, 26 };

// ardour's tool bar above the plug-in, in the window: its preset list's
// button ends this far from the window's right edge (the buttons right of it
// are icons), its label starts right of the two icons on the left.
constexpr int presetListEndFromRight = 217, presetListTextLeft = 90, toolBarRow = 17;

juce::Image strip (const char* data, int size) { return juce::ImageFileFormat::loadFrom (data, (size_t) size); }
const juce::Image fileStrip = strip (PandrelModulationUpperPanelBinImg::file_png, PandrelModulationUpperPanelBinImg::file_pngSize);
const juce::Image newFolderStrip = strip (PandrelDialogBoxBinImg::newfolder_png, PandrelDialogBoxBinImg::newfolder_pngSize);
const juce::Image saveStrip = strip (PandrelDialogBoxBinImg::save_png, PandrelDialogBoxBinImg::save_pngSize);
const juce::Image cancelStrip = strip (PandrelDialogBoxBinImg::cancel_png, PandrelDialogBoxBinImg::cancel_pngSize);

int menuItem (int n) { return 2 + 22 * n + 11; }

juce::String nameOf (const Format& format, int n) { return format.namePrefix + juce::String::formatted (" %02d", n); }

// The bank document inside the plug-in's state that ardour saved.
std::unique_ptr<juce::XmlElement> savedPatch (const juce::File& session, const Format& format)
{
    const auto document = juce::XmlDocument::parse (session);
    if (document == nullptr)
        return {};
    for (auto* route : document->getChildByName ("Routes")->getChildIterator())
    {
        if (route->getStringAttribute ("name") != format.track)
            continue;
        for (auto* processor : route->getChildWithTagNameIterator ("Processor"))
            if (processor->getStringAttribute ("type") == format.processor)
                if (auto* state = processor->getChildByName (format.processor))
                    if (auto* chunk = state->getChildByName ("chunk"))
                    {
                        juce::MemoryOutputStream bytes;
                        juce::Base64::convertFromBase64 (bytes, chunk->getAllSubText().trim());
                        // Binary framing around the document: look in the bytes.
                        const std::string raw (static_cast<const char*> (bytes.getData()), bytes.getDataSize());
                        const auto start = raw.find ("<morvidPatch");
                        const auto end = raw.find ("</morvidPatch>");
                        if (start != std::string::npos && end != std::string::npos && end > start)
                            return juce::XmlDocument::parse (raw.substr (start, end + 14 - start));
                    }
    }
    return {};
}

// The name ardour saved as the plug-in's chosen preset; empty for none.
juce::String savedChoice (const juce::File& session, const Format& format)
{
    const auto document = juce::XmlDocument::parse (session);
    if (document == nullptr)
        return "(no session)";
    for (auto* route : document->getChildByName ("Routes")->getChildIterator())
        if (route->getStringAttribute ("name") == format.track)
            for (auto* processor : route->getChildWithTagNameIterator ("Processor"))
                if (processor->getStringAttribute ("type") == format.processor)
                    if (auto* state = processor->getChildByName (format.processor))
                        return state->getStringAttribute ("last-preset-label");
    return "(no plug-in)";
}

// The active slot of the current program in a bank document.
const juce::XmlElement* currentSlot (const juce::XmlElement& patch)
{
    auto* properties = patch.getChildByName ("Properties");
    if (properties == nullptr)
        return nullptr;
    auto* program = properties->getChildByAttribute ("preset", properties->getStringAttribute ("activePreset"));
    return program != nullptr ? program->getChildByAttribute ("channel", program->getStringAttribute ("activeChannel"))
                              : nullptr;
}

juce::StringArray valuesOf (const juce::XmlElement* holder)
{
    juce::StringArray values;
    if (holder != nullptr)
        for (auto* value : holder->getChildWithTagNameIterator ("Value"))
            values.add (value->getStringAttribute ("property") + "=" + value->getAllSubText());
    return values;
}

class ArdourWindowTest : public testing::Test
{
protected:
    void SetUp() override
    {
        std::string problem;
        ASSERT_TRUE (ArdourSandbox::isInstalled (problem)) << problem;
        juce::String readerProblem;
        ASSERT_TRUE (ScreenText::isInstalled (readerProblem)) << readerProblem;
        const bool ready = sandbox.installAndScan (ArdourSandbox::Format::vst2, juce::File (PANDREL_VST2_PLUGIN))
                           && sandbox.installAndScan (ArdourSandbox::Format::vst3, juce::File (PANDREL_VST3_BUNDLE))
                           && sandbox.createWindowSession (settings);
        ASSERT_TRUE (ready) << sandbox.problem();
        // No tool tips: one that opens over a list the test reads would hide
        // part of it.
        ASSERT_TRUE (sandbox.home().getChildFile (".config/ardour7/ui_config")
                         .replaceWithText ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Ardour>\n  <UI>\n"
                                           "    <Option name=\"use-tooltips\" value=\"0\"/>\n  </UI>\n</Ardour>\n"));
        ASSERT_TRUE (screen.start()) << screen.problem();
        x = std::make_unique<XDriver> (screen.displayName(), [] (int ms) { std::this_thread::sleep_for (std::chrono::milliseconds (ms)); });
        ASSERT_TRUE (x->ok()) << "no test extension on " << screen.displayName();
        captures.deleteRecursively();
    }

    void TearDown() override
    {
        std::cout << "file menu opened again " << menuRetries << " times\n";
        if (HasFailure())
        {
            sandbox.keep();
            std::cout << "ardour's folder kept: " << sandbox.folder().getFullPathName() << "\n";
        }
    }

    // Waits, bounded, for what the screen shows; on failure keeps a capture.
    bool until (const juce::String& what, const std::function<bool()>& done, int limitMs = 5000)
    {
        if (x->pumpUntil (done, limitMs))
            return true;
        save (x->captureScreen ({ 0, 0, ArdourScreen::width, ArdourScreen::height }), "failed-" + what.replaceCharacter ('/', '_'));
        ADD_FAILURE() << "timed out waiting for " << what << " (X focus on 0x" << juce::String::toHexString ((juce::int64) x->focusedWindow()) << ")";
        return false;
    }

    void save (const juce::Image& picture, const juce::String& name)
    {
        captures.createDirectory();
        juce::FileOutputStream stream (captures.getChildFile (name + ".png"));
        stream.setPosition (0);
        stream.truncate();
        juce::PNGImageFormat().writeImageToStream (picture, stream);
    }

    // The editor is the part of the plug-in's window as high as the picture,
    // the picture in its middle. The host sizes its window as it likes (its
    // tool bar grows with a preset's name): looked for again before each use.
    juce::Rectangle<int> locateEditor()
    {
        juce::Rectangle<int> editor;
        const auto window = x->findWindow (pluginTitle);
        for (const auto& placed : window != 0 ? x->windowAndBelow (window) : std::vector<XDriver::Placed> {})
            if (placed.screen.getHeight() == editorHeight && placed.screen.getWidth() >= editorWidth)
                editor = placed.screen;
        x->setOrigin (editor.getPosition() + juce::Point<int> ((editor.getWidth() - editorWidth) / 2, 0));
        return editor;
    }
    juce::Image editorNow()
    {
        locateEditor();
        return x->capture();
    }
    void clickAt (juce::Point<int> at)
    {
        locateEditor();
        x->click (at.x, at.y);
    }
    bool editorShows (juce::Rectangle<int> place, const juce::Image& image) { return XDriver::shows (editorNow(), place, image, 0); }

    // Clicks a text field and types once it shows the keyboard's outline.
    bool typeInto (juce::Rectangle<int> field, const juce::String& text)
    {
        const auto outline = juce::LookAndFeel_V3().findColour (juce::TextEditor::focusedOutlineColourId);
        clickAt (field.getCentre());
        const bool focused = until ("the keyboard in the field for " + text, [&] {
            const auto edge = editorNow().getClippedImage (field.withHeight (1));
            int matching = 0;
            for (int i = 0; i < edge.getWidth(); ++i)
            {
                const auto c = edge.getPixelAt (i, 0);
                matching += std::abs (c.getRed() - outline.getRed()) < 9 && std::abs (c.getGreen() - outline.getGreen()) < 9
                            && std::abs (c.getBlue() - outline.getBlue()) < 9;
            }
            return matching * 10 > edge.getWidth() * 9;
        }, 2000);
        if (focused)
            x->type (text);
        return focused;
    }

    // The framework's menu now and then closes by itself as it opens (it
    // takes the X focus moving between windows for the user leaving the
    // application), or lets a quick synthetic click on an item pass while
    // the host's loop is busy: a user clicks again. Counted, and said.
    void openSaveBrowser()
    {
        const auto browserShown = [this] { return editorShows (newFolderButton, newFolderStrip); };
        for (int opening = 0; opening < 3; ++opening, ++menuRetries)
        {
            clickAt (fileButton.getCentre());
            if (! x->pumpUntil ([this] { return ! x->shownMenu().isEmpty(); }))
                continue;
            for (int attempt = 0; attempt < 3 && ! x->shownMenu().isEmpty(); ++attempt)
            {
                x->hoverMenuItem (menuItem (1));
                x->clickMenuItem (menuItem (1));
                if (x->pumpUntil (browserShown, 1500))
                    return;
            }
        }
        until ("the save browser", browserShown);
    }

    juce::Image row (int index) { return editorNow().getClippedImage (firstRow.translated (0, index * firstRow.getHeight())); }

    static bool isBlank (const juce::Image& picture)
    {
        // The row's middle: its ends may meet the list's border.
        for (int i = picture.getWidth() / 10; i < picture.getWidth() * 9 / 10; ++i)
            if (picture.getPixelAt (i, picture.getHeight() / 2) != juce::Colours::white)
                return false;
        return true;
    }

    // Enters the new folder listed in the given row, once the listing, read
    // in the background, shows it; inside, the listing is empty.
    bool enterNewFolder (int index)
    {
        const bool listed = until ("the new folder listed", [&] {
            const auto before = row (index);
            x->pump (100);
            return ! isBlank (before) && XDriver::shows (row (index), before.getBounds(), before, 0);
        });
        if (! listed)
            return false;
        const auto at = firstRow.translated (0, index * firstRow.getHeight()).getCentre();
        locateEditor();
        x->doubleClick (at.x, at.y);
        return until ("the new folder's empty listing", [this] { return isBlank (row (0)); });
    }

    // The area the host gives the editor: the largest window below the
    // plug-in window's top level (whose tool bar is its own) that holds the
    // editor's window.
    juce::Rectangle<int> hostArea (XWindowId window, juce::Rectangle<int> editor)
    {
        auto area = editor;
        const auto windows = x->windowAndBelow (window);
        for (size_t i = 1; i < windows.size(); ++i)
            if (windows[i].screen.contains (editor) && windows[i].screen.getWidth() * windows[i].screen.getHeight() > area.getWidth() * area.getHeight())
                area = windows[i].screen;
        return area;
    }

    // Nothing of the host's area around the editor's picture is pure black
    // (the host's own window showing through).
    void expectNoBlackAround (XWindowId window, const juce::String& name)
    {
        int black = -1;
        juce::Image area;
        const bool clear = x->pumpUntil ([&] {
            const auto editor = locateEditor();
            const auto around = hostArea (window, editor);
            const juce::Rectangle<int> picture { editor.getX() + (editor.getWidth() - editorWidth) / 2 - around.getX(),
                                                 editor.getY() - around.getY(), editorWidth, editorHeight };
            area = x->captureScreen (around);
            black = 0;
            for (int y = 0; y < area.getHeight(); ++y)
                for (int x0 = 0; x0 < area.getWidth(); ++x0)
                    black += ! picture.contains (x0, y) && area.getPixelAt (x0, y) == juce::Colours::black;
            return ! editor.isEmpty() && black == 0;
        });
        save (area, name);
        EXPECT_TRUE (clear) << black << " pure black pixels around the editor, see " << name << ".png";
    }

    // ardour's preset list of the plug-in window: what its button says, and
    // its entries (the list opened, and left open), top down.
    juce::Rectangle<int> toolBar (XWindowId window) { return x->windowAndBelow (window).front().screen; }
    juce::String hostChoice (XWindowId window)
    {
        const auto bar = toolBar (window);
        const auto right = bar.getRight() - presetListEndFromRight;
        return ScreenText::read (x->captureScreen ({ bar.getX() + presetListTextLeft, bar.getY() + 2, right - bar.getX() - presetListTextLeft, 30 }), true)
            .joinIntoString (" ");
    }
    juce::StringArray openHostList (XWindowId window, const juce::String& captureName)
    {
        const auto bar = toolBar (window);
        x->setOrigin ({});
        x->click (bar.getRight() - presetListEndFromRight - 15, bar.getY() + toolBarRow);
        if (! until ("ardour's preset list", [this] { return x->shownMenu().getHeight() > (programs + 1) * 10; }))
            return {};
        hostMenu = x->shownMenu();
        x->pump (200);
        const auto menu = x->captureScreen (hostMenu);
        save (menu, captureName);
        return ScreenText::read (menu);
    }
    // Entries are alike in height; the last one, empty, chooses none.
    void pickHostEntry (int entry)
    {
        const int height = (hostMenu.getHeight() - 4) / (programs + 1);
        x->setOrigin ({});
        x->click (hostMenu.getX() + hostMenu.getWidth() / 3, hostMenu.getY() + 2 + height * entry + height / 2);
    }
    juce::Rectangle<int> hostMenu;
    // Inside the label's frame, which the reader would take for text.
    juce::String editorLabel() { return ScreenText::read (editorNow().getClippedImage (presetLabel.reduced (4)), true, true).joinIntoString (" "); }

    void namePresets (const Format& format, juce::Point<int> entry);
    void chooseByName (const Format& format);

    ArdourSandbox sandbox;
    ArdourScreen screen { sandbox };
    std::unique_ptr<XDriver> x;
    juce::String pluginTitle;
    int menuRetries = 0;
    const juce::File captures = juce::File::getCurrentWorkingDirectory().getChildFile ("ardour-window");
};

void ArdourWindowTest::namePresets (const Format& format, juce::Point<int> entry)
{
    SCOPED_TRACE (format.track);
    const auto presets = sandbox.home().getChildFile ("Music/Audio Music Apps/Morvid/Presets/PandrelTQ4418");
    pluginTitle = juce::String (format.track) + ": " + ArdourSandbox::pluginName;
    const juce::String prefix = juce::String (format.track).toLowerCase() + "-";

    // Opened from the mixer strip.
    x->setOrigin ({});
    x->doubleClick (entry.x, entry.y);
    juce::Rectangle<int> editor;
    ASSERT_TRUE (until ("the editor", [&] { return ! (editor = locateEditor()).isEmpty() && editorShows (fileButton, fileStrip); }, 20000));
    const auto window = x->findWindow (pluginTitle);
    const auto frame = x->windowAndBelow (window).front().screen;
    save (x->captureScreen (frame), prefix + "00-window");

    // Larger than the picture in ardour, in both formats: the margins are
    // the picture's edge colour, not black.
    expectNoBlackAround (window, prefix + "00-area");

    const auto margins = x->captureScreen (editor);
    if (editor.getWidth() > editorWidth)
    {
        for (const int column : { 2, margins.getWidth() - 3 })
            EXPECT_NE (margins.getPixelAt (column, editorHeight / 2), juce::Colours::black) << "black margin beside the editor";
    }

    for (int n = 1; n <= namesPerFormat; ++n)
    {
        SCOPED_TRACE (n);
        openSaveBrowser();
        if (n == 1)
        {
            clickAt (newFolderButton.getCentre());
            ASSERT_TRUE (until ("the new-folder panel", [this] { return editorShows (folderCancel, cancelStrip); }));
            ASSERT_TRUE (typeInto (folderNameBox, format.folder));
            save (editorNow(), prefix + "01-folder-named");
            x->key (XK_Return);
            ASSERT_TRUE (until ("the folder on disk", [&] { return presets.getChildFile (format.folder).isDirectory(); }));
            ASSERT_TRUE (until ("the browser again", [this] { return editorShows (newFolderButton, newFolderStrip); }));
            ASSERT_TRUE (enterNewFolder (format.folderRow));
        }

        const auto name = nameOf (format, n);
        ASSERT_TRUE (typeInto (fileNameBox, name));
        ASSERT_TRUE (until ("SAVE to come on", [this] { return editorShows (saveButton, saveStrip); }));
        save (editorNow(), prefix + juce::String::formatted ("%02d-named", n + 1));
        clickAt (saveButton.getCentre());
        const auto file = presets.getChildFile (format.folder).getChildFile (name + ".mdtz");
        ASSERT_TRUE (until ("the file " + file.getFileName(), [&] { return file.existsAsFile(); }));
        ASSERT_TRUE (until ("the browser to close", [this] { return editorShows (fileButton, fileStrip); }));
    }
    save (editorNow(), prefix + "12-saved");

    // One step back lands on the ninth name. Ctrl+S from the plug-in's
    // window reaches ardour (the plug-in keeps no key it does not use), which
    // saves the session with the plug-in's state.
    const auto expected = juce::String (format.folder) + "/" + nameOf (format, namesPerFormat - 1) + ".mdtz";
    clickAt (previousButton.getCentre());
    // The keyboard back in the plug-in's window of ardour's, out of ours.
    const auto hostHasKeyboard = [this, window] {
        const auto focused = x->focusedWindow();
        const auto windows = x->windowAndBelow (window);
        return std::any_of (windows.begin(), windows.end(), [&] (auto& w) {
            return w.id == focused && w.screen.getHeight() != editorHeight;
        });
    };
    EXPECT_TRUE (until ("the keyboard back in ardour", [&] {
        if (! hostHasKeyboard())
            return false;
        x->pump (100);
        return hostHasKeyboard();
    }));
    x->chord (XK_Control_L, XK_s);
    std::unique_ptr<juce::XmlElement> patch;
    EXPECT_TRUE (until ("the session saved with " + expected, [&] {
        patch = savedPatch (sandbox.sessionFile(), format);
        const auto* slot = patch != nullptr ? currentSlot (*patch) : nullptr;
        return slot != nullptr && slot->getStringAttribute ("presetPath") == expected;
    }, 10000));
    save (editorNow(), prefix + "13-stepped");

    // ardour reads its list of the programs once, when it first shows it,
    // and never again while the session is open: it still lists what it
    // read then. What it shows as chosen is never another program's name
    // from that list.
    const auto shownChoice = hostChoice (window);
    save (x->captureScreen (toolBar (window).withHeight (34)), prefix + "14-host-choice");
    EXPECT_TRUE (ScreenText::says (shownChoice, "(none)") || ScreenText::says (shownChoice, nameOf (format, namesPerFormat - 1))) << shownChoice;
    const auto savedName = savedChoice (sandbox.sessionFile(), format);
    EXPECT_TRUE (savedName.isEmpty() || savedName == nameOf (format, namesPerFormat - 1)) << savedName;

    // Every file holds the plug-in's values, which are the session's.
    const auto playing = valuesOf (patch != nullptr ? currentSlot (*patch) : nullptr);
    ASSERT_EQ (playing.size(), (int) settings.size());
    for (int n = 1; n <= namesPerFormat; ++n)
    {
        const auto document = juce::XmlDocument::parse (presets.getChildFile (format.folder).getChildFile (nameOf (format, n) + ".mdtz"));
        ASSERT_NE (document, nullptr) << nameOf (format, n);
        EXPECT_EQ (valuesOf (document->getChildByName ("Properties")), playing) << nameOf (format, n);
    }

    // Moved aside, as a user drags it, so that the mixer's strips show.
    x->moveWindow (window, ArdourScreen::width - 420, 300);
    until ("the plug-in's window aside", [&] { return x->windowAndBelow (window).front().screen.getX() > ArdourScreen::width / 2; });
}
} // namespace

TEST_F (ArdourWindowTest, TypedPresetNamesLandInBothFormats)
{
    // The mixer, and the plug-in entries of its two strips.
    x->chord (XK_Alt_L, XK_m);
    std::vector<juce::Point<int>> entries;
    ASSERT_TRUE (until ("the mixer strips", [&] {
        entries = ArdourScreen::pluginEntries (x->captureScreen ({ 0, 0, ArdourScreen::width, ArdourScreen::height }));
        return entries.size() >= 2;
    }, 10000));
    save (x->captureScreen ({ 0, 0, ArdourScreen::width, ArdourScreen::height }), "mixer");

    for (size_t i = 0; i < std::size (formats) && ! HasFatalFailure(); ++i)
        namePresets (formats[i], entries[i]);

    // Opened again, as saved with Ctrl+S: ardour opens the plug-in windows
    // that were open, and reads each list when it first shows it, after the
    // plug-in's state is back (a VST3 plug-in with a chosen program saved
    // would have its list read before: the plug-in gives ardour no such
    // choice of its own).
    if (HasFatalFailure())
        return;
    ASSERT_TRUE (screen.reopen()) << screen.problem();
    for (size_t i = 0; i < std::size (formats) && ! HasFatalFailure(); ++i)
        chooseByName (formats[i]);
}

void ArdourWindowTest::chooseByName (const Format& format)
{
    SCOPED_TRACE (format.track);
    pluginTitle = juce::String (format.track) + ": " + ArdourSandbox::pluginName;
    const juce::String prefix = juce::String (format.track).toLowerCase() + "-again-";
    ASSERT_TRUE (until ("the editor after opening the session again", [&] {
        return ! locateEditor().isEmpty() && editorShows (fileButton, fileStrip);
    }, 30000));
    const auto window = x->findWindow (pluginTitle);
    expectNoBlackAround (window, prefix + "00-area");

    // Sorted by name: the program the steps named, and eleven untouched.
    const auto name = nameOf (format, namesPerFormat - 1);
    juce::StringArray expected { name };
    for (int p = 1; p < programs; ++p)
        expected.add ("Init");
    expected.sort (false);
    auto listed = openHostList (window, prefix + "01-list");
    EXPECT_TRUE (ScreenText::same (listed.joinIntoString (", "), expected.joinIntoString (", ")))
        << "ardour lists " << listed.joinIntoString (", ") << "; the programs are " << expected.joinIntoString (", ");
    ASSERT_EQ (listed.size(), programs);

    // Chosen there by name, with the editor open: the editor goes to that
    // program, and ardour (not hanging) shows its name as chosen.
    int picked = 0;
    for (const auto& wanted : { juce::String ("Init"), name })
    {
        if (picked++ > 0)
            listed = openHostList (window, prefix + "02-list");
        ASSERT_EQ (listed.size(), programs);
        int entry = 0;
        while (entry < listed.size() - 1 && ! ScreenText::same (listed[entry], wanted))
            ++entry;
        pickHostEntry (entry);
        ASSERT_TRUE (until ("ardour and the editor on " + wanted, [&] {
            return ScreenText::says (hostChoice (window), wanted) && ScreenText::says (editorLabel(), wanted);
        }, 8000)) << "ardour shows " << hostChoice (window) << ", the editor " << editorLabel();
        save (x->captureScreen (toolBar (window)), prefix + "03-chose-" + wanted.replaceCharacter (' ', '-'));
    }
    x->moveWindow (window, ArdourScreen::width - 420, 300);
}
