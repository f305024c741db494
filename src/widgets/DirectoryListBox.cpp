#include "DirectoryListBox.h"

#include "FileListBox.h"
#include "FileSystemControl.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStyle>

DirectoryListBox::DirectoryListBox(QWidget *parent)
    : QListWidget(parent)
    , directory_(QDir::cleanPath(QDir::currentPath()))
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setItemDelegate(new FixedRowDelegate(kRowHeight, this));
    setIconSize(QSize(kRowHeight - 2, kRowHeight - 2));
    // itemActivated comes with a double-click and with Enter or Return on the current row.
    connect(this, &QListWidget::itemActivated, this, &DirectoryListBox::open);
    rebuild();
}

bool DirectoryListBox::setDirectory(const QString &folder)
{
    const QFileInfo info(folder);
    if (folder.isEmpty() || !info.isDir())
        return false;
    const QString path = QDir::cleanPath(info.absoluteFilePath());
    if (path == directory_)
        return true;
    directory_ = path;
    rebuild();
    if (fileList_)
        fileList_->setDirectory(directory_);
    emit directoryChanged(directory_);
    return true;
}

void DirectoryListBox::setFileList(FileListBox *list)
{
    fileList_ = list;
    if (fileList_) {
        fileList_->setDirectoryList(this);
        fileList_->setDirectory(directory_);
    }
}

void DirectoryListBox::open(QListWidgetItem *item)
{
    if (item)
        setDirectory(item->data(PathRole).toString());
}

void DirectoryListBox::rebuild()
{
    clear();
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);

    const auto addRow
        = [this](const QString &text, const QString &path, int level, const QIcon &icon) {
              auto *item = new QListWidgetItem(icon, text, this);
              item->setData(PathRole, path);
              item->setData(FixedRowDelegate::IndentLevelRole, level);
              return item;
          };

    // The path from the root down: "/", then one row per component.
    QListWidgetItem *current = addRow(QStringLiteral("/"), QStringLiteral("/"), 0, openIcon);
    const QStringList parts = directory_.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString path;
    int level = 0;
    for (const QString &part : parts) {
        path += QLatin1Char('/') + part;
        current = addRow(part, path, ++level, openIcon);
    }

    const QString prefix = path.isEmpty() ? QStringLiteral("/") : path + QLatin1Char('/');
    const QStringList children
        = QDir(directory_)
              .entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString &child : children)
        addRow(child, prefix + child, level + 1, closedIcon);

    setCurrentItem(current);
    scrollToItem(current);
}
