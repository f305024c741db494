#include "DesignFile.h"
#include "DirectoryListBox.h"
#include "DriveComboBox.h"
#include "FileListBox.h"
#include "ImagePicture.h"
#include "Unit1.h"
#include "Unit2.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <gtest/gtest.h>

namespace {

class ImagePageWindow : public testing::Test
{
protected:
    QTemporaryDir temp;
    QString pics = temp.path() + "/pics";
    std::unique_ptr<TForm1> form;

    void SetUp() override
    {
        QDir().mkpath(pics);
        // Left half red, right half blue: stretched into the square, each fills its half.
        QImage wide(200, 100, QImage::Format_RGB32);
        wide.fill(Qt::red);
        for (int y = 0; y < 100; ++y)
            for (int x = 100; x < 200; ++x)
                wide.setPixel(x, y, qRgb(0, 0, 255));
        ASSERT_TRUE(wide.save(pics + "/wide.bmp", "BMP"));
        QImage green(30, 30, QImage::Format_RGB32);
        green.fill(Qt::green);
        ASSERT_TRUE(green.save(pics + "/GREEN.BMP", "BMP"));
        std::ofstream((pics + "/broken.bmp").toStdString()) << "BM broken";
        form = std::make_unique<TForm1>();
        form->show();
        form->PageControl1->setCurrentWidget(form->TabSheet3);
    }

    QImage shownPicture() { return form->Image1->grab().toImage(); }

    // The user picks a file in the list with the mouse.
    void clickFile(const QString &name)
    {
        const QList<QListWidgetItem *> found
            = form->FileListBox1->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        QTest::mouseClick(form->FileListBox1->viewport(), Qt::LeftButton, {},
                          form->FileListBox1->visualItemRect(found.first()).center());
    }

    void expectControls(bool enabled, const QColor &color)
    {
        const QWidget *controls[3] {form->DriveComboBox1, form->DirectoryListBox1,
                                    form->FileListBox1};
        for (const QWidget *c : controls) {
            EXPECT_EQ(c->isEnabled(), enabled) << c->metaObject()->className();
            EXPECT_EQ(c->palette().color(QPalette::Base), color) << c->metaObject()->className();
        }
    }
};

const QColor kSilver(192, 192, 192);
const QColor kWhite(255, 255, 255);

TEST_F(ImagePageWindow, LayoutAndStartUp)
{
    EXPECT_EQ(form->Panel1->geometry(), QRect(0, 8, 281, 137));
    EXPECT_EQ(form->Label15->geometry(), QRect(8, 8, 137, 57));
    EXPECT_TRUE(form->Label15->wordWrap());
    EXPECT_EQ(form->Label11->text(), "Current image:");
    EXPECT_EQ(form->Bevel3->geometry(), QRect(168, 8, 105, 121));
    EXPECT_EQ(form->Image1->geometry(), QRect(176, 32, 89, 89));
    EXPECT_EQ(form->DriveComboBox1->geometry().topLeft(), QPoint(0, 160));
    EXPECT_EQ(form->DriveComboBox1->width(), 137);
    EXPECT_EQ(form->DirectoryListBox1->geometry(), QRect(144, 160, 137, 177));
    EXPECT_EQ(form->FileListBox1->geometry(), QRect(0, 184, 137, 153));

    const QRadioButton *buttons[4] {form->RadioButton9, form->RadioButton10, form->RadioButton11,
                                    form->RadioButton12};
    const char *captions[4] {"&Don't use image", "Image &on folder paper only",
                             "Image o&n case paper only", "Image on bot&h"};
    const QRect rects[4] {{8, 64, 113, 17}, {8, 80, 153, 17}, {8, 96, 145, 17}, {8, 112, 129, 17}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(buttons[i]->text(), captions[i]);
        EXPECT_EQ(buttons[i]->geometry(), rects[i]);
    }
    EXPECT_TRUE(form->RadioButton9->isChecked());
    expectControls(false, kSilver);
    EXPECT_EQ(form->FileListBox1->directory(), QDir::currentPath());
    EXPECT_FALSE(form->design().modified);
}

TEST_F(ImagePageWindow, PlacementSwitchesControlsAndSetsModified)
{
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    ASSERT_TRUE(form->RadioButton12->isVisible());
    QTest::keyClick(form->windowHandle(), Qt::Key_H, Qt::AltModifier); // "Image on bot&h"
    // An accelerator presses the button for a moment before it clicks.
    for (int waited = 0; waited < 2000 && !form->RadioButton12->isChecked(); waited += 20)
        QTest::qWait(20);
    EXPECT_TRUE(form->RadioButton12->isChecked());
    EXPECT_EQ(form->design().imagePlacement, ImagePlacement::Both);
    expectControls(true, kWhite);
    EXPECT_TRUE(form->design().modified);

    form->design().modified = false;
    form->RadioButton9->click();
    EXPECT_EQ(form->design().imagePlacement, ImagePlacement::None);
    expectControls(false, kSilver);
    EXPECT_TRUE(form->design().modified);
}

TEST_F(ImagePageWindow, PickedPictureIsStretchedIntoTheSquareWithoutModifying)
{
    form->RadioButton10->click();
    form->design().modified = false;
    form->DirectoryListBox1->setDirectory(pics);
    EXPECT_EQ(form->FileListBox1->count(), 3);

    clickFile("wide.bmp");

    EXPECT_EQ(form->design().imagePath, (pics + "/wide.bmp").toStdString());
    EXPECT_EQ(ImagePicture::imageOf(form->design().picture.get()).size(), QSize(200, 100));
    const QImage shown = shownPicture();
    EXPECT_EQ(shown.size(), QSize(89, 89));
    EXPECT_EQ(QColor(shown.pixel(5, 84)), QColor(Qt::red)); // bottom left
    EXPECT_EQ(QColor(shown.pixel(84, 5)), QColor(Qt::blue)); // top right
    EXPECT_FALSE(form->design().modified);

    // "Don't use image" keeps the picture on show.
    form->RadioButton9->click();
    EXPECT_EQ(QColor(shownPicture().pixel(5, 84)), QColor(Qt::red));

    // Opening another folder empties it.
    form->DirectoryListBox1->setDirectory(temp.path());
    EXPECT_EQ(form->design().imagePath, "");
    EXPECT_EQ(form->design().picture, nullptr);
    EXPECT_TRUE(form->Image1->pixmap().isNull());
}

TEST_F(ImagePageWindow, DamagedPictureShowsErrorAndKeepsPreviousPicture)
{
    form->RadioButton12->click();
    form->DirectoryListBox1->setDirectory(pics);
    clickFile("GREEN.BMP");

    QString message;
    QTimer::singleShot(0, [&message] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *box = qobject_cast<QMessageBox *>(w); box && box->isVisible()) {
                message = box->text();
                box->accept();
            }
        }
    });
    clickFile("broken.bmp");

    EXPECT_EQ(message, "Bitmap image is not valid.");
    EXPECT_EQ(form->FileListBox1->fileName(), pics + "/broken.bmp");
    EXPECT_EQ(form->design().imagePath, (pics + "/broken.bmp").toStdString());
    EXPECT_EQ(QColor(shownPicture().pixel(40, 40)), QColor(Qt::green));
}

