// A user names presets in ardour's own window: the built VST3 and VST 2
// plug-ins opened from the mixer strips, a folder and ten preset names typed
// with real key events into each editor and saved, the files checked on disk,
// and the slot a step lands on read back from the session ardour saves when
// Ctrl+S reaches it from the plug-in's window. Captures of every step go to
// ardour-window/ beside the test.
#include "ArdourScreen.h"
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

juce::Image strip (const char* data, int size) { return juce::ImageFileFormat::loadFrom (data, (size_t) size); }
const juce::Image fileStrip = strip (PandrelModulationUpperPanelBinImg::file_png, PandrelModulationUpperPanelBinImg::file_pngSize);
const juce::Image newFolderStrip = strip (PandrelDialogBoxBinImg::newfolder_png, PandrelDialogBoxBinImg::newfolder_pngSize);
const juce::Image saveStrip = strip (PandrelDialogBoxBinImg::save_png, PandrelDialogBoxBinImg::save_pngSize);
const juce::Image cancelStrip = strip (PandrelDialogBoxBinImg::cancel_png, PandrelDialogBoxBinImg::cancel_pngSize);

int menuItem (int n) { return 2 + 22 * n + 11; }

juce::String nameOf (const Format& format, int n) { return format.namePrefix + juce::String::formatted (" %02d", n); }

// The processor entries of the mixer strips, left to right: the plug-ins'
// dark red buttons in the strips' processor boxes.
std::vector<juce::Point<int>> pluginEntries (const juce::Image& screen)
{
    std::vector<juce::Rectangle<int>> found;
    for (int y = 100; y < 420; ++y)
        for (int x = 260; x < 900; ++x)
        {
            const auto c = screen.getPixelAt (x, y);
            if (c.getRed() < 85 || c.getRed() > 115 || c.getGreen() > 58 || c.getBlue() > 58 || c.getRed() < c.getGreen() + 35)
                continue;
            const juce::Rectangle<int> pixel { x, y, 1, 1 };
            auto near = std::find_if (found.begin(), found.end(), [&] (auto r) { return r.expanded (12).intersects (pixel); });
            if (near == found.end())
                found.push_back (pixel);
            else
                *near = near->getUnion (pixel);
        }
    std::vector<juce::Point<int>> centres;
    for (auto r : found)
        if (r.getWidth() > 40 && r.getHeight() > 8)
            centres.push_back (r.getCentre());
    std::sort (centres.begin(), centres.end(), [] (auto a, auto b) { return a.x < b.x; });
    return centres;
}

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
        const bool ready = sandbox.installAndScan (ArdourSandbox::Format::vst2, juce::File (PANDREL_VST2_PLUGIN))
                           && sandbox.installAndScan (ArdourSandbox::Format::vst3, juce::File (PANDREL_VST3_BUNDLE))
                           && sandbox.createWindowSession (settings);
        ASSERT_TRUE (ready) << sandbox.problem();
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

    void namePresets (const Format& format, juce::Point<int> entry);

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

    // Wider than the picture in ardour: the margins are the picture's edge
    // colour, not black.
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
        entries = pluginEntries (x->captureScreen ({ 0, 0, ArdourScreen::width, ArdourScreen::height }));
        return entries.size() >= 2;
    }, 10000));
    save (x->captureScreen ({ 0, 0, ArdourScreen::width, ArdourScreen::height }), "mixer");

    for (size_t i = 0; i < std::size (formats) && ! HasFatalFailure(); ++i)
        namePresets (formats[i], entries[i]);
}
