// The preset menu with the real processor and real files: the change mark,
// writing, loading back and comparing, hostile paths and hostile files.
#include "MorvidPresetFolder.h"
#include "MorvidPresetMenu.h"
#include "PandrelTQ4418AudioProcessor.h"
#include "PresetDocument.h"
#include "PresetMenuTestFolder.h"

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

class PresetMenu : public PresetMenuTestFolder
{
protected:
    void SetUp() override
    {
        menu.setDirectoryPath (MorvidPresetFolder::getPresetFolder().getFullPathName());
        menu.setFileExtension (MorvidPresetFolder::wildcard);
        // Values the preset text carries exactly, none of them the default.
        const float values[] { 1.0f, 0.5f, 0.25f, 5.0f / 18.0f, 0.75f, 0.125f, 0.5f, 0.375f, 0.625f, 1.0f, 0.0f };
        for (int i = 0; i < ParameterTable::numParameters; ++i)
            saved.setParameterNotifyingHost (i, values[i]);
    }

    juce::String presetText (PandrelTQ4418AudioProcessor& p) { return p.writePreset (true).toString(); }

    PandrelTQ4418AudioProcessor saved, fresh;
    MorvidPresetMenu menu { "presetName_" };
};

TEST_F (PresetMenu, ChangeMarkComesOnceAndGoesWithAnotherSelection)
{
    put ("Bass/Warm.mdtz");
    put ("Bass/Zed.mdtz");
    menu.setSelectedFilePath ("Init.mdtz");
    menu.setPresetHasChanged();
    EXPECT_EQ (menu.getText(), "Init*");

    menu.setSelectedFilePath ("Bass/Warm.mdtz");
    EXPECT_EQ (menu.getText(), "Warm");
    menu.setPresetHasChanged(), menu.setPresetHasChanged();
    EXPECT_EQ (menu.getText(), "Warm*");
    menu.nextResult();
    EXPECT_EQ (menu.getText(), "Zed");
    menu.setMarkedAsChange (true), menu.setPresetHasChanged();
    EXPECT_EQ (menu.getText(), "Zed");

    // Picking the last pick again tells the listeners only while it is marked.
    int calls = 0;
    menu.onTextChange = [&] { ++calls; };
    const auto shown = shownContents (menu);
    menu.applyMenuPick (1, shown);
    menu.setPresetHasChanged();
    menu.applyMenuPick (1, shown);
    EXPECT_EQ (menu.getText(), "Warm");
    menu.applyMenuPick (1, shown);
    EXPECT_EQ (calls, 2);
}

TEST_F (PresetMenu, WritesIntoANewFolderSelectsItAndLoadsBackWithNothingLost)
{
    menu.setSelectedFilePath ("Init.mdtz");
    menu.compareAndMarkPreset (&saved); // no preset folder yet: nothing to compare

    ASSERT_TRUE (menu.writePreset (&saved, "New/Mine.mdtz"));
    const auto file = root.getChildFile ("New/Mine.mdtz");
    EXPECT_EQ (file.loadFileAsString(), presetText (saved)); // no DTD, lines wrapped at 60
    EXPECT_EQ (file.getParentDirectory().getNumberOfChildFiles (juce::File::findFilesAndDirectories), 1);
    EXPECT_EQ (menu.getSelectedFilePath() + " " + menu.getText(), "New/Mine.mdtz Mine");
    EXPECT_EQ (menu.getFilePath (menu.getSelectedFileIndex() - 1), file.getFullPathName());

    // Reading leaves the label, the selection and the mark alone.
    menu.setSelectedFilePath ("Init.mdtz");
    EXPECT_EQ (menu.readPreset (&fresh, "New/Mine.mdtz"), 1);
    menu.setPresetHasChanged();
    EXPECT_EQ (menu.getSelectedFilePath() + " " + menu.getText(), "Init.mdtz Init*");
    EXPECT_EQ (presetText (fresh), presetText (saved));
    menu.setSelectedFilePath ("New/Mine.mdtz");
    menu.compareAndMarkPreset (&fresh);
    EXPECT_EQ (menu.getText(), "Mine");
    fresh.setParameterNotifyingHost (ParameterTable::depth, 0.75001f);
    menu.compareAndMarkPreset (&fresh);
    EXPECT_EQ (menu.getText(), "Mine*");

    // An absolute path inside the folder: overwritten and selected the same way.
    ASSERT_TRUE (menu.writePreset (&fresh, file.getFullPathName()));
    EXPECT_EQ (menu.getSelectedFilePath() + " " + menu.getText(), "New/Mine.mdtz Mine");
    EXPECT_EQ (menu.readPreset (&saved, file.getFullPathName()), 1);
    EXPECT_FLOAT_EQ (saved.getParameter (ParameterTable::depth), 0.75001f);
}

