#include "FileCommands.h"

#include "AppText.h"

#include <deque>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

// Answers the commands' questions and dialogs from a script and records what was shown.
class ScriptedUi : public FileCommandUi
{
public:
    SaveFirstAnswer answer = SaveFirstAnswer::Cancel;
    std::optional<std::string> openPath;
    std::optional<std::string> savePath;
    int questions = 0;
    int openDialogs = 0;
    int saveDialogs = 0;
    std::vector<std::string> messages;

    SaveFirstAnswer askSaveFirst() override
    {
        ++questions;
        return answer;
    }
    std::optional<std::string> chooseFileToOpen() override
    {
        ++openDialogs;
        return openPath;
    }
    std::optional<std::string> chooseFileToSave() override
    {
        ++saveDialogs;
        return savePath;
    }
    void showMessage(const std::string &text) override { messages.push_back(text); }
};

// The status bar as the main window shows it.
class StatusBar : public DesignObserver
{
public:
    std::string text;
    int updates = 0;
    void fileNameShown(const std::string &fileName) override
    {
        text = fileName;
        ++updates;
    }
};

struct Write
{
    std::string path;
    std::string title;
};

class FileCommandsTest : public ::testing::Test
{
protected:
    CaseDesign design;
    ScriptedUi ui;
    StatusBar status;
    FileCommands commands {design, ui};
    std::vector<Write> writes;
    std::vector<std::string> reads;
    bool writeFails = false;
    bool readFails = false;

    void SetUp() override
    {
        design.addObserver(&status);
        design.showFileName();
        commands.setWriter([this](const CaseDesign &d, const std::string &path) {
            if (writeFails)
                throw EFileError("Unable to write to " + path);
            writes.push_back({path, d.title});
        });
        // A reader that gets part of the way and then meets a bad value when asked to.
        commands.setReader([this](CaseDesign &d, const std::string &path, ImageFileChooser *) {
            reads.push_back(path);
            d.title = "loaded";
            d.applyAlignment(TextSlot::FolderTitle, TextAlignment::Left);
            if (readFails)
                throw EConvertError("'x' is not a valid integer value");
        });
    }

    // A design with edits: a title and a colour change.
    void edit(const std::string &fileName)
    {
        design.fileName = fileName;
        design.showFileName();
        design.title = "My CD";
        design.folderBackground = clRed;
        design.modified = true;
    }

    bool isNew() const
    {
        return design.title.empty() && design.folderBackground == clWhite
            && design.fileName == kUntitled && !design.modified;
    }
};

// New

struct NewCase
{
    const char *name;
    bool modified;
    const char *fileName;
    SaveFirstAnswer answer;
    std::optional<std::string> savePath;
    bool writeFails;
    // expected
    bool asks;
    bool showsSaveDialog;
    const char *writtenTo; // nullptr: nothing written
    bool resets;
    bool throws;
};

class NewCommand : public FileCommandsTest, public ::testing::WithParamInterface<NewCase>
{
};

