#include "FileListBox.h"

#include "DirectoryListBox.h"
#include "FileSystemControl.h"

#include <QDir>
#include <QFileInfo>

FileListBox::FileListBox(QWidget *parent)
    : QListWidget(parent)
    , directory_(QDir::currentPath())
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true); // lets a folder of many thousand files list at once
    setItemDelegate(new FixedRowDelegate(kRowHeight, this));
    connect(this, &QListWidget::itemSelectionChanged, this, &FileListBox::selectionChangedByUser);
    reread();
}

FileListBox::~FileListBox()
{
    // Tearing down the items must not report changes to a window that is being destroyed.
    blockSignals(true);
    disconnect(this, &QListWidget::itemSelectionChanged, this,
               &FileListBox::selectionChangedByUser);
}

bool FileListBox::setDirectory(const QString &folder)
{
    const QFileInfo info(folder);
    if (!info.isDir())
        return false;
    const QString path = QDir::cleanPath(info.absoluteFilePath());
    if (path != directory_) {
        directory_ = path;
        reread();
    }
    return true;
}

void FileListBox::setMask(const QString &mask)
{
    mask_ = mask;
    reread();
}

void FileListBox::reread()
{
    rereading_ = true;
    clear();
    // Files only: folders, FIFOs, sockets and devices whose names match are left out. Name
    // filters match regardless of letter case.
    const QStringList names
        = QDir(directory_)
              .entryList(QStringList {mask_}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    addItems(names);
    clearSelection();
    rereading_ = false;
    emit changed();
}

void FileListBox::selectionChangedByUser()
{
    if (!rereading_)
        emit changed();
}

QString FileListBox::fileName() const
{
    const QList<QListWidgetItem *> selected = selectedItems();
    if (selected.isEmpty())
        return {};
    QString path = directory_;
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path + selected.first()->text();
}

bool FileListBox::setFileName(const QString &path)
{
    const QFileInfo info(path);
    const QString folder = info.absolutePath();
    if (QFileInfo(folder).isDir()) {
        if (directoryList_)
            directoryList_->setDirectory(folder);
        else
            setDirectory(folder);
    }
    const QList<QListWidgetItem *> found = QDir::cleanPath(folder) == directory_
        ? findItems(info.fileName(), Qt::MatchExactly | Qt::MatchCaseSensitive)
        : QList<QListWidgetItem *> {};
    if (found.isEmpty()) {
        clearSelection();
        return false;
    }
    setCurrentItem(found.first());
    found.first()->setSelected(true);
    scrollToItem(found.first());
    return true;
}
