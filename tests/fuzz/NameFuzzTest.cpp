// Seeded hostile names typed into the new-folder panel and the save browser
// in a throw-away home: separators, "..", absolute paths, control
// characters, broken UTF-8, very long names, dots and spaces alone, the
// Preset folder's name in other cases. Whatever is typed, nothing appears or
// changes outside the Preset folder. Then seeded preset folder trees of such
// names and links, stepped through, loaded and saved into.
// PANDREL_FUZZ_SEED picks another seed.
#include "FuzzKit.h"
#include "MorvidNewFolderComponent.h"
#include "MorvidPresetBrowser.h"
#include "MorvidPresetFolder.h"
#include "MorvidPresetMenu.h"
#include "PanelTestKit.h"
#include "PandrelTQ4418AudioProcessor.h"
#include "PresetMenuTestFolder.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>

#include <unistd.h>

using namespace fuzz;
using namespace paneltest;

class NameFuzz : public PresetMenuTestFolder
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE (root.createDirectory());
        put ("Keep.mdtz");
        for (const juce::String elsewhere : { "PandrelTQ4418 old/x", "Elsewhere/x" })
        {
            const auto file = root.getParentDirectory().getChildFile (elsewhere);
            ASSERT_TRUE (file.getParentDirectory().createDirectory() && file.replaceWithText ("x"));
        }
        menu.setDirectoryPath (root.getFullPathName());
        menu.setFileExtension (MorvidPresetFolder::wildcard);
        editor.add (browser);
        outside = outsideTheFolder();
    }

    void TearDown() override
    {
        closeLeftovers();
        if (browser.isVisible())
            browser.hide();
        EXPECT_EQ (modalCount(), 0);
        std::printf ("%d cases, %d files and folders made inside\n", cases,
                     root.getNumberOfChildFiles (juce::File::findFilesAndDirectories) - 1);
    }

    // Every path below home but outside the Preset folder, with its size.
    std::map<juce::String, juce::int64> outsideTheFolder() const
    {
        std::map<juce::String, juce::int64> found;
        for (const auto& entry : juce::RangedDirectoryIterator (home, true, "*", juce::File::findFilesAndDirectories))
            if (! entry.getFile().isAChildOf (root) && entry.getFile() != root)
                found[entry.getFile().getFullPathName()] = entry.getFileSize();
        return found;
    }

    // Names that once did harm first, then one to four pieces of trouble.
    juce::String hostileName (Mutator& m, std::uint32_t index)
    {
        static const char* const known[] { "Sub\\..\\Keep", "\\Keep.mdtz", "   ", " .mdtz", ".Keep", "Sub/.x" };
        if (index < std::size (known))
            return known[index];
        static const char* const pieces[] { "/", "\\", "..", ".", "../", "/..", "../..", "~", "~/x", " ", "...", ". .",
                                            "PandrelTQ4418", "pandreltq4418", "PANDRELTQ4418", "../PandrelTQ4418 old",
                                            "../Elsewhere", "Presets", "../../../../../../tmp", "Lead", "Lead.mdtz",
                                            ".mdtz", "a:b", "*", "?", "\"", "<>", "|", "%s%n", "$HOME", "\t", "\r\n" };
        static const char* const badUtf8[] { "\xc0\xaf", "\xc0\xae\xc0\xae", "\xed\xa0\x80", "\xff", "\x80", "\xe2\x88",
                                             "\xef\xbc\x8f", "\xe2\x80\xae", "\xc3" };
        juce::String name;
        for (size_t k = 0, n = 1 + m.below (4); k < n; ++k)
        {
            switch (m.below (6))
            {
                case 0: // as JUCE turns outside bytes into text (fromUTF8 takes valid UTF-8 only)
                {
                    const char* bytes = m.pick (badUtf8);
                    name += juce::String::createStringFromData (bytes, static_cast<int> (std::strlen (bytes)));
                    break;
                }
                case 1: name += juce::String::charToString (static_cast<juce::juce_wchar> (1 + m.below (31))); break;
                case 2: name += juce::String::repeatedString (m.below (2) == 0 ? "." : " ", 1 + static_cast<int> (m.below (8))); break;
                case 3: // "~" and a long name: a user that does not exist, so the path stays relative
                    name += juce::String (m.below (3) == 0 ? "~" : "") + juce::String::repeatedString ("n", m.below (2) == 0 ? 300 : 5000);
                    break;
                case 4: name += (m.below (2) == 0 ? home : root).getFullPathName(); break;
                default: name += m.pick (pieces); break;
            }
        }
        return name;
    }

    MorvidNewFolderComponent& newFolder() { return child<MorvidNewFolderComponent> (browser, "newFolderComponent_"); }
    juce::FileBrowserComponent& list() { return child<juce::FileBrowserComponent> (browser, "fileBrowser_"); }

    // Closes whatever a case left open over the browser.
    void closeLeftovers()
    {
        for (auto* owner : { static_cast<juce::Component*> (&newFolder()), static_cast<juce::Component*> (&browser) })
            if (auto& alert = child<MorvidAlertComponent> (*owner, "alertComponent_"); alert.isVisible())
                alert.hide();
        if (auto& question = child<MorvidOverwriteComponent> (browser, "overwriteComponent_"); question.isVisible())
            question.hide();
        if (newFolder().isVisible())
            newFolder().hide();
        pump();
    }

    PandrelTQ4418AudioProcessor processor;
    MorvidPresetMenu menu { "presetName_" };
    Editor editor;
    MorvidPresetBrowser browser { "savePresetBrowser_", "Save", MorvidPresetFolder::getPresetFolder(),
                                  MorvidPresetFolder::wildcard, 5, 1, 5, 3, 8, &processor, &menu };
    std::map<juce::String, juce::int64> outside;
    Watchdog watchdog;
    const std::uint32_t seed = baseSeed();
    int cases = 0;
};