TEST_P(NewCommand, FollowsTheAnswer)
{
    const NewCase &c = GetParam();
    edit(c.fileName);
    design.modified = c.modified;
    ui.answer = c.answer;
    ui.savePath = c.savePath;
    writeFails = c.writeFails;

    if (c.throws)
        EXPECT_THROW(commands.New(), EFileError);
    else
        EXPECT_NO_THROW(commands.New());

    EXPECT_EQ(ui.questions, c.asks ? 1 : 0);
    EXPECT_EQ(ui.saveDialogs, c.showsSaveDialog ? 1 : 0);
    if (c.writtenTo) {
        ASSERT_EQ(writes.size(), 1u);
        EXPECT_EQ(writes[0].path, c.writtenTo);
        EXPECT_EQ(writes[0].title, "My CD"); // written before the reset
    } else {
        EXPECT_TRUE(writes.empty());
    }
    if (c.resets) {
        EXPECT_TRUE(isNew());
        EXPECT_EQ(status.text, kUntitled);
    } else {
        EXPECT_EQ(design.title, "My CD");
        EXPECT_EQ(design.folderBackground, clRed);
        EXPECT_EQ(design.fileName, c.fileName);
        EXPECT_EQ(design.modified, c.modified);
        EXPECT_EQ(status.text, c.fileName);
    }
    EXPECT_TRUE(ui.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    FileCommands, NewCommand,
    ::testing::Values(
        NewCase {"unmodified_resets_without_question", false, "/cds/a.vnx", SaveFirstAnswer::Cancel,
                 std::nullopt, false, false, false, nullptr, true, false},
        NewCase {"cancel_changes_nothing", true, "/cds/a.vnx", SaveFirstAnswer::Cancel,
                 std::nullopt, false, true, false, nullptr, false, false},
        NewCase {"no_drops_the_edits", true, "/cds/a.vnx", SaveFirstAnswer::No, std::nullopt, false,
                 true, false, nullptr, true, false},
        NewCase {"yes_with_name_writes_without_dialog", true, "/cds/a.vnx", SaveFirstAnswer::Yes,
                 std::nullopt, false, true, false, "/cds/a.vnx", true, false},
        NewCase {"yes_untitled_save_dialog_cancelled", true, kUntitled, SaveFirstAnswer::Yes,
                 std::nullopt, false, true, true, nullptr, false, false},
        NewCase {"yes_untitled_save_dialog_confirmed", true, kUntitled, SaveFirstAnswer::Yes,
                 "/cds/new.vnx", false, true, true, "/cds/new.vnx", true, false},
        NewCase {"yes_with_name_write_fails", true, "/ro/a.vnx", SaveFirstAnswer::Yes, std::nullopt,
                 true, true, false, nullptr, false, true},
        NewCase {"yes_untitled_write_fails", true, kUntitled, SaveFirstAnswer::Yes, "/ro/new.vnx",
                 true, true, true, nullptr, false, true}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(FileCommandsTest, NewAsksAgainAfterAFailedSave)
{
    edit("/ro/a.vnx");
    ui.answer = SaveFirstAnswer::Yes;
    writeFails = true;
    EXPECT_THROW(commands.New(), EFileError);
    writeFails = false;
    commands.New();
    EXPECT_EQ(ui.questions, 2);
    EXPECT_EQ(writes.size(), 1u);
    EXPECT_TRUE(isNew());
}

TEST_F(FileCommandsTest, NewKeepsTheActiveImageFileAndTheFontsCharsets)
{
    design.imagePath = "/pics/a.bmp";
    design.style(TextSlot::CaseTitle).charset = SYMBOL_CHARSET;
    edit("/cds/a.vnx");
    ui.answer = SaveFirstAnswer::No;
    commands.New();
    EXPECT_EQ(design.imagePath, "/pics/a.bmp");
    EXPECT_EQ(design.style(TextSlot::CaseTitle).charset, SYMBOL_CHARSET);
}

// Open

TEST_F(FileCommandsTest, OpenCancelledChangesNothing)
{
    edit("/cds/a.vnx");
    commands.Open();
    EXPECT_TRUE(reads.empty());
    EXPECT_EQ(design.title, "My CD");
    EXPECT_EQ(design.fileName, "/cds/a.vnx");
    EXPECT_TRUE(design.modified);
}

TEST_F(FileCommandsTest, OpenReplacesAModifiedDesignWithoutAQuestion)
{
    edit("/cds/a.vnx");
    ui.openPath = "/cds/b.vnx";
    const int updatesBefore = status.updates;
    commands.Open();
    EXPECT_EQ(ui.questions, 0);
    ASSERT_EQ(reads, std::vector<std::string> {"/cds/b.vnx"});
    EXPECT_EQ(design.title, "loaded");
    EXPECT_EQ(design.fileName, "/cds/b.vnx");
    EXPECT_EQ(status.text, "/cds/b.vnx");
    EXPECT_EQ(status.updates, updatesBefore + 1); // shown once, when the load is complete
    EXPECT_FALSE(design.modified); // although the load applied alignments
}

TEST_F(FileCommandsTest, OpenThenSaveWritesToTheOpenedFile)
{
    ui.openPath = "/cds/b.vnx";
    commands.Open();
    commands.Save();
    EXPECT_EQ(ui.saveDialogs, 0);
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].path, "/cds/b.vnx");
}

// A half-loaded design must not keep the name of the file it failed to load: a later Save
// would overwrite that file with it.
TEST_F(FileCommandsTest, FailedOpenLeavesTheHalfLoadedDesignUntitled)
{
    edit("/cds/a.vnx");
    ui.openPath = "/cds/broken.vnx";
    readFails = true;
    EXPECT_THROW(commands.Open(), EConvertError);
    EXPECT_EQ(design.title, "loaded"); // the steps before the error stay applied
    EXPECT_EQ(design.fileName, kUntitled);
    EXPECT_EQ(status.text, kUntitled);
    EXPECT_TRUE(design.modified); // not cleared by a failed Open

    ui.savePath = std::nullopt;
    commands.Save();
    EXPECT_EQ(ui.saveDialogs, 1);
    EXPECT_TRUE(writes.empty());
}

TEST_F(FileCommandsTest, OpenHandsTheImagePageToTheReader)
{
    struct NoImages : ImageFileChooser
    {
        void selectImageFile(CaseDesign &, const std::string &) override { }
        void loadChosenImage(CaseDesign &) override { }
    } images;
    ImageFileChooser *seen = nullptr;
    commands.setImageFileChooser(&images);
    commands.setReader(
        [&](CaseDesign &, const std::string &, ImageFileChooser *chooser) { seen = chooser; });
    ui.openPath = "/cds/b.vnx";
    commands.Open();
    EXPECT_EQ(seen, &images);
}

// Save, Save As, Sejva

TEST_F(FileCommandsTest, SaveOnAnUntitledDesignIsSaveAs)
{
    edit(kUntitled);
    ui.savePath = "/cds/new.vnx";
    commands.Save();
    EXPECT_EQ(ui.saveDialogs, 1);
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].path, "/cds/new.vnx");
    EXPECT_EQ(design.fileName, "/cds/new.vnx");
    EXPECT_EQ(status.text, "/cds/new.vnx");
    EXPECT_FALSE(design.modified);
}