TEST_F(ImagePageWindow, SavedPictureOnBothReopensShown)
{
    form->RadioButton12->click();
    form->DirectoryListBox1->setDirectory(pics);
    clickFile("wide.bmp");
    const std::string file = (temp.path() + "/cover.vnx").toStdString();
    writeDesignFile(form->design(), file);

    TForm1 reopened;
    reopened.show();
    readDesignFile(reopened.design(), file, reopened.imageFileChooser());

    EXPECT_TRUE(reopened.RadioButton12->isChecked());
    EXPECT_TRUE(reopened.FileListBox1->isEnabled());
    EXPECT_EQ(reopened.DirectoryListBox1->directory(), pics);
    EXPECT_EQ(reopened.FileListBox1->fileName(), pics + "/wide.bmp");
    EXPECT_EQ(ImagePicture::imageOf(reopened.design().picture.get()).size(), QSize(200, 100));
    EXPECT_FALSE(reopened.Image1->pixmap().isNull());

    // The cut-out form composed from the reopened design prints it on both pieces.
    TQuickReport2 form2(&reopened.design());
    bool printReport = true;
    form2.QuickReport2BeforePrint(form2, printReport);
    for (const TQRImage *image : {&form2.QRImage1, &form2.QRImage2}) {
        EXPECT_TRUE(image->enabled());
        EXPECT_EQ(image->picture().size(), QSize(200, 100));
    }

    // New: no placement, controls disabled, the picture and the file stay.
    reopened.Ny();
    EXPECT_TRUE(reopened.RadioButton9->isChecked());
    EXPECT_FALSE(reopened.FileListBox1->isEnabled());
    EXPECT_EQ(reopened.FileListBox1->fileName(), pics + "/wide.bmp");
    EXPECT_FALSE(reopened.Image1->pixmap().isNull());
    EXPECT_NE(reopened.design().picture, nullptr);
}

TEST_F(ImagePageWindow, OpeningMissingPictureFailsWithInvalidFileName)
{
    const std::string file = (temp.path() + "/lost.vnx").toStdString();
    const std::string lost = (pics + "/lost.bmp").toStdString();
    std::ofstream(file) << "[image]\nsel=2\nimgpath=" << lost << "\n";
    try {
        readDesignFile(form->design(), file, form->imageFileChooser());
        FAIL() << "loaded";
    } catch (const EFileError &e) {
        EXPECT_EQ(std::string(e.what()), "Invalid file name - " + lost);
    }
    EXPECT_EQ(form->DirectoryListBox1->directory(), pics);
    EXPECT_EQ(form->FileListBox1->fileName(), "");
    EXPECT_TRUE(form->RadioButton11->isChecked());
}

} // namespace
