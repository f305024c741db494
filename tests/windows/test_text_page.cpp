#include "ContentsLines.h"
#include "DesignFile.h"
#include "Unit1.h"
#include "WrappingMemo.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <fstream>
#include <gtest/gtest.h>

namespace {

class TextPageTest : public ::testing::Test
{
protected:
    TForm1 form;

    // The lines the box's own layout shows on screen.
    QStringList linesOnScreen()
    {
        QStringList lines;
        QTextDocument *doc = form.Memo1->document();
        for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
            doc->documentLayout()->blockBoundingRect(block);
            const QTextLayout *layout = block.layout();
            for (int i = 0; i < layout->lineCount(); ++i)
                lines << block.text().mid(layout->lineAt(i).textStart(),
                                          layout->lineAt(i).textLength());
        }
        return lines;
    }

    std::vector<std::string> contents() const { return form.design().contents; }
};

TEST_F(TextPageTest, laidOutAsTheFormSays)
{
    form.show();
    EXPECT_EQ(form.Label1->text(), "&Title:");
    EXPECT_EQ(form.Label1->pos(), QPoint(8, 8));
    EXPECT_EQ(form.Label1->buddy(), form.Edit1);
    EXPECT_EQ(form.Edit1->geometry(), QRect(8, 25, 265, 21));
    EXPECT_EQ(form.Edit1->toolTip(), "Enter title");
    EXPECT_EQ(form.Edit1->text(), "");
    EXPECT_GT(form.Edit1->maxLength(), 1000000) << "no length limit";
    EXPECT_EQ(form.Label2->text(), "&Contents:");
    EXPECT_EQ(form.Label2->pos(), QPoint(8, 56));
    EXPECT_EQ(form.Label2->buddy(), form.Memo1);
    EXPECT_EQ(form.Memo1->geometry(), QRect(8, 76, 265, 245));
    EXPECT_EQ(form.Memo1->toolTip(), "Enter contents of CD");
    EXPECT_EQ(form.Memo1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(form.Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_TRUE(form.Memo1->tabChangesFocus());
    for (QLabel *label : {form.Label1, form.Label2})
        EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
}

TEST_F(TextPageTest, acceleratorsMoveTheFocus)
{
    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(&form, Qt::Key_C, Qt::AltModifier);
    EXPECT_TRUE(form.Memo1->hasFocus());
    QTest::keyClick(&form, Qt::Key_T, Qt::AltModifier);
    EXPECT_TRUE(form.Edit1->hasFocus());
}

TEST_F(TextPageTest, typingGoesIntoTheDesignAndNeverSetsModified)
{
    form.show();
    QTest::keyClicks(form.Edit1, QStringLiteral("Best of"));
    EXPECT_EQ(form.design().title, "Best of");

    QTest::keyClicks(form.Memo1, QStringLiteral("One"));
    QTest::keyClick(form.Memo1, Qt::Key_Return);
    QTest::keyClicks(form.Memo1, QStringLiteral("Two"));
    EXPECT_EQ(contents(), (std::vector<std::string> {"One", "Two"}));
    QTest::keyClick(form.Memo1, Qt::Key_Return);
    EXPECT_EQ(contents(), (std::vector<std::string> {"One", "Two"}))
        << "an empty last line is not an entry";
    QTest::keyClick(form.Memo1, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(contents(), (std::vector<std::string> {"One", "Two", ""}));
    EXPECT_FALSE(form.design().modified);
}

TEST_F(TextPageTest, longParagraphBecomesTheLinesTheBoxShows)
{
    form.show();
    const QString paragraph = QStringLiteral(
        "Recorded live at the harbour festival in the summer of 1999 with the whole band and "
        "a brass section of twelve, on stage.");
    ASSERT_EQ(paragraph.size(), 120);
    QTest::keyClicks(form.Memo1, paragraph);

    const std::vector<std::string> lines = contents();
    ASSERT_GE(lines.size(), 3u);
    std::string joined;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        joined += lines[i];
        if (i + 1 < lines.size()) {
            EXPECT_EQ(lines[i].back(), ' ') << "split at a word boundary: " << lines[i];
        }
    }
    EXPECT_EQ(joined, paragraph.toStdString());

    QStringList onScreen = linesOnScreen();
    std::vector<std::string> shown;
    for (const QString &line : onScreen)
        shown.push_back(line.toStdString());
    EXPECT_EQ(lines, shown) << "each line as the box draws it is one entry";
}

TEST_F(TextPageTest, boxWrapsTheSameBeforeItIsFirstShown)
{
    const QString paragraph = QStringLiteral(
        "A paragraph that is put into the box before the window has ever been shown, so the "
        "box has not been laid out on screen yet");
    form.Memo1->setPlainText(paragraph);
    const std::vector<std::string> before = contents();
    EXPECT_GE(before.size(), 2u);
    form.show();
    form.Memo1->setPlainText(QString());
    form.Memo1->setPlainText(paragraph);
    EXPECT_EQ(contents(), before);
}

void writeFile(const QString &path, const std::string &text)
{
    std::ofstream out(path.toStdString(), std::ios::binary);
    out << text;
}

TEST_F(TextPageTest, newAndOpenFillTheBoxes)
{
    form.show();
    QTest::keyClicks(form.Edit1, QStringLiteral("Typed"));
    QTest::keyClicks(form.Memo1, QStringLiteral("typed contents"));

    form.design().resetToNew();
    EXPECT_EQ(form.Edit1->text(), "");
    EXPECT_EQ(form.Memo1->toPlainText(), "");
    EXPECT_TRUE(form.design().contents.empty());
    EXPECT_TRUE(form.design().title.empty());

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("loaded.vnx"));
    writeFile(
        path,
        "[title]\r\ntext=Loaded title\r\n[cont]\r\nno=4\r\n1=Track 1\r\n2=\r\n3=Track 3\r\n4=\r\n");
    readDesignFile(form.design(), path.toStdString());
    EXPECT_EQ(form.Edit1->text(), "Loaded title");
    EXPECT_EQ(form.design().title, "Loaded title");
    EXPECT_EQ(contents(), (std::vector<std::string> {"Track 1", "", "Track 3", ""}))
        << "the lines come back from the box as they were";
    EXPECT_EQ(linesOnScreen(), QStringList({"Track 1", "", "Track 3", "", ""}));
}

TEST_F(TextPageTest, loadedLineWiderThanTheBoxBecomesTheLinesTheBoxShows)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("wide.vnx"));
    const std::string wide = "one two three four five six seven eight nine ten eleven twelve "
                             "thirteen fourteen fifteen sixteen seventeen";
    writeFile(path, "[cont]\r\nno=1\r\n1=" + wide + "\r\n");
    readDesignFile(form.design(), path.toStdString());
    ASSERT_GE(contents().size(), 2u);
    std::string joined;
    for (const std::string &line : contents())
        joined += line;
    EXPECT_EQ(joined, wide);
}

} // namespace
