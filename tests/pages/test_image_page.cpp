#include "DesignFile.h"
#include "ImagePage.h"

#include <filesystem>
#include <fstream>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <set>
#include <stdexcept>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

struct FakePicture : Picture
{
    explicit FakePicture(std::string from)
        : source(std::move(from))
    {
    }
    int width() const override { return 200; }
    int height() const override { return 100; }
    std::string source;
};

std::string sourceOf(const std::shared_ptr<const Picture> &picture)
{
    const auto *fake = dynamic_cast<const FakePicture *>(picture.get());
    return fake ? fake->source : std::string();
}

const char *controlName(FileSystemControl c)
{
    switch (c) {
    case FileSystemControl::DriveBox:
        return "drive";
    case FileSystemControl::DirectoryList:
        return "dirs";
    case FileSystemControl::FileList:
        return "files";
    }
    return "?";
}

// The window as the logic sees it: the linked lists over a small made-up file system.
class FakeView : public ImagePageView
{
public:
    std::vector<std::string> calls;
    std::set<std::string> folders {"/pics", "/other"};
    std::set<std::string> files {"/pics/a.bmp", "/pics/b.bmp", "/other/c.bmp"};
    std::string folder = "/pics";
    std::string selected; // file name in folder
    std::shared_ptr<const Picture> shown;
    ImagePlacement checked = ImagePlacement::None;

    void setControlEnabled(FileSystemControl c, bool enabled) override
    {
        calls.push_back(std::string(enabled ? "enable " : "disable ") + controlName(c));
    }
    void setControlColor(FileSystemControl c, TColor color) override
    {
        calls.push_back(std::string(color == clSilver      ? "silver "
                                        : color == clWhite ? "white "
                                                           : "? ")
                        + controlName(c));
    }
    void showPlacement(ImagePlacement placement) override { checked = placement; }
    std::string selectedFilePath() const override
    {
        return selected.empty() ? std::string() : folder + "/" + selected;
    }
    FileSelection selectFilePath(const std::string &path) override
    {
        FileSelection result;
        const auto slash = path.rfind('/');
        const std::string dir = path.substr(0, slash);
        if (folders.count(dir) && dir != folder) {
            folder = dir;
            selected.clear();
            result.reread = true;
        }
        if (dir == folder && files.count(path)) {
            selected = path.substr(slash + 1);
            result.selected = true;
        }
        return result;
    }
    void showPicture(const std::shared_ptr<const Picture> &picture) override { shown = picture; }

    // The user clicks a file, or opens another folder (which re-reads and selects nothing).
    void click(const std::string &name) { selected = name; }
    void openFolder(const std::string &dir)
    {
        folder = dir;
        selected.clear();
    }
};

class ImagePageTest : public testing::Test
{
protected:
    CaseDesign design;
    FakeView view;
    std::vector<std::string> loads;
    std::set<std::string> damaged {"/pics/b.bmp"};
    ImagePage page {design, view,
                    [this](const std::string &path) -> std::shared_ptr<const Picture> {
                        loads.push_back(path);
                        if (damaged.count(path))
                            throw std::runtime_error("Bitmap image is not valid");
                        return std::make_shared<FakePicture>(path);
                    }};

    void pick(const std::string &name)
    {
        view.click(name);
        page.fileListChanged();
    }
};

using testing::ElementsAre;

const std::vector<std::string> kEnableInOrder {"enable drive", "white drive",  "enable dirs",
                                               "white dirs",   "enable files", "white files"};
const std::vector<std::string> kDisableInOrder {"disable drive", "silver drive",  "disable dirs",
                                                "silver dirs",   "disable files", "silver files"};

struct PlacementCase
{
    const char *name;
    ImagePlacement from;
    ImagePlacement to;
    std::vector<std::string> switched;
};

class PlacementTest : public ImagePageTest, public testing::WithParamInterface<PlacementCase>
{
};

TEST_P(PlacementTest, SwitchesControlsInOrderAndSetsModified)
{
    const PlacementCase &c = GetParam();
    design.imagePlacement = c.from;
    pick("a.bmp");
    view.calls.clear();

    page.placementChosen(c.to);

    EXPECT_EQ(view.calls, c.switched);
    EXPECT_EQ(design.imagePlacement, c.to);
    EXPECT_EQ(view.checked, c.to);
    EXPECT_TRUE(design.modified);
    // The chosen file and the picture stay whatever the placement.
    EXPECT_EQ(design.imagePath, "/pics/a.bmp");
    EXPECT_EQ(sourceOf(design.picture), "/pics/a.bmp");
    EXPECT_EQ(sourceOf(view.shown), "/pics/a.bmp");
}

