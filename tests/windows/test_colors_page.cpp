#include "ClickableControls.h"
#include "DesignFile.h"
#include "ScreenLook.h"
#include "Unit1.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>

namespace {

QColor textColor(const QWidget *label)
{
    return label->palette().color(QPalette::WindowText);
}

class ColorsPageWindow : public ::testing::Test
{
protected:
    TForm1 form;

    void SetUp() override
    {
        form.show();
        form.PageControl1->setCurrentWidget(form.TabSheet2);
    }

    std::array<MouseButtonTool *, 16> swatches() const
    {
        return {form.ToolButton2,  form.ToolButton3,  form.ToolButton4,  form.ToolButton5,
                form.ToolButton6,  form.ToolButton7,  form.ToolButton8,  form.ToolButton9,
                form.ToolButton12, form.ToolButton13, form.ToolButton14, form.ToolButton15,
                form.ToolButton16, form.ToolButton17, form.ToolButton18, form.ToolButton19};
    }

    void clickSwatch(std::size_t index, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(swatches()[index], button);
        QTest::mouseRelease(swatches()[index], button);
    }

    // Every preview on the Colours page, and the Fonts page's samples, show the design.
    void expectPreviewsShowTheDesign()
    {
        const DesignFields &d = form.design();
        EXPECT_EQ(form.Shape1->brushColor(), screenColor(d.folderBackground));
        EXPECT_EQ(form.Shape3->brushColor(), screenColor(d.caseBackground));
        EXPECT_EQ(form.Shape2->brushColor(), screenColor(d.sideBackground));
        EXPECT_EQ(form.Shape4->brushColor(), screenColor(d.sideBackground));
        EXPECT_EQ(textColor(form.Label5), screenColor(d.sideTitleColor));
        EXPECT_EQ(textColor(form.Label6), screenColor(d.sideTitleColor));
        for (TextSlot slot : kAllTextSlots) {
            const QColor color = screenColor(d.style(slot).color);
            EXPECT_EQ(textColor(form.colorSample(slot)), color) << static_cast<int>(slot);
            EXPECT_EQ(textColor(form.fontSample(slot)), color) << static_cast<int>(slot);
        }
    }
};

TEST_F(ColorsPageWindow, laidOutAsTheFormSays)
{
    struct Placed
    {
        QWidget *widget;
        QRect rect;
    };
    for (const Placed &p :
         {Placed {form.Shape1, {24, 32, 105, 105}}, Placed {form.Label3, {56, 40, 41, 17}},
          Placed {form.Label4, {32, 64, 89, 28}}, Placed {form.StaticText1, {144, 32, 113, 41}},
          Placed {form.Shape2, {24, 168, 17, 97}}, Placed {form.Shape3, {40, 168, 105, 97}},
          Placed {form.Shape4, {144, 168, 17, 97}}, Placed {form.Label7, {72, 176, 41, 17}},
          Placed {form.Label8, {48, 200, 89, 28}}, Placed {form.ToolBar1, {8, 284, 193, 54}},
          Placed {form.SpeedButton3, {208, 298, 65, 26}}}) {
        EXPECT_EQ(p.widget->geometry(), p.rect) << p.widget->metaObject()->className();
    }
    EXPECT_EQ(form.Label9->pos(), QPoint(24, 16));
    EXPECT_EQ(form.Label9->text(), "Folder");
    EXPECT_EQ(form.Label10->pos(), QPoint(24, 152));
    EXPECT_EQ(form.Label10->text(), "Case");
    EXPECT_EQ(form.Label6->pos(), QPoint(30, 184));
    EXPECT_EQ(form.Label5->pos(), QPoint(148, 184));
    EXPECT_EQ(form.Bevel1->geometry().bottom(), 8 + 265 - 1);
    EXPECT_EQ(form.Bevel2->geometry().bottom(), 144 + 4 - 1);
    EXPECT_EQ(form.StaticText1->text(), "For best color result, use a color printer.");
    EXPECT_EQ(textColor(form.StaticText1), QColor(0, 128, 128));
    EXPECT_EQ(form.Label3->font().pixelSize(), 16);
    EXPECT_TRUE(form.Label3->font().bold());
    EXPECT_EQ(form.Label4->font().pixelSize(), 11);
    EXPECT_EQ(form.Label5->font().pixelSize(), 8);

    const char *captions[] = {"Title",    "Contents",   "Background", "Title",
                              "Contents", "Background", "Side title", "Side background"};
    const int tops[] = {80, 100, 120, 168, 188, 208, 228, 248};
    for (ColorTarget target : kAllColorTargets) {
        QRadioButton *button = form.targetButton(target);
        const auto i = static_cast<std::size_t>(target);
        EXPECT_EQ(button->text(), captions[i]);
        EXPECT_EQ(button->pos(), QPoint(168, tops[i]));
        EXPECT_EQ(button->isChecked(), target == ColorTarget::FolderTitleColor);
    }

    EXPECT_EQ(form.SpeedButton3->text(), "&B/W");
    EXPECT_EQ(form.SpeedButton3->toolTip(), "Reset colors to black and white");
    EXPECT_FALSE(form.SpeedButton3->icon().isNull());
}

TEST_F(ColorsPageWindow, everyCaptionFits)
{
    for (QLabel *label : {form.Label9, form.Label10})
        EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
    for (ColorTarget target : kAllColorTargets) {
        const QRadioButton *button = form.targetButton(target);
        EXPECT_GE(button->width(), radioButtonFitWidth(*button)) << button->text().toStdString();
        EXPECT_LE(button->geometry().right(), form.TabSheet2->width() - 1);
    }
    // The glyph, a gap and the caption fit between the button's margins.
    const int margins = 2
        * form.SpeedButton3->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr,
                                                  form.SpeedButton3);
    EXPECT_LE(margins + 16 + 4 + form.SpeedButton3->fontMetrics().horizontalAdvance("B/W"),
              form.SpeedButton3->width());
    for (QLabel *wrapped :
         {static_cast<QLabel *>(form.Label4), static_cast<QLabel *>(form.Label8), form.StaticText1})
        EXPECT_LE(wrapped->heightForWidth(wrapped->width()), wrapped->height());
    EXPECT_GE(form.Label3->width(), form.Label3->sizeHint().width());
    EXPECT_LE(form.ToolBar1->childrenRect().right(), form.ToolBar1->width() - 1);
    EXPECT_LE(form.ToolBar1->childrenRect().bottom(), form.ToolBar1->height() - 1);
}

