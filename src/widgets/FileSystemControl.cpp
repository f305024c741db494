#include "FileSystemControl.h"

#include <QPainter>
#include <QPalette>
#include <QWidget>

void setFileSystemControlBackground(QWidget *control, const QColor &color)
{
    QPalette palette = control->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, color);
        palette.setColor(group, QPalette::Button, color); // the face of a drop-down list
    }
    // Disabled entries stay readable on silver, grey as the classic look draws them.
    const QColor grey(128, 128, 128);
    palette.setColor(QPalette::Disabled, QPalette::Text, grey);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, grey);
    control->setPalette(palette);
}

FixedRowDelegate::FixedRowDelegate(int rowHeight, QObject *parent)
    : QStyledItemDelegate(parent)
    , rowHeight_(rowHeight)
{
}

QSize FixedRowDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setWidth(size.width() + index.data(IndentLevelRole).toInt() * kIndentPixels);
    size.setHeight(rowHeight_);
    return size;
}

void FixedRowDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                             const QModelIndex &index) const
{
    const int level = index.data(IndentLevelRole).toInt();
    if (level == 0) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem indented(option);
    indented.rect.setLeft(option.rect.left() + level * kIndentPixels);
    QStyledItemDelegate::paint(painter, indented, index);
}