TEST_F (PresetMenu, RefusesPathsOutsideThePresetFolderAndAnythingButPresetFiles)
{
    const auto outside = home.getChildFile ("outside.mdtz");
    ASSERT_TRUE (outside.replaceWithText (presetText (saved)));
    const auto untouched = presetText (fresh);
    const auto rootPath = root.getFullPathName();
    put ("Folder.mdtz/inside.mdtz");

    for (const auto& path : juce::StringArray { "../../../../../outside.mdtz", "..\\..\\..\\..\\..\\outside.mdtz",
                                                "New/../../../../../../outside.mdtz", "~/outside.mdtz",
                                                outside.getFullPathName(), rootPath + "Evil/outside.mdtz", "",
                                                "New/..", "Folder.mdtz", "script.sh",
                                                "~" + juce::String::repeatedString ("n", 200) + "/x.mdtz" })
    {
        SCOPED_TRACE (path);
        EXPECT_EQ (menu.readPreset (&fresh, path), 0);
        EXPECT_FALSE (menu.writePreset (&fresh, path));
    }

    EXPECT_EQ (presetText (fresh), untouched);
    EXPECT_EQ (outside.loadFileAsString(), presetText (saved));
    EXPECT_FALSE (juce::File (rootPath + "Evil").exists() || root.getChildFile ("script.sh").exists());
    EXPECT_TRUE (root.getChildFile ("Folder.mdtz").isDirectory());
}

TEST_F (PresetMenu, FoldersNamedInBytesThatAreNoUtf8AreListedSteppedAndLoaded)
{
    for (const char* folder : { "Caf\xe9", "\xd6", "\xf1", "\xff" })
        putBytes (std::string (folder) + "/B.mdtz", presetText (saved));
    putBytes ("\xff/Junk.mdtz", "<notAPreset/>");
    menu.setSelectedFilePath ("Init.mdtz");
    ASSERT_EQ (menu.getNumOfFiles(), 6);

    for (int i = 1; i < menu.getNumOfFiles(); ++i)
    {
        menu.nextResult();
        const auto expected = menu.getText() == "Junk" ? 0 : 1;
        EXPECT_EQ (menu.readPreset (&fresh, menu.getSelectedFilePath()), expected) << menu.getText();
    }
    EXPECT_EQ (presetText (fresh), presetText (saved));

    // Each byte that is no UTF-8 shows as U+FFFD, listed or not.
    putBytes ("S\xc3.mdtz", presetText (saved));
    menu.setSelectedFilePath (MorvidPresetFolder::fromBytes ("S\xc3.mdtz"));
    EXPECT_EQ (menu.getText(), juce::String::fromUTF8 ("S\xef\xbf\xbd"));
    menu.setSelectedFilePath (MorvidPresetFolder::fromBytes ("\xff/Gone\xe9.mdtz"));
    EXPECT_EQ (menu.getText(), juce::String::fromUTF8 ("Gone\xef\xbf\xbd*"));
}

