#include "DesignTestSupport.h"
#include "ProfileFile.h"

#include <csignal>
#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

using testing::ElementsAre;

namespace {

namespace fs = std::filesystem;

// The design of the two-line fixture: the start-up design with a title and two lines.
void makeTwoLineDesign(CaseDesign &design)
{
    design.title = "Low";
    design.contents = {"Speed of Life", "Breaking Glass"};
}

// Everything a design file holds, as the start-up design holds it after a load of that file.
DesignFields loadedStartUpDesign()
{
    DesignFields fields;
    return fields;
}

TEST(DesignFile, NewDesignIsWrittenAsTheWindowsFunctionsWriteIt)
{
    TempDir dir;
    CaseDesign design;
    design.resetToNew();
    writeDesignFile(design, dir.file("new.vnx"));
    EXPECT_EQ(readBytes(dir.file("new.vnx")), readBytes(dataFile("new-design.vnx")));
}

TEST(DesignFile, TwoLineDesignIsWrittenAsTheWindowsFunctionsWriteIt)
{
    TempDir dir;
    CaseDesign design;
    makeTwoLineDesign(design);
    writeDesignFile(design, dir.file("two.vnx"));
    EXPECT_EQ(readBytes(dir.file("two.vnx")), readBytes(dataFile("two-lines.vnx")));
}

TEST(DesignFile, FixturesLoadBackEqual)
{
    CaseDesign fresh;
    readDesignFile(fresh, dataFile("new-design.vnx"));
    EXPECT_EQ(fresh.fields(), loadedStartUpDesign());

    CaseDesign two;
    readDesignFile(two, dataFile("two-lines.vnx"));
    CaseDesign expected;
    makeTwoLineDesign(expected);
    EXPECT_EQ(two.fields(), expected.fields());
}

TEST(DesignFile, EveryStoredFieldSurvivesASaveAndLoad)
{
    TempDir dir;
    CaseDesign design;
    design.title = "\xE3\x83\xAF\xE3\x83\xBC\xE3\x83\xAB\xE3\x83\x89"; // not Latin: UTF-16 file
    design.contents = {"  Warszawa", "\"Heroes\"", "'Helden'", "tab at end\t", "a\"b", "\"", ""};
    const TextAlignment alignments[]
        = {TextAlignment::Left, TextAlignment::Center, TextAlignment::Right, TextAlignment::Left};
    const TColor colours[] = {clRed, 0x00FF8000, clNone, static_cast<TColor>(0x80000019u)};
    for (TextSlot slot : kAllTextSlots) {
        const auto i = static_cast<std::size_t>(slot);
        TextStyle &s = design.style(slot);
        s.fontName = i == 0 ? " Padded Font " : "Font " + std::to_string(i);
        s.size = static_cast<int>(7 + i);
        s.color = colours[i];
        s.bold = i % 2 == 0;
        s.italic = i == 1;
        s.underline = i == 2;
        s.strikeout = i == 3;
        s.alignment = alignments[i];
    }
    design.folderBackground = clNavy;
    design.caseBackground = -1;
    design.sideBackground = clFuchsia;
    design.imagePlacement = ImagePlacement::Both;
    design.imagePath = "C:\\Bilder\\cover.bmp";
    writeDesignFile(design, dir.file("all.vnx"));
    EXPECT_EQ(readBytes(dir.file("all.vnx")).substr(0, 2), "\xFF\xFE");

    CaseDesign loaded;
    loaded.sideTitleColor = clGreen; // not stored: stays
    readDesignFile(loaded, dir.file("all.vnx"));
    DesignFields expected = design.fields();
    expected.sideTitleColor = clGreen;
    expected.fileName = loaded.fileName;
    expected.modified = true; // alignments and placement were applied
    EXPECT_EQ(loaded.fields(), expected);
}

TEST(DesignFile, ShorterContentsLeaveNoOldLinesBehind)
{
    TempDir dir;
    CaseDesign design;
    design.contents = {"1", "2", "3", "4", "5"};
    writeDesignFile(design, dir.file("d.vnx"));
    design.contents = {"one", "two"};
    writeDesignFile(design, dir.file("d.vnx"));

    const std::string bytes = readBytes(dir.file("d.vnx"));
    // The erased section is written anew at the end of the file, as the Windows functions do.
    const std::string cont = "[cont]\r\nno=2\r\n1=one\r\n2=two\r\n";
    EXPECT_EQ(bytes.substr(bytes.size() - cont.size()), cont) << bytes;
    EXPECT_EQ(bytes.find("3="), std::string::npos);
}

TEST(DesignFile, SaveKeepsWhatItDoesNotOwn)
{
    TempDir dir;
    const std::string file = dir.file("d.vnx");
    writeBytes(file,
               "; written by hand\r\n[extra]\r\nanswer = "
               "42\r\n\r\n[title]\r\ntext=Old\r\nsubtitle=keep\r\n"
               "[ftf]\r\nNAME=Old\r\nshadow=1\r\n");
    CaseDesign design;
    design.title = "New";
    writeDesignFile(design, file);

    const std::string bytes = readBytes(file);
    EXPECT_EQ(bytes.rfind("; written by hand\r\n[extra]\r\nanswer = 42\r\n\r\n[title]\r\n"
                          "text=New\r\nsubtitle=keep\r\n[ftf]\r\nNAME=Arial\r\nshadow=1\r\n"
                          "size=18\r\ncolor=clBlack\r\nalign=1\r\nbold=1\r\n",
                          0),
              0u)
        << bytes;
    CaseDesign loaded;
    readDesignFile(loaded, file);
    EXPECT_EQ(loaded.title, "New");
}

TEST(DesignFile, MissingOrForeignFileGivesTheDefaults)
{
    TempDir dir;
    writeBytes(dir.file("other.ini"), "[settings]\r\nno=5\r\n");
    for (const std::string &file : {dir.file("absent.vnx"), dir.file("other.ini")}) {
        CaseDesign design;
        design.title = "x";
        design.contents = {"y"};
        design.sideBackground = clRed;
        design.sideTitleColor = clRed;
        design.imagePath = "/p.bmp";
        for (TextStyle &s : design.styles) {
            s.fontName = "Courier";
            s.size = 3;
            s.alignment = TextAlignment::Left;
        }
        readDesignFile(design, file);

        EXPECT_TRUE(design.title.empty());
        EXPECT_TRUE(design.contents.empty());
        for (TextSlot slot : kAllTextSlots) {
            const TextStyle &s = design.style(slot);
            const bool title = slot == TextSlot::FolderTitle || slot == TextSlot::CaseTitle;
            EXPECT_EQ(s.fontName, "Arial");
            EXPECT_EQ(s.size, title ? 18 : 10);
            EXPECT_EQ(s.color, clBlack);
            EXPECT_FALSE(s.bold || s.italic || s.underline || s.strikeout);
            EXPECT_EQ(s.alignment, TextAlignment::Center);
        }
        EXPECT_EQ(design.sideBackground, clWhite); // the reader's default, unlike New
        EXPECT_EQ(design.sideTitleColor, clRed);
        EXPECT_EQ(design.imagePath, "/p.bmp");
        EXPECT_EQ(design.imagePlacement, ImagePlacement::None);
    }
}

// --- loading single values ------------------------------------------------------------------

struct LoadCase
{
    const char *name;
    std::string file; // CR LF lines
    std::function<void(const CaseDesign &)> check;
};

class LoadCases : public testing::TestWithParam<LoadCase>
{
};

TEST_P(LoadCases, Loads)
{
    TempDir dir;
    writeBytes(dir.file("d.vnx"), GetParam().file);
    CaseDesign design;
    design.style(TextSlot::FolderTitle).fontName = "Before";
    readDesignFile(design, dir.file("d.vnx"));
    GetParam().check(design);
}

std::function<void(const CaseDesign &)> contentsAre(const std::vector<std::string> &lines)
{
    return [lines](const CaseDesign &d) {
        EXPECT_EQ(d.contents, lines);
    };
}

std::function<void(const CaseDesign &)> folderTitleAlignmentIs(TextAlignment a)
{
    return [a](const CaseDesign &d) {
        EXPECT_EQ(d.style(TextSlot::FolderTitle).alignment, a);
    };
}

std::function<void(const CaseDesign &)> folderTitleColourIs(TColor c)
{
    return [c](const CaseDesign &d) {
        EXPECT_EQ(d.style(TextSlot::FolderTitle).color, c);
    };
}

std::function<void(const CaseDesign &)> titleIs(const std::string &t)
{
    return [t](const CaseDesign &d) {
        EXPECT_EQ(d.title, t);
    };
}

INSTANTIATE_TEST_SUITE_P(
    DesignFile, LoadCases,
    testing::Values(
        LoadCase {"no_below_the_keys", crlf({"[cont]", "no=2", "1=a", "2=b", "3=c", "4=d", "5=e"}),
                  contentsAre({"a", "b"})},
        LoadCase {"missing_line_key_is_empty", crlf({"[cont]", "no=3", "1=a", "3=c"}),
                  contentsAre({"a", "", "c"})},
        LoadCase {"no_zero", crlf({"[cont]", "no=0", "1=a"}), contentsAre({})},
        LoadCase {"no_negative", crlf({"[cont]", "no=-4", "1=a"}), contentsAre({})},
        LoadCase {"no_hex", crlf({"[cont]", "no=$2", "1=a", "2=b"}), contentsAre({"a", "b"})},
        LoadCase {"align_left", crlf({"[ftf]", "align=0"}),
                  folderTitleAlignmentIs(TextAlignment::Left)},
        LoadCase {"align_right", crlf({"[ftf]", "align=2"}),
                  folderTitleAlignmentIs(TextAlignment::Right)},
        LoadCase {"align_7_is_center", crlf({"[ftf]", "align=7"}),
                  folderTitleAlignmentIs(TextAlignment::Center)},
        LoadCase {"align_minus_1_is_center", crlf({"[ftf]", "align=-1"}),
                  folderTitleAlignmentIs(TextAlignment::Center)},
        LoadCase {"align_missing_is_center", crlf({"[ftf]", "size=3"}),
                  folderTitleAlignmentIs(TextAlignment::Center)},
        LoadCase {"bold_2_is_off", crlf({"[ftf]", "bold=2"}),
                  [](const CaseDesign &d) {
                      EXPECT_FALSE(d.style(TextSlot::FolderTitle).bold);
                  }},
        LoadCase {"flags_on", crlf({"[ccf]", "bold=1", "italic=1", "underline=1", "strikeout=1"}),
                  [](const CaseDesign &d) {
                      const TextStyle &s = d.style(TextSlot::CaseContents);
                      EXPECT_TRUE(s.bold && s.italic && s.underline && s.strikeout);
                  }},
        LoadCase {"colour_ident_lower_case", crlf({"[ftf]", "color=clred"}),
                  folderTitleColourIs(clRed)},
        LoadCase {"colour_decimal", crlf({"[ftf]", "color=255"}), folderTitleColourIs(clRed)},
        LoadCase {"colour_hex", crlf({"[ftf]", "color=$000000FF"}), folderTitleColourIs(clRed)},
        LoadCase {"colour_hex_without_ident", crlf({"[ftf]", "color=$00FF8000"}),
                  folderTitleColourIs(0x00FF8000)},
        LoadCase {"sel_9_is_none", crlf({"[image]", "sel=9"}),
                  [](const CaseDesign &d) {
                      EXPECT_EQ(d.imagePlacement, ImagePlacement::None);
                      EXPECT_FALSE(d.modified);
                  }},
        LoadCase {"title_blanks_trimmed", crlf({"[title]", "text=   Low\t "}), titleIs("Low")},
        LoadCase {"title_quotes_removed", crlf({"[title]", "text=\"Heroes\""}), titleIs("Heroes")},
        LoadCase {"title_cut_to_2047", crlf({"[title]", "text=" + std::string(3000, 'w')}),
                  titleIs(std::string(2047, 'w'))},
        LoadCase {"empty_name_keeps_font", crlf({"[ftf]", "name="}),
                  [](const CaseDesign &d) {
                      EXPECT_EQ(d.style(TextSlot::FolderTitle).fontName, "Before");
                  }},
        LoadCase {"long_name_cut_to_31", crlf({"[fcf]", "name=" + std::string(40, 'n')}),
                  [](const CaseDesign &d) {
                      EXPECT_EQ(d.style(TextSlot::FolderContents).fontName, std::string(31, 'n'));
                  }},
        LoadCase {"sections_in_any_order",
                  crlf({"[ccf]", "size=9", "[cont]", "2=b", "no=2", "1=a"}),
                  [](const CaseDesign &d) {
                      EXPECT_EQ(d.contents, (std::vector<std::string> {"a", "b"}));
                      EXPECT_EQ(d.style(TextSlot::CaseContents).size, 9);
                  }},
        LoadCase {"lf_only_file", "[title]\ntext=Unix\n", titleIs("Unix")},
        LoadCase {"windows_1252_title", crlf({"[title]", "text=Caf\xE9"}), titleIs("Caf\xC3\xA9")}),
    [](const testing::TestParamInfo<LoadCase> &info) { return std::string(info.param.name); });

// --- failing loads ---------------------------------------------------------------------------

struct FailCase
{
    const char *name;
    std::string file;
    std::string message;
    std::function<void(const CaseDesign &)> check; // what the steps before the failure left
};

class FailingLoadCases : public testing::TestWithParam<FailCase>
{
};

TEST_P(FailingLoadCases, EndsAtTheFailingStep)
{
    TempDir dir;
    writeBytes(dir.file("d.vnx"), GetParam().file);
    CaseDesign design;
    design.title = "before";
    design.folderBackground = clTeal;
    design.caseBackground = clTeal;
    design.style(TextSlot::CaseContents).color = clTeal;
    design.style(TextSlot::FolderTitle).alignment = TextAlignment::Left;
    FakeImageChooser chooser;
    try {
        readDesignFile(design, dir.file("d.vnx"), &chooser);
        FAIL() << "loaded";
    } catch (const std::exception &e) {
        EXPECT_EQ(e.what(), GetParam().message);
    }
    GetParam().check(design);
}

INSTANTIATE_TEST_SUITE_P(
    DesignFile, FailingLoadCases,
    testing::Values(
        FailCase {"no_is_a_word", crlf({"[title]", "text=T", "[cont]", "no=two"}),
                  "'two' is not a valid integer value",
                  [](const CaseDesign &d) {
                      EXPECT_EQ(d.title, ""); // step 1 ran, step 4 did not
                      EXPECT_FALSE(d.style(TextSlot::FolderTitle).bold);
                      EXPECT_FALSE(d.modified);
                  }},
        FailCase {"no_beyond_the_bound", crlf({"[cont]", "no=2147483647"}),
                  "Too many contents lines: 2147483647 (a design holds at most 1048576)",
                  [](const CaseDesign &d) {
                      EXPECT_TRUE(d.contents.empty());
                  }},
        FailCase {"colour_of_second_slot", crlf({"[ftf]", "color=clRed", "[fcf]", "color=red"}),
                  "'red' is not a valid integer value",
                  [](const CaseDesign &d) {
                      EXPECT_EQ(d.style(TextSlot::FolderTitle).color, clRed);
                      EXPECT_EQ(d.style(TextSlot::FolderContents).color, clBlack);
                      EXPECT_EQ(d.style(TextSlot::CaseContents).color, clTeal);
                  }},
        FailCase {"size_is_a_word", crlf({"[ctf]", "size=big"}),
                  "'big' is not a valid integer value",
                  [](const CaseDesign &d) {
                      EXPECT_EQ(d.style(TextSlot::CaseContents).color, clTeal);
                  }},
        FailCase {"bold_is_a_word", crlf({"[title]", "text=T", "[fcf]", "italic=yes"}),
                  "'yes' is not a valid integer value",
                  [](const CaseDesign &d) {
                      EXPECT_EQ(d.title, "T");
                      EXPECT_EQ(d.style(TextSlot::CaseContents).color, clBlack); // step 5 done
                      EXPECT_EQ(d.style(TextSlot::FolderTitle).alignment, TextAlignment::Left);
                  }},
        FailCase {"align_is_a_word", crlf({"[ftf]", "bold=1", "[ctf]", "align=center"}),
                  "'center' is not a valid integer value",
                  [](const CaseDesign &d) {
                      EXPECT_TRUE(d.style(TextSlot::FolderTitle).bold); // step 6 done
                      // ftf and fcf were applied before ctf failed; ftf changed, so modified is
                      // set.
                      EXPECT_EQ(d.style(TextSlot::FolderTitle).alignment, TextAlignment::Center);
                      EXPECT_TRUE(d.modified);
                      EXPECT_EQ(d.folderBackground, clTeal);
                  }},
        FailCase {"case_background", crlf({"[backg]", "fold=clRed", "case=Red"}),
                  "'Red' is not a valid integer value",
                  [](const CaseDesign &d) {
                      EXPECT_EQ(d.folderBackground, clRed);
                      EXPECT_EQ(d.caseBackground, clTeal);
                  }},
        FailCase {"sel_is_a_word", crlf({"[backg]", "side=clRed", "[image]", "sel=both"}),
                  "'both' is not a valid integer value",
                  [](const CaseDesign &d) {
                      EXPECT_EQ(d.sideBackground, clRed);
                      EXPECT_EQ(d.imagePlacement, ImagePlacement::None);
                  }},
        FailCase {"sel_1_without_imgpath",
                  crlf({"[title]", "text=T", "[backg]", "side=clRed", "[image]", "sel=1"}),
                  "No such file: (none)",
                  [](const CaseDesign &d) {
                      EXPECT_EQ(d.title, "T");
                      EXPECT_EQ(d.sideBackground, clRed);
                      EXPECT_EQ(d.imagePlacement, ImagePlacement::FolderOnly);
                      EXPECT_TRUE(d.modified);
                  }}),
    [](const testing::TestParamInfo<FailCase> &info) { return std::string(info.param.name); });

// --- notifications and the picture step ------------------------------------------------------

TEST(DesignFile, LoadNotifiesInTheOrderOfItsSteps)
{
    TempDir dir;
    writeBytes(dir.file("d.vnx"),
               crlf({"[title]", "text=T", "[ftf]", "align=0", "[ccf]", "align=2", "[image]",
                     "sel=3", "imgpath=/pics/a.bmp"}));
    CaseDesign design;
    RecordingObserver seen;
    design.addObserver(&seen);
    FakeImageChooser chooser;
    chooser.existing = {"/pics/a.bmp"};
    readDesignFile(design, dir.file("d.vnx"), &chooser);

    EXPECT_THAT(
        seen.events,
        ElementsAre("textReplaced", "align 0 0", "align 3 2", "placement 3", "fontsRefresh"));
    EXPECT_THAT(chooser.calls, ElementsAre("select /pics/a.bmp", "load /pics/a.bmp"));
    EXPECT_EQ(design.imagePath, "/pics/a.bmp");
    EXPECT_NE(design.picture, nullptr);
}

TEST(DesignFile, FailedLoadStillShowsWhatItChanged)
{
    TempDir dir;
    writeBytes(dir.file("d.vnx"), crlf({"[cont]", "no=x"}));
    CaseDesign design;
    RecordingObserver seen;
    design.addObserver(&seen);
    EXPECT_THROW(readDesignFile(design, dir.file("d.vnx")), EConvertError);
    EXPECT_THAT(seen.events, ElementsAre("textReplaced", "fontsRefresh"));
}

TEST(DesignFile, EmptyPathReloadsTheChosenFile)
{
    TempDir dir;
    writeBytes(dir.file("d.vnx"), crlf({"[image]", "sel=2", "imgpath="}));
    CaseDesign design;
    FakeImageChooser chooser;
    chooser.chosen = "/pics/earlier.bmp";
    readDesignFile(design, dir.file("d.vnx"), &chooser);
    EXPECT_THAT(chooser.calls, ElementsAre("load /pics/earlier.bmp"));
    EXPECT_EQ(design.imagePath, "/pics/earlier.bmp");
}

TEST(DesignFile, PlacementNoneLeavesPictureAndPath)
{
    TempDir dir;
    writeBytes(dir.file("d.vnx"), crlf({"[image]", "sel=0", "imgpath=/pics/other.bmp"}));
    CaseDesign design;
    design.imagePath = "/pics/kept.bmp";
    design.picture = std::make_shared<FakePicture>();
    const auto picture = design.picture;
    FakeImageChooser chooser;
    readDesignFile(design, dir.file("d.vnx"), &chooser);
    EXPECT_TRUE(chooser.calls.empty());
    EXPECT_EQ(design.imagePath, "/pics/kept.bmp");
    EXPECT_EQ(design.picture, picture);
}

TEST(DesignFile, WithoutAChooserThePathIsRecordedAndThePictureKept)
{
    TempDir dir;
    writeBytes(dir.file("d.vnx"), crlf({"[image]", "sel=1", "imgpath=C:\\pics\\a.bmp"}));
    CaseDesign design;
    design.picture = std::make_shared<FakePicture>();
    const auto picture = design.picture;
    readDesignFile(design, dir.file("d.vnx"));
    EXPECT_EQ(design.imagePath, "C:\\pics\\a.bmp");
    EXPECT_EQ(design.picture, picture);
}

// --- saves that fail -------------------------------------------------------------------------

class FailingSave : public testing::Test
{
protected:
    void SetUp() override
    {
        file = dir.file("old.vnx");
        writeBytes(file, oldBytes);
        design.title = "New";
        design.contents.assign(2000, std::string(100, 'c'));
    }

