#pragma once

#include <QStringList>
#include <QTextEdit>

// A multi-line plain text box that wraps its text at word boundaries at its own width and has
// no scroll bars. It tells which lines it shows: every line on screen, wrapped or not, is
// one; so that the lines are known before the box is first shown, the wrap width follows
// the box's size directly rather than its viewport.
class WrappingMemo : public QTextEdit
{
    Q_OBJECT

public:
    explicit WrappingMemo(QWidget *parent = nullptr);

    // The lines as the box shows them, without their line ends. An empty box shows one
    // empty line.
    QStringList shownLines();

    // The width in pixels at which the text wraps, margins included.
    int wrapWidth() const;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    void followSize();
};
