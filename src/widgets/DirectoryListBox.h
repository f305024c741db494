#pragma once

#include <QListWidget>
#include <QString>

class FileListBox;

// The folders of the current path as a tree: one row for each folder from the root down to
// the current one, then the current folder's subfolders (hidden ones left out), rows 16 pixels
// high. Opening a row (double-click or Enter) makes that folder current; the linked file list
// then re-reads it.
class DirectoryListBox : public QListWidget
{
    Q_OBJECT

public:
    static constexpr int kRowHeight = 16;
    static constexpr int PathRole = Qt::UserRole + 2;

    // Starts in the program's working directory.
    explicit DirectoryListBox(QWidget *parent = nullptr);

    QString directory() const { return directory_; }
    // Makes an existing folder current (a relative one is taken from the working directory).
    // Returns false, changing nothing, when the folder does not exist.
    bool setDirectory(const QString &folder);

    // The file list that follows this list's folder; it is moved to the current one at once.
    void setFileList(FileListBox *list);

signals:
    void directoryChanged(const QString &folder);

private:
    void rebuild();
    void open(QListWidgetItem *item);

    QString directory_;
    FileListBox *fileList_ = nullptr;
};
