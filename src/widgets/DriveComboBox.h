#pragma once

#include <QComboBox>
#include <QHash>
#include <QList>
#include <QString>

class DirectoryListBox;
class QStorageInfo;

// The machine's "drives": the mounted file systems a user would pick from (the root, home,
// removable media), without the system's pseudo file systems. Picking one moves the linked
// directory list to the folder last current on that drive, its root at first. It follows the
// directory list when that moves to another drive.
class DriveComboBox : public QComboBox
{
    Q_OBJECT

public:
    struct Drive
    {
        QString rootPath;
        QString label; // the volume's name, empty when it has none
    };
    // The mounted volumes worth showing, the root first.
    static QList<Drive> userDrives();
    static bool isUserVolume(const QStorageInfo &volume);

    // Starts on the drive of the program's working directory.
    explicit DriveComboBox(QWidget *parent = nullptr);

    // Root path of the current drive.
    QString drive() const;
    // Makes the drive holding this folder current, adding it to the list when it is not there.
    void setDriveOf(const QString &folder);

    // The directory list that the drive box moves; this box then follows its folder.
    void setDirList(DirectoryListBox *list);

private:
    int rowOf(const QString &folder);
    void picked(int row);
    void followDirectory(const QString &folder);

    DirectoryListBox *dirList_ = nullptr;
    QHash<QString, QString> lastFolder_; // drive root -> folder last current on it
};
