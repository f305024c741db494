#include "ClickableControls.h"
#include "DesignFile.h"
#include "FontDialog.h"
#include "ScreenLook.h"
#include "Unit1.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>

namespace {

QColor textColor(const QWidget *label)
{
    return label->palette().color(QPalette::WindowText);
}

// Answers "Set font" in place of the dialog: OK with a font, or Cancel.
class ScriptedChooser : public FontChooser
{
public:
    std::optional<DialogFont> chooseOnOk;
    void setFont(const DialogFont &font) override { font_ = font; }
    bool execute() override
    {
        if (chooseOnOk)
            font_ = *chooseOnOk;
        return chooseOnOk.has_value();
    }
    DialogFont font() const override { return font_; }

private:
    DialogFont font_;
};

class FontsPageWindow : public ::testing::Test
{
protected:
    TForm1 form;
    ScriptedChooser chooser;

    void SetUp() override
    {
        form.show();
        form.PageControl1->setCurrentWidget(form.TabSheet4);
    }

    // The Fonts page's samples show each block's whole style, the Colours page's samples its
    // colour, and the summary lines its name and size.
    void expectSamplesShowTheDesign()
    {
        for (TextSlot slot : kAllTextSlots) {
            SCOPED_TRACE(static_cast<int>(slot));
            const TextStyle &style = form.design().style(slot);
            const QLabel *sample = form.fontSample(slot);
            EXPECT_EQ(sample->font().family().toStdString(), style.fontName);
            EXPECT_EQ(sample->font().pixelSize(), pixelsForPoints(style.size));
            EXPECT_EQ(sample->font().bold(), style.bold);
            EXPECT_EQ(sample->font().italic(), style.italic);
            EXPECT_EQ(sample->font().underline(), style.underline);
            EXPECT_EQ(sample->font().strikeOut(), style.strikeout);
            EXPECT_EQ(textColor(sample), screenColor(style.color));
            const Qt::Alignment horizontal = sample->alignment() & Qt::AlignHorizontal_Mask;
            EXPECT_EQ(horizontal,
                      style.alignment == TextAlignment::Left        ? Qt::AlignLeft
                          : style.alignment == TextAlignment::Right ? Qt::AlignRight
                                                                    : Qt::AlignHCenter);
            const auto checked = static_cast<std::size_t>(style.alignment);
            EXPECT_TRUE(form.alignmentButtons(slot)[checked]->isChecked());
            EXPECT_EQ(textColor(form.colorSample(slot)), screenColor(style.color));
            EXPECT_EQ(form.summaryLine(slot)->text().toStdString(),
                      style.fontName + ", " + std::to_string(style.size) + "p");
        }
    }
};

TEST_F(FontsPageWindow, laidOutAsTheFormSays)
{
    struct Group
    {
        QGroupBox *box;
        const char *caption;
        QRect rect;
        QLabel *sample;
        const char *sampleText;
        int samplePixels;
        QPushButton *setFont;
        TextSlot slot;
    };
    for (const Group &g : {Group {form.GroupBox1,
                                  "Folder title",
                                  {0, 8, 137, 121},
                                  form.Label12,
                                  "Title",
                                  24,
                                  form.Button1,
                                  TextSlot::FolderTitle},
                           Group {form.GroupBox2,
                                  "Folder contents",
                                  {144, 8, 137, 121},
                                  form.Label13,
                                  "Contents",
                                  13,
                                  form.Button2,
                                  TextSlot::FolderContents},
                           Group {form.GroupBox3,
                                  "Case title",
                                  {0, 136, 137, 121},
                                  form.Label16,
                                  "Title",
                                  24,
                                  form.Button3,
                                  TextSlot::CaseTitle},
                           Group {form.GroupBox4,
                                  "Case contents",
                                  {144, 136, 137, 121},
                                  form.Label17,
                                  "Contents",
                                  13,
                                  form.Button4,
                                  TextSlot::CaseContents}}) {
        SCOPED_TRACE(g.caption);
        EXPECT_EQ(g.box->title(), g.caption);
        EXPECT_EQ(g.box->geometry(), g.rect);
        EXPECT_EQ(g.sample->parentWidget(), g.box);
        EXPECT_EQ(g.sample->geometry(), QRect(8, 16, 121, 49));
        EXPECT_EQ(g.sample->text(), g.sampleText);
        EXPECT_EQ(g.sample->font().pixelSize(), g.samplePixels);
        EXPECT_TRUE(g.sample->font().bold());
        EXPECT_EQ(textColor(g.sample), QColor(Qt::black));
        EXPECT_EQ(g.setFont->text(), "Set font");
        EXPECT_EQ(g.setFont->geometry(), QRect(16, 76, 49, 25));
        const std::array<QRadioButton *, 3> buttons = form.alignmentButtons(g.slot);
        const char *captions[] = {"Left", "Center", "Right"};
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(buttons[i]->text(), captions[i]);
            EXPECT_EQ(buttons[i]->pos(), QPoint(80, 64 + 16 * i));
            EXPECT_EQ(buttons[i]->parentWidget(), g.box);
            EXPECT_GE(buttons[i]->width(), radioButtonFitWidth(*buttons[i])) << captions[i];
            EXPECT_LE(buttons[i]->geometry().right(), g.rect.width() - 1) << captions[i];
        }
        EXPECT_TRUE(buttons[1]->isChecked());
        EXPECT_GE(g.setFont->width(), g.setFont->fontMetrics().horizontalAdvance("Set font"));
    }
    EXPECT_EQ(form.GroupBox5->title(), "Current font settings");
    EXPECT_EQ(form.GroupBox5->geometry(), QRect(0, 264, 281, 81));
    const char *captions[] = {"Folder title:", "Folder cont.:", "Case title:", "Case cont.:"};
    QLabel *captionLabels[] = {form.Label21, form.Label22, form.Label23, form.Label24};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(captionLabels[i]->text(), captions[i]);
        EXPECT_EQ(captionLabels[i]->pos(), QPoint(8, 16 + 16 * i));
        EXPECT_GE(captionLabels[i]->width(), captionLabels[i]->sizeHint().width()) << captions[i];
        EXPECT_LT(captionLabels[i]->geometry().right(), 72) << captions[i];
        const QLabel *line = form.summaryLine(kAllTextSlots[static_cast<std::size_t>(i)]);
        EXPECT_EQ(line->geometry(), QRect(72, 16 + 16 * i, 201, i == 3 ? 13 : 17));
        EXPECT_EQ(textColor(line), QColor(0, 128, 128));
    }
    EXPECT_EQ(form.Label14->text(), "Arial, 18p");
    EXPECT_EQ(form.Label18->text(), "Arial, 10p");
    EXPECT_EQ(form.Label19->text(), "Arial, 18p");
    EXPECT_EQ(form.Label20->text(), "Arial, 10p");
    expectSamplesShowTheDesign();
    // The page holds every control within its area.
    EXPECT_LE(form.TabSheet4->childrenRect().bottom(), form.TabSheet4->height() - 1);
    EXPECT_LE(form.TabSheet4->childrenRect().right(), form.TabSheet4->width() - 1);
}