TEST_F (NameFuzz, NothingIsMadeOutsideThePresetFolder)
{
    browser.show();
    for (std::uint32_t index = 0; index < 250 && ! HasFatalFailure(); ++index, ++cases)
    {
        Mutator m (seed, 30, index);
        const auto name = hostileName (m, index);
        const auto where = "name case " + std::to_string (index) + " of PANDREL_FUZZ_SEED=" + std::to_string (seed) + ": "
                         + excerpt (name.toStdString());
        // Sometimes from a folder made inside.
        list().setRoot (m.below (4) == 0 ? root.getChildFile ("Sub") : root);
        if (! list().getRoot().isDirectory())
            list().setRoot (root);

        watchdog.arm (where + " (new folder)");
        newFolder().show();
        child<juce::TextEditor> (newFolder(), "textEditor_").setText (name);
        newFolder().timerCallback();
        click (newFolder(), "OK");
        closeLeftovers();

        watchdog.arm (where + " (save)");
        list().setFileName (name);
        browser.timerCallback();
        browser.okButtonClicked(); // forced, whether Save is usable or not
        closeLeftovers();
        watchdog.disarm();
        if (! browser.isVisible())
            browser.show();
        if (index == 0)
        {
            ASSERT_TRUE (root.getChildFile ("Sub").createDirectory());
        }

        ASSERT_TRUE (outsideTheFolder() == outside) << "something outside the Preset folder changed: " << where;
        ASSERT_TRUE (root.isDirectory()) << where;
        ASSERT_EQ (root.getChildFile ("Keep.mdtz").loadFileAsString(), "x") << "overwritten unasked: " << where;
        for (const auto& entry : juce::RangedDirectoryIterator (root, true, "*", juce::File::findFilesAndDirectories))
        {
            const auto made = entry.isDirectory() ? entry.getFile().getFileName() : entry.getFile().getFileNameWithoutExtension();
            ASSERT_FALSE (made.trim().isEmpty() || made.startsWithChar ('.')) << "unlisted name made: " << where;
        }
    }
}

TEST_F (NameFuzz, FolderTreesOfHostileNamesAndLinksListEachFileOnceAndLoadOrRefuse)
{
    // Names as archives unpacked in other encodings leave them, links to
    // anywhere in the tree and above it, loops, chains deeper than the menu
    // lists. (JUCE's own file list, in the save browser, reads past the end
    // of some such names: it is left out here.)
    static const char* const names[] { "Caf\xe9", "\xd6", "\xf1", "\xff", "a\xbd", "\xe2\x88", "\xed\xa0\x80",
                                       "\xf4\x90\x80\x80", ". .", "...", "\\", "~", "x.mdtz", "Lead" };
    const auto preset = processor.writePreset (true).toString().toStdString();
    const std::string top (MorvidPresetFolder::bytesOf (root.getFullPathName()));
    for (std::uint32_t index = 0; index < 40 && ! HasFatalFailure(); ++index, ++cases)
    {
        Mutator m (seed, 31, index);
        const auto base = top + "/T" + std::to_string (index);
        std::vector<std::string> folders { base };
        std::error_code error; // a name the system refuses is left out
        bool chained = false;
        std::filesystem::create_directory (base, error);
        const auto anyFolder = [&] { return m.below (8) == 0 ? top + "/.." : folders[m.below (folders.size())]; };
        for (int k = 0; k < 24; ++k)
        {
            auto path = folders[m.below (folders.size())] + "/" + m.pick (names) + std::to_string (k);
            switch (m.below (5))
            {
                case 0: if (std::filesystem::create_directory (path, error)) folders.push_back (path); break;
                case 1: std::ofstream (path + ".mdtz") << (m.below (3) == 0 ? "<junk" : preset); break;
                case 2: ::symlink ((m.below (4) == 0 ? path : anyFolder()).c_str(), path.c_str()); break;
                case 3: // one chain deeper than the menu lists (folders are slow to make)
                    for (int level = 0; ! chained && level < 34 && std::filesystem::create_directory (path, error); ++level, path += "/d")
                        std::ofstream (path + "/p.mdtz") << preset;
                    chained = true;
                    break;
                default: // siblings that link to each other
                    for (int i = 0; i < 3; ++i)
                        ::symlink (anyFolder().c_str(), (path + "-" + std::to_string (i)).c_str());
                    break;
            }
        }

        const auto where = "tree case " + std::to_string (index) + " of PANDREL_FUZZ_SEED=" + std::to_string (seed);
        watchdog.arm (where);
        menu.setDirectoryPath (MorvidPresetFolder::fromBytes (base));
        menu.setSelectedFilePath ("none");
        std::set<std::string> listed;
        for (int i = 1; i < menu.getNumOfFiles(); ++i)
        {
            menu.nextResult();
            menu.readPreset (&processor, menu.getSelectedFilePath());
            const auto real = std::filesystem::canonical (std::string (MorvidPresetFolder::bytesOf (menu.getFilePath (i - 1))), error);
            ASSERT_TRUE (error || listed.insert (real).second) << "listed twice: " << real << " in " << where;
        }
        for (int k = 0; k < 4; ++k) // saved into, as the save browser saves
            menu.writePreset (&processor, MorvidPresetFolder::fromBytes (folders[m.below (folders.size())] + "/Lead.mdtz"));
        watchdog.disarm();
        std::filesystem::remove_all (base, error);
    }
}