INSTANTIATE_TEST_SUITE_P(
    ImagePage, PlacementTest,
    testing::Values(
        PlacementCase {"none_to_both", ImagePlacement::None, ImagePlacement::Both, kEnableInOrder},
        PlacementCase {"both_to_none", ImagePlacement::Both, ImagePlacement::None, kDisableInOrder},
        PlacementCase {"folder_to_case", ImagePlacement::FolderOnly, ImagePlacement::CaseOnly,
                       kEnableInOrder},
        PlacementCase {"none_to_folder", ImagePlacement::None, ImagePlacement::FolderOnly,
                       kEnableInOrder},
        PlacementCase {"case_to_none", ImagePlacement::CaseOnly, ImagePlacement::None,
                       kDisableInOrder}),
    [](const testing::TestParamInfo<PlacementCase> &info) { return std::string(info.param.name); });

TEST_F(ImagePageTest, BothThenNoneSetsModifiedEachTime)
{
    page.placementChosen(ImagePlacement::Both);
    EXPECT_TRUE(design.modified);
    design.modified = false;
    page.placementChosen(ImagePlacement::None);
    EXPECT_TRUE(design.modified);
    EXPECT_EQ(view.calls.size(), kEnableInOrder.size() + kDisableInOrder.size());
}

TEST_F(ImagePageTest, PickingFilesLoadsThemAndNeverSetsModified)
{
    pick("a.bmp");
    EXPECT_EQ(design.imagePath, "/pics/a.bmp");
    EXPECT_EQ(sourceOf(design.picture), "/pics/a.bmp");
    EXPECT_EQ(sourceOf(view.shown), "/pics/a.bmp");
    EXPECT_FALSE(design.modified);

    // Opening another folder re-reads the list with nothing selected: the picture goes.
    view.openFolder("/other");
    page.fileListChanged();
    EXPECT_EQ(design.imagePath, "");
    EXPECT_EQ(design.picture, nullptr);
    EXPECT_EQ(view.shown, nullptr);
    EXPECT_THAT(loads, ElementsAre("/pics/a.bmp"));
    EXPECT_FALSE(design.modified);
}

TEST_F(ImagePageTest, DamagedFileStaysChosenWhilePreviousPictureStays)
{
    pick("a.bmp");
    try {
        pick("b.bmp");
        FAIL() << "loaded";
    } catch (const std::runtime_error &e) {
        EXPECT_STREQ(e.what(), "Bitmap image is not valid");
    }
    EXPECT_EQ(design.imagePath, "/pics/b.bmp");
    EXPECT_EQ(sourceOf(design.picture), "/pics/a.bmp");
    EXPECT_EQ(sourceOf(view.shown), "/pics/a.bmp");
}

TEST_F(ImagePageTest, NewDisablesControlsButKeepsFileAndPicture)
{
    page.placementChosen(ImagePlacement::Both);
    pick("a.bmp");
    view.calls.clear();

    design.resetToNew();

    EXPECT_EQ(view.calls, kDisableInOrder);
    EXPECT_EQ(view.checked, ImagePlacement::None);
    EXPECT_EQ(design.imagePath, "/pics/a.bmp");
    EXPECT_EQ(sourceOf(design.picture), "/pics/a.bmp");
    EXPECT_EQ(sourceOf(view.shown), "/pics/a.bmp");
    EXPECT_FALSE(design.modified);
}

TEST_F(ImagePageTest, SelectingByPathInAnotherFolderMovesThereAndLoads)
{
    pick("a.bmp");
    page.selectImageFile(design, "/other/c.bmp");
    EXPECT_EQ(view.folder, "/other");
    EXPECT_EQ(design.imagePath, "/other/c.bmp");
    page.loadChosenImage(design);
    EXPECT_EQ(sourceOf(design.picture), "/other/c.bmp");
    EXPECT_EQ(sourceOf(view.shown), "/other/c.bmp");
    EXPECT_FALSE(design.modified);
}

TEST_F(ImagePageTest, SelectingEmptyPathChangesNothing)
{
    pick("a.bmp");
    page.selectImageFile(design, "");
    EXPECT_EQ(design.imagePath, "/pics/a.bmp");
    EXPECT_EQ(sourceOf(design.picture), "/pics/a.bmp");
}