TEST_F(ColorsPageWindow, swatchesShowTheirColourInTwoRowsOfEight)
{
    for (std::size_t i = 0; i < 16; ++i) {
        MouseButtonTool *swatch = swatches()[i];
        const PaletteSwatch &entry = kPaletteSwatches[i];
        EXPECT_EQ(swatch->geometry(),
                  QRect(1 + 23 * entry.column, 1 + (entry.row == 0 ? 2 : 24), 23, 22));
        EXPECT_TRUE(swatch->text().isEmpty());
        EXPECT_TRUE(swatch->toolTip().isEmpty());
        EXPECT_FALSE(swatch->isCheckable());
        const QImage face = swatch->icon().pixmap(16, 16).toImage();
        EXPECT_EQ(face.pixelColor(8, 8), screenColor(TextToColor(entry.ident))) << entry.ident;
    }
}

TEST_F(ColorsPageWindow, pressRemembersTheSwatchAndReleaseAppliesIt)
{
    QTest::mouseClick(form.RadioButton6, Qt::LeftButton);
    ASSERT_EQ(form.colorsPage().selectedTarget(), ColorTarget::CaseBackground);
    for (std::size_t i = 0; i < 16; ++i) {
        const DesignFields before = form.design().fields();
        const std::string ident(kPaletteSwatches[i].ident);
        QTest::mousePress(swatches()[i], Qt::RightButton);
        EXPECT_EQ(form.currentColorName(), ident);
        EXPECT_EQ(form.design().fields(), before) << "a press only remembers " << ident;
        form.design().modified = false;
        QTest::mouseRelease(swatches()[i], Qt::RightButton);
        EXPECT_EQ(form.design().caseBackground, TextToColor(ident));
        EXPECT_EQ(form.Shape3->brushColor(), screenColor(TextToColor(ident)));
        EXPECT_TRUE(form.design().modified);
        EXPECT_FALSE(swatches()[i]->isDown()) << "the palette shows no down state";
    }
}

