#include "ImageList.h"

#include "ColorText.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

namespace {

QColor fromTColor(TColor color)
{
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

QPixmap pixmapFromSvg(const QString &path, int size)
{
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(QSize(size, size) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(path);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(0, 0, size, size));
    return pixmap;
}

// A square of one colour with a dark edge, so that white and silver show on a light tool bar.
QPixmap colourSquare(TColor color)
{
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(QSize(ImageList::kSize, ImageList::kSize) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.fillRect(QRectF(1, 1, 14, 14), QColor(0x55, 0x57, 0x53));
    painter.fillRect(QRectF(2, 2, 12, 12), fromTColor(color));
    return pixmap;
}

} // namespace

ImageList::ImageList()
{
    static constexpr TColor squares[16]
        = {clBlack,  clMaroon, clGreen, clOlive,  clNavy, clPurple,  clTeal, clGray,
           clSilver, clRed,    clLime,  clYellow, clBlue, clFuchsia, clAqua, clWhite};
    static const char *const glyphs[]
        = {"zoom-in", "whole-page", "zoom-out", "page-width", "printer", "printer-setup", "exit"};
    images_.reserve(kCount);
    for (TColor color : squares)
        images_.push_back(colourSquare(color));
    for (const char *name : glyphs)
        images_.push_back(glyphPixmap(QString::fromLatin1(name)));
}

QPixmap glyphPixmap(const QString &name, int size)
{
    return pixmapFromSvg(QStringLiteral(":/glyphs/%1.svg").arg(name), size);
}

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addPixmap(pixmapFromSvg(QStringLiteral(":/icons/cdvennix.svg"), size));
    return icon;
}