struct MissingCase
{
    const char *name;
    std::string path;
    std::string folderAfter;
    bool pictureKept;
};

class MissingFileTest : public ImagePageTest, public testing::WithParamInterface<MissingCase>
{
};

TEST_P(MissingFileTest, FailsWithInvalidFileName)
{
    const MissingCase &c = GetParam();
    pick("a.bmp");
    try {
        page.selectImageFile(design, c.path);
        FAIL() << "selected";
    } catch (const EFileError &e) {
        EXPECT_EQ(std::string(e.what()), "Invalid file name - " + c.path);
    }
    EXPECT_EQ(view.folder, c.folderAfter);
    if (c.pictureKept) {
        EXPECT_EQ(sourceOf(design.picture), "/pics/a.bmp");
    } else {
        EXPECT_EQ(design.picture, nullptr);
        EXPECT_EQ(view.shown, nullptr);
        EXPECT_EQ(design.imagePath, "");
    }
}

INSTANTIATE_TEST_SUITE_P(
    ImagePage, MissingFileTest,
    testing::Values(MissingCase {"in_existing_other_folder", "/other/gone.bmp", "/other", false},
                    MissingCase {"in_current_folder", "/pics/gone.bmp", "/pics", true},
                    MissingCase {"in_missing_folder", "/nowhere/x.bmp", "/pics", true},
                    MissingCase {"windows_path", "C:\\pics\\x.bmp", "/pics", true}),
    [](const testing::TestParamInfo<MissingCase> &info) { return std::string(info.param.name); });

// A design file from disk, opened into a page whose lists stand elsewhere.
class OpenTest : public ImagePageTest
{
protected:
    // One name per process and test, so that test runs of several builds cannot collide.
    std::filesystem::path file = std::filesystem::temp_directory_path()
        / ("image_page_" + std::to_string(::getpid()) + "_"
           + testing::UnitTest::GetInstance()->current_test_info()->name() + ".vnx");
    void TearDown() override { std::filesystem::remove(file); }
    void writeImageSection(const std::string &lines)
    {
        std::ofstream(file) << "[image]\n" << lines;
    }
};

TEST_F(OpenTest, RestoresPlacementFileAndPicture)
{
    writeImageSection("sel=3\nimgpath=/other/c.bmp\n");
    readDesignFile(design, file.string(), &page);
    EXPECT_EQ(design.imagePlacement, ImagePlacement::Both);
    EXPECT_EQ(view.checked, ImagePlacement::Both);
    EXPECT_EQ(view.calls, kEnableInOrder);
    EXPECT_EQ(view.folder, "/other");
    EXPECT_EQ(design.imagePath, "/other/c.bmp");
    EXPECT_EQ(sourceOf(design.picture), "/other/c.bmp");
    EXPECT_EQ(sourceOf(view.shown), "/other/c.bmp");
}

TEST_F(OpenTest, NonePlacementLeavesFileAndPicture)
{
    pick("a.bmp");
    writeImageSection("sel=0\nimgpath=/other/c.bmp\n");
    readDesignFile(design, file.string(), &page);
    EXPECT_EQ(view.folder, "/pics");
    EXPECT_EQ(design.imagePath, "/pics/a.bmp");
    EXPECT_EQ(sourceOf(design.picture), "/pics/a.bmp");
}

TEST_F(OpenTest, MissingPathFailsAfterPlacementApplied)
{
    writeImageSection("sel=1\n");
    try {
        readDesignFile(design, file.string(), &page);
        FAIL() << "loaded";
    } catch (const EFileError &e) {
        EXPECT_STREQ(e.what(), "Invalid file name - (none)");
    }
    EXPECT_EQ(design.imagePlacement, ImagePlacement::FolderOnly);
    EXPECT_EQ(view.calls, kEnableInOrder);
    EXPECT_TRUE(design.modified);
}

TEST_F(OpenTest, EmptyPathKeepsChosenFileAndLoadsIt)
{
    pick("a.bmp");
    loads.clear();
    writeImageSection("sel=2\nimgpath=\n");
    readDesignFile(design, file.string(), &page);
    EXPECT_EQ(design.imagePath, "/pics/a.bmp");
    EXPECT_THAT(loads, ElementsAre("/pics/a.bmp"));
}

} // namespace