struct SelectRow
{
    const char *name;
    std::function<QWidget *(TForm1 &)> control;
    bool isShape; // shapes react to any button's press, labels to a click
    ColorTarget target;
};

void PrintTo(const SelectRow &row, std::ostream *out)
{
    *out << row.name;
}

class SelectingTargets : public ColorsPageWindow, public ::testing::WithParamInterface<SelectRow>
{
};

TEST_P(SelectingTargets, previewElementSelectsItsTarget)
{
    const SelectRow &row = GetParam();
    // Start from a target that is none of the rows'.
    form.targetButton(row.target == ColorTarget::CaseTitleColor ? ColorTarget::FolderTitleColor
                                                                : ColorTarget::CaseTitleColor)
        ->setChecked(true);
    const DesignFields before = form.design().fields();
    QWidget *control = row.control(form);
    if (row.isShape) {
        // A point of the shape that no sample label covers.
        QTest::mousePress(control, Qt::RightButton, {}, QPoint(3, control->height() - 4));
        QTest::mouseRelease(control, Qt::RightButton, {}, QPoint(3, control->height() - 4));
    } else {
        QTest::mouseClick(control, Qt::LeftButton);
    }
    EXPECT_EQ(form.colorsPage().selectedTarget(), row.target);
    EXPECT_TRUE(form.targetButton(row.target)->isChecked());
    EXPECT_EQ(form.design().fields(), before) << "selecting sets nothing";

    clickSwatch(9); // clRed
    EXPECT_EQ(targetColor(form.design(), row.target), clRed);
    expectPreviewsShowTheDesign();
}

INSTANTIATE_TEST_SUITE_P(
    Previews, SelectingTargets,
    ::testing::Values(
        SelectRow {"Label3", [](TForm1 &f) { return f.Label3; }, false,
                   ColorTarget::FolderTitleColor},
        SelectRow {"Label4", [](TForm1 &f) { return f.Label4; }, false,
                   ColorTarget::FolderContentsColor},
        SelectRow {"Shape1", [](TForm1 &f) { return f.Shape1; }, true,
                   ColorTarget::FolderBackground},
        SelectRow {"Label7", [](TForm1 &f) { return f.Label7; }, false,
                   ColorTarget::CaseTitleColor},
        SelectRow {"Label8", [](TForm1 &f) { return f.Label8; }, false,
                   ColorTarget::CaseContentsColor},
        SelectRow {"Shape3", [](TForm1 &f) { return f.Shape3; }, true, ColorTarget::CaseBackground},
        SelectRow {"Label5", [](TForm1 &f) { return f.Label5; }, false,
                   ColorTarget::SideTitleColor},
        SelectRow {"Label6", [](TForm1 &f) { return f.Label6; }, false,
                   ColorTarget::SideTitleColor},
        SelectRow {"Shape2", [](TForm1 &f) { return f.Shape2; }, true, ColorTarget::SideBackground},
        SelectRow {"Shape4", [](TForm1 &f) { return f.Shape4; }, true, ColorTarget::SideBackground},
        SelectRow {"RadioButton5", [](TForm1 &f) { return f.RadioButton5; }, false,
                   ColorTarget::CaseContentsColor},
        SelectRow {"RadioButton8", [](TForm1 &f) { return f.RadioButton8; }, false,
                   ColorTarget::SideBackground}),
    [](const ::testing::TestParamInfo<SelectRow> &info) { return std::string(info.param.name); });

