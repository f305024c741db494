#include "BitmapFileChooser.h"
#include "BitmapReader.h"

#include <QImage>
#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

class BitmapFileChooserTest : public testing::Test
{
protected:
    QTemporaryDir dir;
    CaseDesign design;
    BitmapFileChooser chooser;

    std::string path(const char *name) { return dir.filePath(name).toStdString(); }
    std::string designWithPicture(const std::string &picture)
    {
        std::string file = path("design.vnx");
        std::ofstream(file) << "[image]\nsel=3\nimgpath=" << picture << "\n";
        return file;
    }
};

TEST_F(BitmapFileChooserTest, LoadsTheStoredPicture)
{
    QImage image(200, 100, QImage::Format_RGB32);
    image.fill(Qt::blue);
    ASSERT_TRUE(image.save(dir.filePath("Cover.BMP"), "BMP"));

    readDesignFile(design, designWithPicture(path("Cover.BMP")), &chooser);

    EXPECT_EQ(design.imagePlacement, ImagePlacement::Both);
    EXPECT_EQ(design.imagePath, path("Cover.BMP"));
    ASSERT_TRUE(design.picture);
    EXPECT_EQ(ImagePicture::imageOf(design.picture.get()).size(), QSize(200, 100));
}

TEST_F(BitmapFileChooserTest, RefusesWhatTheFileListWouldNotShow)
{
    std::ofstream(path("cover.png")) << "x";
    ::mkfifo(path("pipe.bmp").c_str(), 0600);
    for (const std::string &picture : {path("gone.bmp"), path("cover.png"), path("pipe.bmp"),
                                       dir.path().toStdString(), std::string("(none)")}) {
        try {
            readDesignFile(design, designWithPicture(picture), &chooser);
            ADD_FAILURE() << "loaded " << picture;
        } catch (const EFileError &e) {
            EXPECT_EQ(std::string(e.what()), "Invalid file name - " + picture);
        }
    }
}

TEST_F(BitmapFileChooserTest, DamagedPictureFailsWithReaderMessage)
{
    std::ofstream(path("bad.bmp")) << "BM not really";
    EXPECT_THROW(readDesignFile(design, designWithPicture(path("bad.bmp")), &chooser),
                 EInvalidGraphic);
}

} // namespace
