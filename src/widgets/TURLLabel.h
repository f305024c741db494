#pragma once

#include "ColorText.h"

#include <QLabel>
#include <QString>
#include <functional>

// A label that opens a web address when it is clicked. Blue and underlined; red while a
// button is held down on it. Releasing the button inside the label opens URL (the caption
// when URL is empty); releasing it outside opens nothing.
class TURLLabel : public QLabel
{
    Q_OBJECT

public:
    // Asks the desktop to open an address ("open" action of the system shell). Tests put a
    // recorder in its place so that no browser starts. The result of the request is not used.
    using Opener = std::function<void(const QString &address)>;

    explicit TURLLabel(QWidget *parent = nullptr);

    QString URL;
    TColor ColorNormal = clBlue;
    TColor ColorMoveOver = clBlue;
    TColor ColorClick = clRed;

    // The colour the text shows now.
    TColor currentColor() const { return shownColor_; }

    // The address a click opens: URL, or the caption when URL is empty.
    QString address() const;

    // Replaces the opener for all link labels; returns the one it replaces.
    static Opener setOpener(Opener opener);

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void showColor(TColor color);

    TColor shownColor_ = clNone;
    bool pressed_ = false;
};
