#include "WrappingMemo.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>
#include <gtest/gtest.h>

namespace {

// The lines as the box's document layout draws them.
QStringList drawnLines(WrappingMemo &memo)
{
    QStringList lines;
    QTextDocument *doc = memo.document();
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        doc->documentLayout()->blockBoundingRect(block);
        const QTextLayout *layout = block.layout();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            QString shown = block.text().mid(line.textStart(), line.textLength());
            if (shown.endsWith(QChar::LineSeparator))
                shown.chop(1);
            lines << shown;
        }
        if (layout->lineCount() == 0)
            lines << block.text();
    }
    return lines;
}

struct WrapCase
{
    const char *name;
    QString text;
};

class MemoWrap : public testing::TestWithParam<WrapCase>
{
protected:
    WrappingMemo memo;
};

// The lines the box reports are the lines it draws, for every kind of text, at two widths,
// and again after an edit in the middle.
TEST_P(MemoWrap, ReportsTheLinesItDraws)
{
    for (int width : {265, 97}) {
        SCOPED_TRACE(width);
        memo.resize(width, 245);
        memo.setPlainText(GetParam().text);
        // The box takes its width when asked for its lines; the drawn lines are read after.
        const QStringList shown = memo.shownLines();
        EXPECT_EQ(shown, drawnLines(memo));
        QTextCursor cursor(memo.document());
        cursor.setPosition(memo.document()->characterCount() / 2);
        cursor.insertText(QStringLiteral(" inserted words\nand a new line "));
        const QStringList edited = memo.shownLines();
        EXPECT_EQ(edited, drawnLines(memo));
    }
}

QString manyLines(int count)
{
    QString text;
    for (int i = 1; i <= count; ++i)
        text += QString::number(i) + ". A rather long track title, part " + QString::number(i)
            + " (extended mix)\n";
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, MemoWrap,
    testing::Values(
        WrapCase {"empty", ""}, WrapCase {"short_lines", "1. Airbag\n2. Paranoid Android\n\n"},
        WrapCase {"long_word", QString(300, 'W') + " end"},
        WrapCase {"spaces_and_tabs", "   lead\tand\t\ttabs    and trailing blanks      \n \t "},
        WrapCase {"right_to_left",
                  QString::fromUtf8("\xd7\xa9\xd7\x99\xd7\xa8 \xd7\x90\xd7\x97\xd7\x93 \xd7\xa9\xd7"
                                    "\xa0\xd7\x99 \xd7\xa9\xd7\x9c\xd7\x99\xd7\xa9\xd7\x99 mixed "
                                    "\xd7\xa9\xd7\x9c\xd7\x95\xd7\x9d \xd7\xa2\xd7\x95\xd7\x9c\xd7"
                                    "\x9d")},
        WrapCase {"japanese",
                  QString::fromUtf8("\xe6\x9d\xb1\xe4\xba\xac\xe3\x81\xae\xe5\xa4\x9c\xe3\x81\xae"
                                    "\xe6\xad\x8c\xe3\x80\x81\xe3\x81\x9d\xe3\x81\x97\xe3\x81\xa6"
                                    "\xe9\x95\xb7\xe3\x81\x84\xe9\x95\xb7\xe3\x81\x84\xe9\x81\x93"
                                    "\xe3\x81\xae\xe3\x82\x8a")
                      .repeated(4)},
        WrapCase {"accents_and_emoji",
                  QString::fromUtf8("Caf\xc3\xa9 de l'\xc3\x89t\xc3\xa9 \xe2\x80\x94 na\xc3\xafve "
                                    "\xf0\x9f\x8e\xb5 r\xc3\xa9sum\xc3\xa9 \xf0\x9f\x8e\xb8 ")
                      .repeated(5)},
        // Enough blocks to be wrapped on several threads.
        WrapCase {"six_thousand_lines", manyLines(6000)}),
    [](const testing::TestParamInfo<WrapCase> &info) { return std::string(info.param.name); });

} // namespace
