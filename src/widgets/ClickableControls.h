#pragma once

#include <QLabel>
#include <QToolButton>
#include <QWidget>

class QMouseEvent;
class QRadioButton;

// The width a radio button needs to show its indicator and its whole caption.
int radioButtonFitWidth(const QRadioButton &button);

// A label that reports a click: the left mouse button pressed and released on it.
class ClickLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ClickLabel(QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool pressed_ = false;
};

// A filled rectangle with a one-pixel black outline that reports the press of any mouse
// button on it.
class ShapeBox : public QWidget
{
    Q_OBJECT

public:
    explicit ShapeBox(QWidget *parent = nullptr);

    QColor brushColor() const { return brush_; }
    void setBrushColor(const QColor &color);

signals:
    void mouseDown(Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QColor brush_ = Qt::white;
};

// A tool button that reports the press and the release of any mouse button, not only of the
// left one. It never stays down.
class MouseButtonTool : public QToolButton
{
    Q_OBJECT

public:
    explicit MouseButtonTool(QWidget *parent = nullptr);

signals:
    void mouseDown(Qt::MouseButton button);
    void mouseUp(Qt::MouseButton button);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};