    void expectFailsLeavingTheOldFile(const std::string &target)
    {
        try {
            writeDesignFile(design, target);
            FAIL() << "saved";
        } catch (const EFileError &e) {
            EXPECT_EQ(std::string(e.what()), "Unable to write to " + target);
        }
        EXPECT_EQ(readBytes(file), oldBytes);
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1)
            << "a temporary file was left behind";
    }

    TempDir dir;
    std::string file;
    const std::string oldBytes = crlf({"[title]", "text=Old", "[extra]", "keep=1"});
    CaseDesign design;
};

TEST_F(FailingSave, MissingFolder)
{
    expectFailsLeavingTheOldFile(dir.file("no-such-folder/new.vnx"));
}

TEST_F(FailingSave, PathIsAFolder)
{
    fs::create_directory(dir.file("folder.vnx"));
    try {
        writeDesignFile(design, dir.file("folder.vnx"));
        FAIL() << "saved";
    } catch (const EFileError &e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + dir.file("folder.vnx"));
    }
    EXPECT_TRUE(fs::is_directory(dir.file("folder.vnx")));
    EXPECT_TRUE(fs::is_empty(dir.file("folder.vnx")));
}

TEST_F(FailingSave, ReadOnlyFile)
{
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    expectFailsLeavingTheOldFile(file);
}