TEST_F(FontsPageWindow, setFontButtonsAskForTheirOwnBlock)
{
    form.fontChooser = &chooser;
    QPushButton *buttons[] = {form.Button1, form.Button2, form.Button3, form.Button4};
    for (TextSlot slot : kAllTextSlots) {
        const auto i = static_cast<std::size_t>(slot);
        chooser.chooseOnOk = DialogFont {
            "Liberation Mono", 20 + static_cast<int>(i), clMaroon, false, true, true, true, 204};
        QTest::mouseClick(buttons[i], Qt::LeftButton);
        EXPECT_EQ(form.design().style(slot).size, 20 + static_cast<int>(i));
        EXPECT_EQ(form.design().style(slot).charset, 204);
    }
    expectSamplesShowTheDesign();
}

TEST_F(FontsPageWindow, courierNewForCaseContentsRewritesOnlyItsLine)
{
    form.fontChooser = &chooser;
    chooser.chooseOnOk = DialogFont {"Courier New", 12, clGreen, false, false, false, false, 0};
    QTest::mouseClick(form.Button4, Qt::LeftButton);
    EXPECT_EQ(form.Label20->text(), "Courier New, 12p");
    EXPECT_EQ(form.Label14->text(), "Arial, 18p");
    EXPECT_EQ(form.Label18->text(), "Arial, 10p");
    EXPECT_EQ(form.Label19->text(), "Arial, 18p");
    EXPECT_EQ(form.Label17->font().pixelSize(), 16) << "12 points at 96 dpi";
    EXPECT_EQ(textColor(form.Label8), QColor(0, 128, 0)) << "the Colours page's sample too";
    EXPECT_TRUE(form.design().modified);
    expectSamplesShowTheDesign();
}

