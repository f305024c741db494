#include "DirectoryListBox.h"
#include "DriveComboBox.h"
#include "FileListBox.h"
#include "FileSystemControl.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

QStringList rowsOf(const QListWidget &list)
{
    QStringList rows;
    for (int i = 0; i < list.count(); ++i)
        rows << list.item(i)->text();
    return rows;
}

void touch(const QString &path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

// Two folders of pictures and some things that are no pictures:
//   root/pics: b.bmp A.BMP c.Bmp notes.txt bmp .hidden.bmp folder.bmp/ pipe.bmp (FIFO)
//   root/more: z.bmp     root/.secret/     root/Alpha/
class FileSystemWidgets : public testing::Test
{
protected:
    QTemporaryDir temp;
    QString root = temp.path();
    QString pics = root + "/pics";
    QString more = root + "/more";

    void SetUp() override
    {
        for (const QString &dir :
             {pics, more, pics + "/folder.bmp", root + "/.secret", root + "/Alpha"})
            ASSERT_TRUE(QDir().mkpath(dir));
        for (const char *name : {"b.bmp", "A.BMP", "c.Bmp", "notes.txt", "bmp", ".hidden.bmp"})
            touch(pics + "/" + name);
        touch(more + "/z.bmp");
        ::mkfifo(QFile::encodeName(pics + "/pipe.bmp").constData(), 0600);
    }
};

TEST_F(FileSystemWidgets, FileListShowsBitmapFilesOfAnyCaseSortedNoneSelected)
{
    FileListBox list;
    ASSERT_TRUE(list.setDirectory(pics));
    EXPECT_EQ(rowsOf(list), (QStringList {"A.BMP", "b.bmp", "c.Bmp"}));
    EXPECT_EQ(list.fileName(), "");
    EXPECT_EQ(list.selectionMode(), QAbstractItemView::SingleSelection);
}

TEST_F(FileSystemWidgets, FileListReportsEveryReReadAndSelectionChange)
{
    FileListBox list;
    list.resize(137, 153);
    list.setDirectory(more);
    QSignalSpy changes(&list, &FileListBox::changed);

    list.setDirectory(more); // the same folder: no re-read
    EXPECT_EQ(changes.count(), 0);

    list.setDirectory(pics);
    EXPECT_EQ(changes.count(), 1);

    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      list.visualItemRect(list.item(1)).center());
    EXPECT_EQ(changes.count(), 2);
    EXPECT_EQ(list.fileName(), pics + "/b.bmp");

    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(changes.count(), 3);
    EXPECT_EQ(list.fileName(), pics + "/c.Bmp");

    list.setDirectory(more);
    EXPECT_EQ(changes.count(), 4);
    EXPECT_EQ(list.fileName(), "");
}

TEST_F(FileSystemWidgets, RowsHaveTheirFixedHeights)
{
    FileListBox files;
    DirectoryListBox dirs;
    files.setDirectory(pics);
    dirs.setDirectory(pics);
    files.resize(137, 153);
    dirs.resize(137, 177);
    EXPECT_EQ(files.visualItemRect(files.item(0)).height(), 13);
    EXPECT_EQ(dirs.visualItemRect(dirs.item(0)).height(), 16);
}

TEST_F(FileSystemWidgets, DirectoryListShowsPathThenVisibleSubfolders)
{
    DirectoryListBox dirs;
    ASSERT_TRUE(dirs.setDirectory(root));
    QStringList expected {"/"};
    expected << root.split('/', Qt::SkipEmptyParts) << "Alpha"
             << "more"
             << "pics";
    EXPECT_EQ(rowsOf(dirs), expected);
    EXPECT_EQ(dirs.currentItem()->data(DirectoryListBox::PathRole).toString(), root);
    EXPECT_FALSE(dirs.setDirectory(root + "/missing"));
    EXPECT_EQ(dirs.directory(), root);
}

struct OpenCase
{
    const char *name;
    std::function<void(DirectoryListBox &, QListWidgetItem *)> open;
};

class OpeningFolder : public FileSystemWidgets, public testing::WithParamInterface<OpenCase>
{
};

TEST_P(OpeningFolder, MakesItCurrentAndFileListReReads)
{
    DirectoryListBox dirs;
    FileListBox files;
    dirs.resize(137, 177);
    dirs.setDirectory(root);
    dirs.setFileList(&files);
    EXPECT_EQ(files.directory(), root);
    QSignalSpy changes(&files, &FileListBox::changed);
    const QList<QListWidgetItem *> found = dirs.findItems("pics", Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);

    GetParam().open(dirs, found.first());

    EXPECT_EQ(dirs.directory(), pics);
    EXPECT_EQ(files.directory(), pics);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(rowsOf(files), (QStringList {"A.BMP", "b.bmp", "c.Bmp"}));
}

