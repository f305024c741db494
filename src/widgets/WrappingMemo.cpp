#include "WrappingMemo.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextLayout>
#include <algorithm>
#include <thread>
#include <vector>

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

namespace {

// The lines a block was last seen to wrap into, kept with the block until its text or the
// wrap changes.
class WrappedLines : public QTextBlockUserData
{
public:
    QString text;
    qreal width = 0;
    Qt::LayoutDirection direction = Qt::LeftToRight;
    QStringList lines;
};

struct WrapJob
{
    QString text;
    Qt::LayoutDirection direction;
    QStringList lines;
};

// Wraps a block's text as the document's layout does for plain text: the document's font and
// text option, the block's direction, the width between the document margins. One wrapper
// serves one thread: it keeps a font of its own, since a font shared between threads would
// look its glyphs up again each time it changes hands.
class TextWrapper
{
public:
    TextWrapper(const QFont &font, const QTextOption &option, qreal width)
        : font_(font)
        , option_(option)
        , width_(width)
    {
        font_.setKerning(font.kerning()); // a copy of its own, not a share
        layout_.setFont(font_);
        layout_.setCacheEnabled(false);
    }

    QStringList wrap(const QString &text, Qt::LayoutDirection direction)
    {
        option_.setTextDirection(direction);
        layout_.setText(text);
        layout_.setTextOption(option_);
        QStringList lines;
        layout_.beginLayout();
        for (QTextLine line = layout_.createLine(); line.isValid(); line = layout_.createLine()) {
            line.setLeadingIncluded(true);
            line.setLineWidth(width_);
            QString shown = text.mid(line.textStart(), line.textLength());
            if (shown.endsWith(QChar::LineSeparator))
                shown.chop(1);
            lines << shown;
        }
        layout_.endLayout();
        if (lines.isEmpty())
            lines << text;
        return lines;
    }

private:
    QFont font_;
    QTextOption option_;
    qreal width_;
    QTextLayout layout_;
};

// Below this many blocks to wrap, one thread does it.
constexpr std::size_t kBlocksPerThread = 2000;

} // namespace

QStringList WrappingMemo::shownLines()
{
    // A hidden box gets its resize event only when shown; its size is known before.
    followSize();
    QTextDocument *doc = document();
    const qreal width = std::max<qreal>(0, wrapWidth() - 2 * doc->documentMargin());
    const QFont font = doc->defaultFont();
    const QTextOption option = doc->defaultTextOption();

    // The blocks whose wrap is not known yet: all of them after a new text is put in, the
    // edited ones after typing.
    std::vector<QTextBlock> blocks;
    blocks.reserve(std::size_t(doc->blockCount()));
    std::vector<WrapJob> jobs;
    std::vector<std::size_t> jobBlocks;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        const auto *known = static_cast<const WrappedLines *>(block.userData());
        const QString text = block.text();
        const Qt::LayoutDirection direction = block.textDirection();
        if (!known || known->width != width || known->direction != direction
            || known->text != text) {
            jobs.push_back({text, direction, {}});
            jobBlocks.push_back(blocks.size());
        }
        blocks.push_back(block);
    }

    // Text layout is safe on several threads, each with its own layouts; a long text is split
    // among the cores.
    const auto wrapRange = [&](std::size_t from, std::size_t to) {
        TextWrapper wrapper(font, option, width);
        for (std::size_t i = from; i < to; ++i)
            jobs[i].lines = wrapper.wrap(jobs[i].text, jobs[i].direction);
    };
    const std::size_t threadCount = std::clamp<std::size_t>(
        jobs.size() / kBlocksPerThread, 1, std::max(1u, std::thread::hardware_concurrency()));
    if (threadCount == 1) {
        wrapRange(0, jobs.size());
    } else {
        std::vector<std::thread> threads;
        const std::size_t share = (jobs.size() + threadCount - 1) / threadCount;
        for (std::size_t t = 1; t < threadCount; ++t)
            threads.emplace_back(wrapRange, std::min(jobs.size(), t * share),
                                 std::min(jobs.size(), (t + 1) * share));
        wrapRange(0, std::min(jobs.size(), share));
        for (std::thread &thread : threads)
            thread.join();
    }
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        auto *known = new WrappedLines;
        known->text = std::move(jobs[i].text);
        known->width = width;
        known->direction = jobs[i].direction;
        known->lines = std::move(jobs[i].lines);
        blocks[jobBlocks[i]].setUserData(known); // the block owns it
    }

    QStringList lines;
    for (const QTextBlock &block : blocks)
        lines << static_cast<const WrappedLines *>(block.userData())->lines;
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