TEST_F(FileCommandsTest, SaveWithANameWritesEvenWhenUnmodifiedAndLeavesTheStatusBar)
{
    edit("/cds/a.vnx");
    design.modified = false;
    const int updatesBefore = status.updates;
    commands.Save();
    EXPECT_EQ(ui.saveDialogs, 0);
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].path, "/cds/a.vnx");
    EXPECT_EQ(status.updates, updatesBefore);
}

TEST_F(FileCommandsTest, SaveAsThenSaveWritesTwiceToTheSamePath)
{
    edit("/cds/a.vnx");
    ui.savePath = "/cds/b.vnx";
    commands.SaveAs();
    commands.Save();
    EXPECT_EQ(ui.saveDialogs, 1);
    ASSERT_EQ(writes.size(), 2u);
    EXPECT_EQ(writes[0].path, "/cds/b.vnx");
    EXPECT_EQ(writes[1].path, "/cds/b.vnx");
}

TEST_F(FileCommandsTest, SaveAsCancelledChangesNothing)
{
    edit("/cds/a.vnx");
    commands.SaveAs();
    EXPECT_TRUE(writes.empty());
    EXPECT_EQ(design.fileName, "/cds/a.vnx");
    EXPECT_EQ(status.text, "/cds/a.vnx");
    EXPECT_TRUE(design.modified);
}

// Nothing was written under the new name, so Save goes on writing to the previous one.
TEST_F(FileCommandsTest, FailedSaveAsKeepsThePreviousName)
{
    edit("/cds/a.vnx");
    ui.savePath = "/ro/b.vnx";
    writeFails = true;
    try {
        commands.SaveAs();
        FAIL() << "Save As did not fail";
    } catch (const EFileError &e) {
        EXPECT_STREQ(e.what(), "Unable to write to /ro/b.vnx");
    }
    EXPECT_EQ(design.fileName, "/cds/a.vnx");
    EXPECT_EQ(status.text, "/cds/a.vnx");
    EXPECT_TRUE(design.modified);
}

TEST_F(FileCommandsTest, FailedSaveAsOfAnUntitledDesignStaysUntitled)
{
    edit(kUntitled);
    ui.savePath = "/ro/b.vnx";
    writeFails = true;
    EXPECT_THROW(commands.Save(), EFileError);
    EXPECT_EQ(design.fileName, kUntitled);
    EXPECT_EQ(status.text, kUntitled);
    EXPECT_TRUE(design.modified);
}

TEST_F(FileCommandsTest, SejvaRefusesTheUntitledName)
{
    edit(kUntitled);
    commands.Sejva();
    EXPECT_EQ(ui.messages, std::vector<std::string> {"No filename selected"});
    EXPECT_TRUE(writes.empty());
    EXPECT_TRUE(design.modified);
}

// The error box's text

struct ErrorTextCase
{
    const char *name;
    const char *message;
    const char *shown;
};

class ErrorBoxText : public ::testing::TestWithParam<ErrorTextCase>
{
};

TEST_P(ErrorBoxText, AddsAFullStopAfterCharactersAboveIt)
{
    EXPECT_EQ(errorBoxText(GetParam().message), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    AppText, ErrorBoxText,
    ::testing::Values(
        ErrorTextCase {"empty", "", ""},
        ErrorTextCase {"letter", "Unable to write to /a.vnx", "Unable to write to /a.vnx."},
        ErrorTextCase {"digit", "Error 5", "Error 5."},
        ErrorTextCase {"convert_error", "'x' is not a valid integer value",
                       "'x' is not a valid integer value."},
        ErrorTextCase {"full_stop", "Bitmap image is not valid.", "Bitmap image is not valid."},
        ErrorTextCase {"closing_bracket", "Failed (read)", "Failed (read)"},
        ErrorTextCase {"exclamation_mark", "Stop!", "Stop!"},
        ErrorTextCase {"question_mark", "Why?", "Why?."},
        ErrorTextCase {"slash", "in /tmp/", "in /tmp/."}, ErrorTextCase {"hyphen", "a -", "a -"},
        ErrorTextCase {"non_ascii_letter", "Caf\xc3\xa9", "Caf\xc3\xa9."}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