TEST_F (PresetMenu, AFailedWriteReturnsFalseAndLeavesNoFile)
{
    put ("Blocked", "a file where a folder is wanted");
    EXPECT_FALSE (menu.writePreset (&saved, "Blocked/Mine.mdtz"));
    EXPECT_EQ (root.getChildFile ("Blocked").loadFileAsString(), "a file where a folder is wanted");

    put ("System", {}, juce::File ("/proc/self/fdinfo")); // no one may create files there, root included
    EXPECT_FALSE (menu.writePreset (&saved, "System/Mine.mdtz"));
    EXPECT_EQ (menu.getText(), "Mine*");
    EXPECT_FALSE (menu.writePreset (nullptr, "Mine.mdtz"));
    EXPECT_FALSE (root.getChildFile ("Mine.mdtz").exists());

    // Written short (a full disk, a file-size limit): the old preset stays
    // whole, with no ".part" beside it, and the name keeps its mark.
    ASSERT_TRUE (menu.writePreset (&fresh, "Mine.mdtz"));
    const auto old = root.getChildFile ("Mine.mdtz").loadFileAsString();
    rlimit limit {};
    getrlimit (RLIMIT_FSIZE, &limit);
    const auto unlimited = limit;
    limit.rlim_cur = 16;
    const auto previousHandler = std::signal (SIGXFSZ, SIG_IGN);
    setrlimit (RLIMIT_FSIZE, &limit);
    const bool written = menu.writePreset (&saved, "Mine.mdtz");
    setrlimit (RLIMIT_FSIZE, &unlimited);
    std::signal (SIGXFSZ, previousHandler);
    EXPECT_FALSE (written);
    EXPECT_EQ (root.getChildFile ("Mine.mdtz").loadFileAsString(), old);
    EXPECT_EQ (root.findChildFiles (juce::File::findFiles, false, "Mine.mdtz*").size(), 1);
    EXPECT_EQ (menu.getText(), "Mine*");
}

TEST_F (PresetMenu, MarksASelectedFileThatIsNoPresetOfThisPlugIn)
{
    put ("Broken.mdtz", presetText (saved).substring (0, 80));
    put ("Empty.mdtz", "");
    put ("Other.mdtz", "<otherPatch><Properties/></otherPatch>");
    put ("Foreign.mdtz", presetText (saved).replace (PresetDocument::productId, "com.example.Other"));
    put ("Entities.mdtz", "<!DOCTYPE m [<!ENTITY a \"&a;\">]><morvidPatch>&a;</morvidPatch>");
    put ("Good.mdtz", presetText (saved));
    const auto untouched = presetText (fresh);

    for (const juce::String name : { "Broken", "Empty", "Other", "Foreign", "Entities" })
    {
        SCOPED_TRACE (name);
        menu.setSelectedFilePath (name + ".mdtz");
        menu.compareAndMarkPreset (nullptr);
        EXPECT_EQ (menu.getText(), name);
        menu.compareAndMarkPreset (&saved);
        EXPECT_EQ (menu.getText(), name + "*");
        EXPECT_EQ (menu.readPreset (&fresh, name + ".mdtz"), name == "Foreign" ? 2 : 0);
    }

    EXPECT_EQ (menu.readPreset (&fresh, "Missing.mdtz") + menu.readPreset (nullptr, "Good.mdtz"), 0);
    EXPECT_EQ (presetText (fresh), untouched);
    menu.setSelectedFilePath ("Good.mdtz");
    menu.compareAndMarkPreset (&saved);
    EXPECT_EQ (menu.getText(), "Good");
}