INSTANTIATE_TEST_SUITE_P(
    FileSystemWidgets, OpeningFolder,
    testing::Values(OpenCase {"double_click",
                              [](DirectoryListBox &dirs, QListWidgetItem *item) {
                                  const QPoint at = dirs.visualItemRect(item).center();
                                  QTest::mouseClick(dirs.viewport(), Qt::LeftButton, {}, at);
                                  QTest::mouseDClick(dirs.viewport(), Qt::LeftButton, {}, at);
                              }},
                    OpenCase {"enter",
                              [](DirectoryListBox &dirs, QListWidgetItem *item) {
                                  dirs.setCurrentItem(item);
                                  QTest::keyClick(&dirs, Qt::Key_Return);
                              }}),
    [](const testing::TestParamInfo<OpenCase> &info) { return std::string(info.param.name); });

TEST_F(FileSystemWidgets, SelectingByPathMovesAllThreeAndSelects)
{
    DriveComboBox drives;
    DirectoryListBox dirs;
    FileListBox files;
    drives.setDirList(&dirs);
    dirs.setFileList(&files);
    dirs.setDirectory(more);
    QSignalSpy changes(&files, &FileListBox::changed);

    EXPECT_TRUE(files.setFileName(pics + "/b.bmp"));
    EXPECT_EQ(dirs.directory(), pics);
    EXPECT_EQ(files.fileName(), pics + "/b.bmp");
    EXPECT_EQ(changes.count(), 2); // the re-read, then the selection
    EXPECT_EQ(drives.drive(), QStorageInfo(pics).rootPath());

    // No such file, folder exists: moved there, nothing selected.
    EXPECT_FALSE(files.setFileName(more + "/gone.bmp"));
    EXPECT_EQ(dirs.directory(), more);
    EXPECT_EQ(files.fileName(), "");
    // Not in the list although it exists: a FIFO, a wrong letter case, a folder.
    for (const QString &path : {pics + "/pipe.bmp", pics + "/a.bmp", pics + "/folder.bmp"}) {
        EXPECT_FALSE(files.setFileName(path)) << path.toStdString();
        EXPECT_EQ(files.fileName(), "");
    }
    // No such folder: nothing moves.
    EXPECT_FALSE(files.setFileName(root + "/nowhere/x.bmp"));
    EXPECT_EQ(dirs.directory(), pics);
}

TEST_F(FileSystemWidgets, AllThreeStartInWorkingDirectory)
{
    const QString saved = QDir::currentPath();
    QDir::setCurrent(pics);
    DriveComboBox drives;
    DirectoryListBox dirs;
    FileListBox files;
    QDir::setCurrent(saved);
    EXPECT_EQ(dirs.directory(), pics);
    EXPECT_EQ(files.directory(), pics);
    EXPECT_EQ(drives.drive(), QStorageInfo(pics).rootPath());
}

TEST(DriveComboBox, OffersRootFirstAndNoPseudoFileSystems)
{
    const QList<DriveComboBox::Drive> drives = DriveComboBox::userDrives();
    ASSERT_FALSE(drives.isEmpty());
    EXPECT_EQ(drives.first().rootPath, "/");
    for (const DriveComboBox::Drive &d : drives) {
        for (const char *pseudo : {"/proc", "/sys", "/dev", "/run/user"})
            EXPECT_FALSE(d.rootPath.startsWith(pseudo)) << d.rootPath.toStdString();
    }
}

// Two drives: the root and a memory file system the box adds when the list goes there.
TEST_F(FileSystemWidgets, PickingDriveReturnsToItsLastFolder)
{
    const QString other = QStringLiteral("/dev/shm");
    if (QStorageInfo(other).rootPath() != other || QStorageInfo(pics).rootPath() == other)
        GTEST_SKIP() << "no second file system here";
    DriveComboBox drives;
    DirectoryListBox dirs;
    FileListBox files;
    drives.setDirList(&dirs);
    dirs.setFileList(&files);
    dirs.setDirectory(pics);
    const QString firstDrive = drives.drive();
    dirs.setDirectory(other);
    EXPECT_EQ(drives.drive(), other);

    drives.setCurrentIndex(drives.findData(firstDrive));
    emit drives.activated(drives.currentIndex());
    EXPECT_EQ(dirs.directory(), pics);
    EXPECT_EQ(files.directory(), pics);

    drives.setCurrentIndex(drives.findData(other));
    emit drives.activated(drives.currentIndex());
    EXPECT_EQ(dirs.directory(), other);
}

TEST(FileSystemControl, BackgroundHoldsWhileDisabled)
{
    FileListBox list;
    list.setEnabled(false);
    setFileSystemControlBackground(&list, QColor(192, 192, 192));
    EXPECT_EQ(list.palette().color(QPalette::Disabled, QPalette::Base), QColor(192, 192, 192));
    list.setEnabled(true);
    setFileSystemControlBackground(&list, Qt::white);
    EXPECT_EQ(list.palette().color(QPalette::Active, QPalette::Base), QColor(Qt::white));
}

} // namespace