TEST_F(FailingSave, DiskFullHalfWay)
{
    // The file size limit makes the write of the temporary file fail part-way, as a full disk
    // would. SIGXFSZ would end the process; ignored, the write reports EFBIG instead.
    struct rlimit old
    {
    };
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    expectFailsLeavingTheOldFile(file);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previousHandler);
}

TEST_F(FailingSave, TooManyContentsLines)
{
    design.contents.assign(static_cast<std::size_t>(kMaxContentsLines) + 1, "");
    try {
        writeDesignFile(design, file);
        FAIL() << "saved";
    } catch (const EFileError &e) {
        EXPECT_EQ(std::string(e.what()),
                  "Too many contents lines: 1048577 (a design holds at most 1048576)");
    }
    EXPECT_EQ(readBytes(file), oldBytes);
}

TEST(DesignFile, SaveKeepsTheFilesPermissions)
{
    TempDir dir;
    const std::string file = dir.file("d.vnx");
    writeBytes(file, "");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    CaseDesign design;
    writeDesignFile(design, file);
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(DesignFile, SaveThroughALinkReplacesItsTarget)
{
    TempDir dir;
    writeBytes(dir.file("real.vnx"), "");
    fs::create_symlink(dir.file("real.vnx"), dir.file("link.vnx"));
    CaseDesign design;
    design.title = "Linked";
    writeDesignFile(design, dir.file("link.vnx"));
    EXPECT_TRUE(fs::is_symlink(dir.file("link.vnx")));
    CaseDesign loaded;
    readDesignFile(loaded, dir.file("real.vnx"));
    EXPECT_EQ(loaded.title, "Linked");
}

} // namespace
