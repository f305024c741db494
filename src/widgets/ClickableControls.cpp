#include "ClickableControls.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QStyle>

int radioButtonFitWidth(const QRadioButton &button)
{
    const QStyle *style = button.style();
    QString caption = button.text();
    caption.remove(QChar('&'));
    return style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, &button)
        + style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, &button)
        + button.fontMetrics().horizontalAdvance(caption);
}

ClickLabel::ClickLabel(QWidget *parent)
    : QLabel(parent)
{
}

void ClickLabel::mousePressEvent(QMouseEvent *event)
{
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    const bool click = pressed_ && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        emit clicked();
}

ShapeBox::ShapeBox(QWidget *parent)
    : QWidget(parent)
{
}

void ShapeBox::setBrushColor(const QColor &color)
{
    if (color == brush_)
        return;
    brush_ = color;
    update();
}

void ShapeBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), brush_);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void ShapeBox::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    emit mouseDown(event->button());
}

MouseButtonTool::MouseButtonTool(QWidget *parent)
    : QToolButton(parent)
{
    setCheckable(false);
    setAutoRaise(false);
}

void MouseButtonTool::mousePressEvent(QMouseEvent *event)
{
    QToolButton::mousePressEvent(event);
    event->accept(); // also for the right and middle buttons, so that the release comes here
    emit mouseDown(event->button());
}

void MouseButtonTool::mouseReleaseEvent(QMouseEvent *event)
{
    QToolButton::mouseReleaseEvent(event);
    event->accept();
    emit mouseUp(event->button());
}
