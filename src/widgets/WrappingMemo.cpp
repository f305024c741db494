#include "WrappingMemo.h"

#include <QAbstractTextDocumentLayout>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextLayout>
#include <algorithm>

WrappingMemo::WrappingMemo(QWidget *parent)
    : QTextEdit(parent)
{
    setAcceptRichText(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QTextEdit::FixedPixelWidth);
    // Like the system's edit box: a word longer than a line is broken where the line ends.
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    // Tab moves the focus on; Enter starts a new line.
    setTabChangesFocus(true);
    followSize();
}

int WrappingMemo::wrapWidth() const
{
    // The viewport fills the frame: there are no scroll bars and no viewport margins.
    return std::max(1, width() - 2 * frameWidth());
}

void WrappingMemo::followSize()
{
    if (lineWrapColumnOrWidth() != wrapWidth())
        setLineWrapColumnOrWidth(wrapWidth());
}

void WrappingMemo::resizeEvent(QResizeEvent *event)
{
    QTextEdit::resizeEvent(event);
    followSize();
}

QStringList WrappingMemo::shownLines()
{
    // A hidden box gets its resize event only when shown; its size is known before.
    followSize();
    QTextDocument *doc = document();
    QStringList lines;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        // Lays the block out if that has not happened yet.
        doc->documentLayout()->blockBoundingRect(block);
        const QString text = block.text();
        const QTextLayout *layout = block.layout();
        if (!layout || layout->lineCount() == 0) {
            lines << text;
            continue;
        }
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            QString shown = text.mid(line.textStart(), line.textLength());
            if (shown.endsWith(QChar::LineSeparator))
                shown.chop(1);
            lines << shown;
        }
    }
    return lines;
}

void WrappingMemo::keyPressEvent(QKeyEvent *event)
{
    // Shift+Enter would start a line inside the paragraph; every line end here is a plain one.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && event->modifiers() & Qt::ShiftModifier) {
        QKeyEvent plain(event->type(), event->key(), event->modifiers() & ~Qt::ShiftModifier,
                        event->text(), event->isAutoRepeat(), static_cast<ushort>(event->count()));
        QTextEdit::keyPressEvent(&plain);
        event->setAccepted(plain.isAccepted());
        return;
    }
    QTextEdit::keyPressEvent(event);
}

void WrappingMemo::insertFromMimeData(const QMimeData *source)
{
    if (!source || !source->hasText())
        return;
    QString text = source->text();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar('\r'), QChar('\n'));
    text.replace(QChar::LineSeparator, QChar('\n'));
    text.replace(QChar::ParagraphSeparator, QChar('\n'));
    textCursor().insertText(text);
}