TEST_F(FontsPageWindow, realDialogIsPresetAndReadBack)
{
    form.design().style(TextSlot::FolderTitle).color = clPurple;
    form.TabSheet4Show();
    bool sawPreset = false;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<FontDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        sawPreset = dialog->familyEdit()->text() == "Arial" && dialog->sizeEdit()->text() == "18"
            && dialog->textStyle().color == clPurple;
        dialog->sizeEdit()->setText(QStringLiteral("36"));
        dialog->okButton()->click();
    });
    QTest::mouseClick(form.Button1, Qt::LeftButton);
    EXPECT_TRUE(sawPreset);
    EXPECT_EQ(form.design().style(TextSlot::FolderTitle).size, 36);
    EXPECT_EQ(form.design().style(TextSlot::FolderTitle).fontName, "Arial");
    EXPECT_EQ(form.Label14->text(), "Arial, 36p");
    EXPECT_EQ(form.Label12->font().pixelSize(), 48);
    expectSamplesShowTheDesign();
}

TEST_F(FontsPageWindow, cancelInTheRealDialogChangesNothingButSetsModified)
{
    const DesignFields before = form.design().fields();
    QTimer::singleShot(0, [] {
        auto *dialog = qobject_cast<FontDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->sizeEdit()->setText(QStringLiteral("40"));
        dialog->reject();
    });
    QTest::mouseClick(form.Button2, Qt::LeftButton);
    DesignFields expected = before;
    expected.modified = true;
    EXPECT_EQ(form.design().fields(), expected);
    EXPECT_EQ(form.Label18->text(), "Arial, 10p");
    expectSamplesShowTheDesign();
}

TEST_F(FontsPageWindow, alignmentHandlerRunsOnlyWhenTheCheckedButtonChanges)
{
    QTest::mouseClick(form.RadioButton21, Qt::LeftButton);
    EXPECT_EQ(form.design().style(TextSlot::CaseTitle).alignment, TextAlignment::Right);
    EXPECT_TRUE(form.Label16->alignment() & Qt::AlignRight);
    EXPECT_TRUE(form.Label12->alignment() & Qt::AlignHCenter) << "only its own group";
    EXPECT_TRUE(form.design().modified);
    expectSamplesShowTheDesign();

    form.design().modified = false;
    QTest::mouseClick(form.RadioButton21, Qt::LeftButton);
    EXPECT_FALSE(form.design().modified);

    QTest::mouseClick(form.RadioButton13, Qt::LeftButton);
    QTest::mouseClick(form.RadioButton17, Qt::LeftButton);
    QTest::mouseClick(form.RadioButton22, Qt::LeftButton);
    EXPECT_EQ(form.design().style(TextSlot::FolderTitle).alignment, TextAlignment::Left);
    EXPECT_EQ(form.design().style(TextSlot::FolderContents).alignment, TextAlignment::Center);
    EXPECT_EQ(form.design().style(TextSlot::CaseContents).alignment, TextAlignment::Left);
    expectSamplesShowTheDesign();

    form.design().resetToNew();
    EXPECT_TRUE(form.RadioButton20->isChecked());
    EXPECT_TRUE(form.RadioButton14->isChecked());
    EXPECT_FALSE(form.design().modified);
    expectSamplesShowTheDesign();
}

TEST_F(FontsPageWindow, samplesFollowPaletteBlackAndWhiteAndOpen)
{
    form.PageControl1->setCurrentWidget(form.TabSheet2);
    form.RadioButton2->setChecked(true);
    QTest::mousePress(form.ToolButton13, Qt::LeftButton);
    QTest::mouseRelease(form.ToolButton13, Qt::LeftButton);
    EXPECT_EQ(textColor(form.Label13), QColor(255, 0, 0));
    EXPECT_EQ(form.Label18->text(), "Arial, 10p");
    expectSamplesShowTheDesign();

    QTest::mouseClick(form.SpeedButton3, Qt::LeftButton);
    expectSamplesShowTheDesign();

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fonts.vnx"));
    {
        std::ofstream out(path.toStdString(), std::ios::binary);
        out << "[ftf]\r\nname=Liberation Serif\r\nsize=26\r\ncolor=clBlue\r\nalign=0\r\n"
               "italic=1\r\n[ccf]\r\nname=DejaVu Sans\r\nsize=9\r\nalign=2\r\nstrikeout=1\r\n";
    }
    readDesignFile(form.design(), path.toStdString());
    EXPECT_TRUE(form.RadioButton13->isChecked());
    EXPECT_TRUE(form.RadioButton24->isChecked());
    EXPECT_EQ(form.Label14->text(), "Liberation Serif, 26p");
    expectSamplesShowTheDesign();
}

} // namespace
