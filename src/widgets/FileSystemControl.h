#pragma once

#include <QColor>
#include <QSize>
#include <QStyledItemDelegate>

class QWidget;

// The background the drive box, directory list and file list show, in every state: they are
// silver while disabled, so the disabled palette takes the colour too.
void setFileSystemControlBackground(QWidget *control, const QColor &color);

// Rows of a fixed height in pixels, each drawn indented by its level (the directory list's
// tree); the level is read from the item's IndentLevelRole, 0 when unset.
class FixedRowDelegate : public QStyledItemDelegate
{
public:
    static constexpr int IndentLevelRole = Qt::UserRole + 1;
    static constexpr int kIndentPixels = 8;

    FixedRowDelegate(int rowHeight, QObject *parent);
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

private:
    int rowHeight_;
};