TEST_F (PresetMenu, ReadsOnlyRegularFilesNeverPastTheLimitAndNoDocumentThatHangsTheParser)
{
    // A device that never ends, a FIFO nobody writes (opening it would
    // block), a /proc file (no size), one byte over the limit, and an
    // instruction in the text that sends JUCE's parser round for ever.
    put ("Endless.mdtz", {}, juce::File ("/dev/zero"));
    ASSERT_EQ (mkfifo (root.getChildFile ("Pipe.mdtz").getFullPathName().toRawUTF8(), 0600), 0);
    put ("Proc.mdtz", {}, juce::File ("/proc/self/status"));
    const auto good = presetText (saved);
    const auto padded = [&] (int size) {
        auto text = good + juce::String::repeatedString (" ", size - (int) good.getNumBytesAsUTF8());
        ASSERT_TRUE (root.getChildFile ("Huge.mdtz").replaceWithData (text.toRawUTF8(), (size_t) size));
    };
    padded ((1 << 20) + 1);
    put ("Hangs.mdtz", good.replace ("0.75000", "0.<?pi x?>75000"));
    const auto untouched = presetText (fresh);

    for (const juce::String name : { "Endless", "Pipe", "Proc", "Huge", "Hangs" })
    {
        SCOPED_TRACE (name);
        menu.setSelectedFilePath (name + ".mdtz");
        menu.compareAndMarkPreset (&saved);
        EXPECT_EQ (menu.getText(), name + "*");
        EXPECT_EQ (menu.readPreset (&fresh, name + ".mdtz"), 0);
    }
    EXPECT_EQ (presetText (fresh), untouched);

    // At the limit exactly, it loads.
    padded (1 << 20);
    EXPECT_EQ (menu.readPreset (&fresh, "Huge.mdtz"), 1);

    // A file that is there but cannot be read (reading the process's memory
    // at address 0 fails, for root too) says so, and marks.
    put ("Unreadable.mdtz", {}, juce::File ("/proc/self/mem"));
    EXPECT_EQ (menu.readPreset (&fresh, "Unreadable.mdtz"), MorvidPresetMenu::cannotBeRead);
    menu.setSelectedFilePath ("Unreadable.mdtz");
    menu.compareAndMarkPreset (&fresh);
    EXPECT_EQ (menu.getText(), "Unreadable*");
}

TEST_F (PresetMenu, ABackslashInAFileNameNamesThatFileAndOtherwiseSeparatesFolders)
{
    fresh.setParameterNotifyingHost (ParameterTable::depth, 0.5f);
    putBytes ("x\\y.mdtz", presetText (saved)); // depth 0.75
    put ("x/y.mdtz", presetText (fresh));
    const auto other = presetText (fresh);
    menu.setSelectedFilePath ("Init.mdtz");
    ASSERT_EQ (menu.getNumOfFiles(), 3);

    // Selected by its path or stepped to, the file that holds the backslash
    // is the one ticked, read, compared and written.
    for (int id = 1; id < menu.getNumOfFiles(); ++id)
    {
        menu.setSelectedFileIndex (id);
        const auto path = menu.getSelectedFilePath();
        SCOPED_TRACE (path);
        PandrelTQ4418AudioProcessor loaded;
        EXPECT_EQ (menu.readPreset (&loaded, path), 1);
        EXPECT_EQ (loaded.getParameter (ParameterTable::depth), path == "x\\y.mdtz" ? 0.75f : 0.5f);
        menu.setSelectedFilePath (path);
        EXPECT_EQ (menu.getSelectedFileIndex(), id);
        EXPECT_EQ (menu.getText(), path == "x\\y.mdtz" ? "x\\y" : "y");
        menu.compareAndMarkPreset (&loaded);
        EXPECT_EQ (menu.getText(), path == "x\\y.mdtz" ? "x\\y" : "y");
    }
    EXPECT_TRUE (menu.writePreset (&fresh, "x\\y.mdtz"));
    EXPECT_EQ (menu.getSelectedFilePath(), "x\\y.mdtz");
    EXPECT_EQ (root.getChildFile ("x\\y.mdtz").loadFileAsString(), presetText (fresh));
    EXPECT_EQ (root.getChildFile ("x/y.mdtz").loadFileAsString(), other);

    // With no such file, a backslash separates folders (a path from another
    // system).
    ASSERT_TRUE (root.getChildFile ("x\\y.mdtz").deleteFile());
    EXPECT_EQ (menu.readPreset (&saved, "x\\y.mdtz"), 1);
    EXPECT_EQ (saved.getParameter (ParameterTable::depth), 0.5f);
    menu.setSelectedFilePath ("x\\y.mdtz");
    EXPECT_EQ (menu.getSelectedFilePath() + " " + menu.getText(), "x/y.mdtz y");
}
