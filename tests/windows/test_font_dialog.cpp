#include "FontDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TextStyle navyArial()
{
    return TextStyle {"Arial",        18, clNavy, true, false, true, false, TextAlignment::Right,
                      DEFAULT_CHARSET};
}

int rowOf(QListWidget *list, const QString &text)
{
    const QList<QListWidgetItem *> found = list->findItems(text, Qt::MatchExactly);
    return found.isEmpty() ? -1 : list->row(found.first());
}

TEST(FontDialog, showsThePreset)
{
    FontDialog dialog;
    dialog.setTextStyle(navyArial());
    EXPECT_EQ(dialog.familyEdit()->text(), "Arial");
    EXPECT_EQ(dialog.styleList()->currentItem()->text(), "Bold");
    EXPECT_EQ(dialog.sizeEdit()->text(), "18");
    EXPECT_EQ(dialog.sizeList()->currentItem()->text(), "18");
    EXPECT_TRUE(dialog.underlineBox()->isChecked());
    EXPECT_FALSE(dialog.strikeoutBox()->isChecked());
    EXPECT_EQ(dialog.colorBox()->currentText(), "Navy");
    EXPECT_EQ(dialog.colorBox()->count(), 16);
    EXPECT_TRUE(dialog.okButton()->isEnabled());
}

TEST(FontDialog, cancelGivesBackThePresetWhateverWasChanged)
{
    FontDialog dialog;
    dialog.setTextStyle(navyArial());
    dialog.sizeEdit()->setText(QStringLiteral("30"));
    dialog.colorBox()->setCurrentIndex(9);
    dialog.strikeoutBox()->setChecked(true);
    dialog.reject();
    EXPECT_EQ(dialog.textStyle(), navyArial());
}

TEST(FontDialog, okWithoutChangesKeepsANameThatOnlyHasASubstitute)
{
    // "Arial" is drawn with Liberation Sans and is not in the list of installed families.
    FontDialog dialog;
    dialog.setTextStyle(navyArial());
    dialog.accept();
    const TextStyle chosen = dialog.textStyle();
    EXPECT_EQ(chosen.fontName, "Arial");
    EXPECT_EQ(chosen.size, 18);
    EXPECT_EQ(chosen.color, clNavy);
    EXPECT_TRUE(chosen.bold);
    EXPECT_TRUE(chosen.underline);
    EXPECT_EQ(chosen.alignment, TextAlignment::Right) << "the alignment passes through";
    EXPECT_EQ(chosen.charset, ANSI_CHARSET) << "the first script of the font";
}

TEST(FontDialog, okReturnsTheWholeChoice)
{
    FontDialog dialog;
    dialog.setTextStyle(navyArial());
    const int row = rowOf(dialog.familyList(), QStringLiteral("DejaVu Sans"));
    ASSERT_GE(row, 0);
    dialog.familyList()->setCurrentRow(row);
    EXPECT_EQ(dialog.familyEdit()->text(), "DejaVu Sans");
    dialog.styleList()->setCurrentRow(1); // Italic
    dialog.sizeList()->setCurrentRow(rowOf(dialog.sizeList(), QStringLiteral("12")));
    dialog.strikeoutBox()->setChecked(true);
    dialog.underlineBox()->setChecked(false);
    dialog.colorBox()->setCurrentIndex(dialog.colorBox()->findText(QStringLiteral("Red")));
    const int cyrillic = dialog.scriptBox()->findText(QStringLiteral("Cyrillic"));
    ASSERT_GE(cyrillic, 0) << "DejaVu Sans covers Cyrillic";
    dialog.scriptBox()->setCurrentIndex(cyrillic);
    dialog.accept();

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.textStyle(),
              (TextStyle {"DejaVu Sans", 12, clRed, false, true, false, true, TextAlignment::Right,
                          204}));
}

struct SizeRow
{
    const char *name;
    const char *typed;
    bool accepted;
};

void PrintTo(const SizeRow &row, std::ostream *out)
{
    *out << row.name;
}

class FontDialogSize : public ::testing::TestWithParam<SizeRow>
{
};

TEST_P(FontDialogSize, onlyWholePointsFrom8To64)
{
    FontDialog dialog;
    dialog.setTextStyle(navyArial());
    dialog.sizeEdit()->setText(QString::fromLatin1(GetParam().typed));
    EXPECT_EQ(dialog.okButton()->isEnabled(), GetParam().accepted);
    dialog.accept();
    EXPECT_EQ(dialog.result() == QDialog::Accepted, GetParam().accepted);
    const int expected = GetParam().accepted ? QString::fromLatin1(GetParam().typed).toInt() : 18;
    EXPECT_EQ(dialog.textStyle().size, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, FontDialogSize,
    ::testing::Values(SizeRow {"smallest", "8", true}, SizeRow {"largest", "64", true},
                      SizeRow {"notListedButInRange", "13", true},
                      SizeRow {"belowRange", "7", false}, SizeRow {"aboveRange", "65", false},
                      SizeRow {"empty", "", false}),
    [](const ::testing::TestParamInfo<SizeRow> &info) { return std::string(info.param.name); });

TEST(FontDialog, presetSizeOutOfRangeMustBeChangedBeforeOk)
{
    FontDialog dialog;
    TextStyle style = navyArial();
    style.size = 100; // a design file may hold any size
    dialog.setTextStyle(style);
    EXPECT_FALSE(dialog.okButton()->isEnabled());
    dialog.reject();
    EXPECT_EQ(dialog.textStyle().size, 100);
}

TEST(FontDialog, colourOutsideTheSixteenStaysAsCustom)
{
    FontDialog dialog;
    TextStyle style = navyArial();
    style.color = 0x000080FF;
    dialog.setTextStyle(style);
    EXPECT_EQ(dialog.colorBox()->count(), 17);
    EXPECT_EQ(dialog.colorBox()->currentText(), "Custom");
    dialog.accept();
    EXPECT_EQ(dialog.textStyle().color, 0x000080FF);

    dialog.setTextStyle(navyArial());
    EXPECT_EQ(dialog.colorBox()->count(), 16) << "the custom entry goes with its preset";
}

TEST(FontDialog, listsScalableFamiliesOnceEach)
{
    const QStringList families = FontDialog::scalableFamilies();
    EXPECT_TRUE(families.contains(QStringLiteral("Liberation Sans")));
    for (const QString &family : families) {
        EXPECT_FALSE(family.contains(QChar('['))) << family.toStdString();
        EXPECT_EQ(families.count(family), 1) << family.toStdString();
    }
}

TEST(FontDialog, unknownTypedFamilyCannotBeAccepted)
{
    FontDialog dialog;
    dialog.setTextStyle(navyArial());
    dialog.familyEdit()->setFocus();
    dialog.familyEdit()->selectAll();
    QTest::keyClicks(dialog.familyEdit(), QStringLiteral("No Such Font Family"));
    EXPECT_FALSE(dialog.okButton()->isEnabled());
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);

    dialog.familyEdit()->selectAll();
    QTest::keyClicks(dialog.familyEdit(), QStringLiteral("liberation serif"));
    EXPECT_TRUE(dialog.okButton()->isEnabled());
    dialog.accept();
    EXPECT_EQ(dialog.textStyle().fontName, "Liberation Serif") << "the list's spelling";
}

} // namespace
