#pragma once

#include <QListWidget>
#include <QString>
#include <QStringList>

class DirectoryListBox;

// The files of one folder whose names match a mask ("*.bmp" in any letter case), sorted by
// name, one selectable at a time, rows 13 pixels high. It reports changed() on every change
// of its selection by mouse or keyboard and on every re-read of its folder (each change of
// folder); after a re-read nothing is selected. It reads its first folder when it is made, not
// when it is first shown: a page shown for the first time after a design was opened keeps the
// file that the design selected.
class FileListBox : public QListWidget
{
    Q_OBJECT

public:
    static constexpr int kRowHeight = 13;

    // Starts in the program's working directory.
    explicit FileListBox(QWidget *parent = nullptr);
    ~FileListBox() override;

    QString directory() const { return directory_; }
    // Re-reads when the folder is another one; returns false (and changes nothing) when it
    // is not an existing folder.
    bool setDirectory(const QString &folder);
    QString mask() const { return mask_; }
    void setMask(const QString &mask);

    // The selected file's full path: the folder, "/" unless the folder ends in one, the name.
    // Empty when no file is selected.
    QString fileName() const;
    // Selects a file by its full path. The lists move to its folder first when that folder
    // exists (through the linked directory list, which moves the drive box too). Returns
    // whether the file is now selected; when it is not in the list nothing is selected.
    bool setFileName(const QString &path);

    // Set by DirectoryListBox::setFileList.
    void setDirectoryList(DirectoryListBox *list) { directoryList_ = list; }

signals:
    void changed();

private:
    void reread();
    void selectionChangedByUser();

    QString directory_;
    QString mask_ = QStringLiteral("*.bmp");
    DirectoryListBox *directoryList_ = nullptr;
    bool rereading_ = false;
};