TEST_F(ColorsPageWindow, samplesLieOverTheirShapes)
{
    // What the mouse hits inside the folder square: the word "Title", the contents sample,
    // and the square itself elsewhere.
    EXPECT_EQ(form.TabSheet2->childAt(form.Label3->geometry().center()), form.Label3);
    EXPECT_EQ(form.TabSheet2->childAt(form.Label4->geometry().center()), form.Label4);
    EXPECT_EQ(form.TabSheet2->childAt(QPoint(26, 130)), form.Shape1);
    EXPECT_EQ(form.TabSheet2->childAt(form.Label7->geometry().center()), form.Label7);
    EXPECT_EQ(form.TabSheet2->childAt(form.Label6->geometry().center()), form.Label6);
    EXPECT_EQ(form.TabSheet2->childAt(form.Label5->geometry().center()), form.Label5);
}

TEST_F(ColorsPageWindow, showingThePageWritesTheSideTitles)
{
    form.PageControl1->setCurrentWidget(form.TabSheet1);
    form.Edit1->setText(QStringLiteral("Greatest Hits"));
    form.PageControl1->setCurrentWidget(form.TabSheet2);
    for (QLabel *label : {static_cast<QLabel *>(form.Label5), static_cast<QLabel *>(form.Label6)}) {
        EXPECT_EQ(label->text(), "T\ni\nt\nl\ne");
        EXPECT_GE(label->height(), 5 * label->fontMetrics().height() - 5) << "five lines";
        EXPECT_EQ(textColor(label), QColor(Qt::white));
    }
    EXPECT_FALSE(form.design().modified);
}

TEST_F(ColorsPageWindow, blackAndWhiteResetsEveryPreview)
{
    for (ColorTarget target : kAllColorTargets) {
        form.targetButton(target)->setChecked(true);
        clickSwatch(11); // clYellow
    }
    expectPreviewsShowTheDesign();
    form.RadioButton2->setChecked(true);
    form.design().modified = false;

    QTest::mouseClick(form.SpeedButton3, Qt::LeftButton);
    EXPECT_TRUE(form.design().modified);
    EXPECT_EQ(form.Shape1->brushColor(), QColor(Qt::white));
    EXPECT_EQ(form.Shape2->brushColor(), QColor(Qt::black));
    EXPECT_EQ(textColor(form.Label3), QColor(Qt::black));
    EXPECT_EQ(form.colorsPage().selectedTarget(), ColorTarget::FolderContentsColor);
    expectPreviewsShowTheDesign();

    form.design().modified = false;
    QTest::mouseClick(form.SpeedButton3, Qt::LeftButton);
    EXPECT_TRUE(form.design().modified) << "also on a black-and-white design";
}

TEST_F(ColorsPageWindow, newAndOpenShowTheirColoursAndKeepTheTarget)
{
    form.RadioButton7->setChecked(true);
    clickSwatch(4); // clNavy
    form.design().resetToNew();
    EXPECT_TRUE(form.RadioButton7->isChecked());
    EXPECT_EQ(form.currentColorName(), "clNavy");
    expectPreviewsShowTheDesign();

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("colours.vnx"));
    {
        std::ofstream out(path.toStdString(), std::ios::binary);
        out << "[backg]\r\nfold=clLime\r\ncase=clAqua\r\nside=clPurple\r\n"
               "[ftf]\r\ncolor=clRed\r\n[ccf]\r\ncolor=$00336699\r\n";
    }
    readDesignFile(form.design(), path.toStdString());
    EXPECT_EQ(form.Shape1->brushColor(), QColor(0, 255, 0));
    EXPECT_EQ(textColor(form.Label8), QColor(0x99, 0x66, 0x33));
    EXPECT_TRUE(form.RadioButton7->isChecked());
    expectPreviewsShowTheDesign();
}

} // namespace
