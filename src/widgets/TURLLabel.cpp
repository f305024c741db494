#include "TURLLabel.h"

#include <QDesktopServices>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QUrl>
#include <utility>

namespace {

TURLLabel::Opener &opener()
{
    static TURLLabel::Opener current = [](const QString &address) {
        QDesktopServices::openUrl(QUrl::fromUserInput(address));
    };
    return current;
}

// A plain colour $00BBGGRR as Qt's colour.
QColor toQColor(TColor color)
{
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

} // namespace

TURLLabel::TURLLabel(QWidget *parent)
    : QLabel(parent)
{
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    setCursor(Qt::PointingHandCursor);
    showColor(ColorNormal);
}

QString TURLLabel::address() const
{
    return URL.isEmpty() ? text() : URL;
}

TURLLabel::Opener TURLLabel::setOpener(Opener replacement)
{
    return std::exchange(opener(), std::move(replacement));
}

void TURLLabel::showColor(TColor color)
{
    if (color == shownColor_)
        return;
    shownColor_ = color;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, toQColor(color));
    setPalette(p);
}

void TURLLabel::showEvent(QShowEvent *event)
{
    QLabel::showEvent(event);
    pressed_ = false;
    showColor(underMouse() ? ColorMoveOver : ColorNormal);
}

void TURLLabel::enterEvent(QEnterEvent *event)
{
    QLabel::enterEvent(event);
    showColor(pressed_ ? ColorClick : ColorMoveOver);
}

void TURLLabel::leaveEvent(QEvent *event)
{
    QLabel::leaveEvent(event);
    showColor(ColorNormal);
}

void TURLLabel::mousePressEvent(QMouseEvent *event)
{
    pressed_ = true;
    showColor(ColorClick);
    event->accept();
}

// While a button is held the label keeps the mouse, so moves off and back arrive here even
// where the window system sends no enter and leave events.
void TURLLabel::mouseMoveEvent(QMouseEvent *event)
{
    if (pressed_)
        showColor(rect().contains(event->position().toPoint()) ? ColorClick : ColorNormal);
    QLabel::mouseMoveEvent(event);
}

void TURLLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (!pressed_) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    pressed_ = false;
    event->accept();
    if (rect().contains(event->position().toPoint())) {
        showColor(ColorMoveOver);
        if (const Opener &open = opener())
            open(address());
    } else {
        showColor(ColorNormal);
    }
}
