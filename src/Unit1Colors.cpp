#include "ClickableControls.h"
#include "CommandGuard.h"
#include "ScreenLook.h"
#include "Unit1.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

namespace {

// The previews' fixed fonts: bold Arial 12 pt for the title samples, 8 pt for the contents
// samples, and the closest small font for the side titles (bold "Small Fonts" 6 pt).
QFont sampleFont(const char *family, int points)
{
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixelsForPoints(points));
    font.setBold(true);
    return font;
}

QFont sideTitleFont()
{
    QFont font = sampleFont("Small Fonts", 6);
    font.setFamilies({QStringLiteral("Small Fonts"), QStringLiteral("DejaVu Sans Condensed"),
                      QStringLiteral("Liberation Sans Narrow"), QStringLiteral("DejaVu Sans")});
    return font;
}

void setTextColor(QWidget *label, const QColor &color)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
}

// Only the bottom edge of a bevel is drawn: a sunken line along the rectangle's bottom.
QFrame *bottomLine(QWidget *page, const QRect &bevel)
{
    auto *line = new QFrame(page);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(bevel.left(), bevel.bottom() - 1, bevel.width(), 2);
    return line;
}

// The small picture of "&B/W": a square half black, half white.
QIcon blackAndWhiteGlyph()
{
    QPixmap glyph(16, 16);
    glyph.fill(Qt::transparent);
    QPainter painter(&glyph);
    painter.fillRect(QRect(2, 2, 6, 12), Qt::black);
    painter.fillRect(QRect(8, 2, 6, 12), Qt::white);
    painter.setPen(Qt::black);
    painter.drawRect(QRect(2, 2, 11, 11));
    return QIcon(glyph);
}

} // namespace

// Shows the Colours page logic on the page's widgets, and a text colour also on the Fonts
// page's sample of that block.
class ColorsPageWidgets : public ColorsPageView
{
public:
    explicit ColorsPageWidgets(TForm1 &form)
        : form_(form)
    {
    }

    void showSelectedTarget(ColorTarget target) override
    {
        form_.targetButton(target)->setChecked(true);
    }

    void showTargetColor(ColorTarget target, TColor color) override
    {
        const QColor shown = screenColor(color);
        TextSlot slot;
        if (textSlotOf(target, slot)) {
            setTextColor(form_.colorSample(slot), shown);
            if (QLabel *fontSample = form_.fontSample(slot))
                setTextColor(fontSample, shown);
            return;
        }
        switch (target) {
        case ColorTarget::FolderBackground:
            form_.Shape1->setBrushColor(shown);
            break;
        case ColorTarget::CaseBackground:
            form_.Shape3->setBrushColor(shown);
            break;
        case ColorTarget::SideTitleColor:
            setTextColor(form_.Label5, shown);
            setTextColor(form_.Label6, shown);
            break;
        default:
            form_.Shape2->setBrushColor(shown);
            form_.Shape4->setBrushColor(shown);
            break;
        }
    }

    void showSideTitleSample(std::string_view text) override
    {
        // A carriage return breaks the label's line.
        QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
        shown.replace(QChar('\r'), QChar('\n'));
        for (QLabel *label : {form_.Label5, form_.Label6}) {
            label->setText(shown);
            label->adjustSize();
        }
    }

private:
    TForm1 &form_;
};

void TForm1::buildColorsPage(QWidget *page)
{
    Bevel1 = bottomLine(page, QRect(8, 8, 265, 265));

    Label9 = new QLabel(QStringLiteral("Folder"), page);
    Label9->move(24, 16);
    Label9->adjustSize();
    Shape1 = new ShapeBox(page);
    Shape1->setGeometry(24, 32, 105, 105);
    Label3 = new ClickLabel(page);
    Label3->setGeometry(56, 40, 41, 17);
    Label3->setText(QStringLiteral("Title"));
    Label3->setFont(sampleFont("Arial", 12));
    Label3->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label4 = new ClickLabel(page);
    Label4->setGeometry(32, 64, 89, 28);
    Label4->setText(QStringLiteral("Example of contents font"));
    Label4->setFont(sampleFont("Arial", 8));
    Label4->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label4->setWordWrap(true);

    StaticText1 = new QLabel(QStringLiteral("For best color result, use a color printer."), page);
    StaticText1->setGeometry(144, 32, 113, 41);
    StaticText1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    StaticText1->setWordWrap(true);
    setTextColor(StaticText1, screenColor(clTeal));

    const auto radio = [page](const char *caption, int top, int width) {
        auto *button = new QRadioButton(QString::fromLatin1(caption), page);
        // Wider than laid out where this system's font needs it, so the caption fits.
        button->setGeometry(168, top, std::max(width, radioButtonFitWidth(*button)), 17);
        return button;
    };
    RadioButton1 = radio("Title", 80, 81);
    RadioButton2 = radio("Contents", 100, 81);
    RadioButton3 = radio("Background", 120, 97);

    Bevel2 = bottomLine(page, QRect(16, 144, 249, 4));

    Label10 = new QLabel(QStringLiteral("Case"), page);
    Label10->move(24, 152);
    Label10->adjustSize();
    Shape2 = new ShapeBox(page);
    Shape2->setGeometry(24, 168, 17, 97);
    Shape3 = new ShapeBox(page);
    Shape3->setGeometry(40, 168, 105, 97);
    Shape4 = new ShapeBox(page);
    Shape4->setGeometry(144, 168, 17, 97);
    Label6 = new ClickLabel(page);
    Label6->move(30, 184);
    Label5 = new ClickLabel(page);
    Label5->move(148, 184);
    for (ClickLabel *label : {Label5, Label6}) {
        label->setFont(sideTitleFont());
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->adjustSize();
    }
    Label7 = new ClickLabel(page);
    Label7->setGeometry(72, 176, 41, 17);
    Label7->setText(QStringLiteral("Title"));
    Label7->setFont(sampleFont("Arial", 12));
    Label7->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label8 = new ClickLabel(page);
    Label8->setGeometry(48, 200, 89, 28);
    Label8->setText(QStringLiteral("Example of contents font"));
    Label8->setFont(sampleFont("Arial", 8));
    Label8->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label8->setWordWrap(true);

    RadioButton4 = radio("Title", 168, 97);
    RadioButton5 = radio("Contents", 188, 97);
    RadioButton6 = radio("Background", 208, 97);
    RadioButton7 = radio("Side title", 228, 97);
    RadioButton8 = radio("Side background", 248, 103);

    // The palette: two rows of eight swatches, 23 pixels apart, inside a one-pixel border.
    ToolBar1 = new QWidget(page);
    ToolBar1->setGeometry(8, 284, 193, 54);
    constexpr int kBorder = 1;
    constexpr int kSwatchWidth = 23;
    constexpr int kSwatchHeight = 22;
    constexpr int kRowTops[] = {2, 24};
    const std::array<MouseButtonTool **, 16> swatches {
        &ToolButton2,  &ToolButton3,  &ToolButton4,  &ToolButton5,  &ToolButton6,  &ToolButton7,
        &ToolButton8,  &ToolButton9,  &ToolButton12, &ToolButton13, &ToolButton14, &ToolButton15,
        &ToolButton16, &ToolButton17, &ToolButton18, &ToolButton19};
    using Handler = void (TForm1::*)();
    const std::array<Handler, 16> pressHandlers {
        &TForm1::ToolButton2MouseDown,  &TForm1::ToolButton3MouseDown,
        &TForm1::ToolButton4MouseDown,  &TForm1::ToolButton5MouseDown,
        &TForm1::ToolButton6MouseDown,  &TForm1::ToolButton7MouseDown,
        &TForm1::ToolButton8MouseDown,  &TForm1::ToolButton9MouseDown,
        &TForm1::ToolButton12MouseDown, &TForm1::ToolButton13MouseDown,
        &TForm1::ToolButton14MouseDown, &TForm1::ToolButton15MouseDown,
        &TForm1::ToolButton16MouseDown, &TForm1::ToolButton17MouseDown,
        &TForm1::ToolButton18MouseDown, &TForm1::ToolButton19MouseDown};
    for (std::size_t i = 0; i < kPaletteSwatches.size(); ++i) {
        const PaletteSwatch &swatch = kPaletteSwatches[i];
        auto *button = new MouseButtonTool(ToolBar1);
        button->setGeometry(kBorder + swatch.column * kSwatchWidth, kBorder + kRowTops[swatch.row],
                            kSwatchWidth, kSwatchHeight);
        button->setIcon(ImageList1.icon(swatch.imageIndex));
        button->setIconSize(QSize(ImageList::kSize, ImageList::kSize));
        button->setFocusPolicy(Qt::NoFocus);
        *swatches[i] = button;
        const Handler pressed = pressHandlers[i];
        connect(button, &MouseButtonTool::mouseDown, this, [this, pressed] { (this->*pressed)(); });
        connect(button, &MouseButtonTool::mouseUp, this, &TForm1::ToolButton2MouseUp);
    }

    SpeedButton3 = new QPushButton(blackAndWhiteGlyph(), QStringLiteral("&B/W"), page);
    SpeedButton3->setGeometry(208, 298, 65, 26);
    SpeedButton3->setIconSize(QSize(16, 16));
    SpeedButton3->setToolTip(QStringLiteral("Reset colors to black and white"));
    connect(SpeedButton3, &QPushButton::clicked, this, &TForm1::SpeedButton3Click);

    // The samples lie over the shapes.
    for (QWidget *sample : {static_cast<QWidget *>(Label3), static_cast<QWidget *>(Label4),
                            static_cast<QWidget *>(Label5), static_cast<QWidget *>(Label6),
                            static_cast<QWidget *>(Label7), static_cast<QWidget *>(Label8)})
        sample->raise();

    connect(Label3, &ClickLabel::clicked, this, &TForm1::Label3Click);
    connect(Label4, &ClickLabel::clicked, this, &TForm1::Label4Click);
    connect(Label7, &ClickLabel::clicked, this, &TForm1::Label7Click);
    connect(Label8, &ClickLabel::clicked, this, &TForm1::Label8Click);
    connect(Label5, &ClickLabel::clicked, this, &TForm1::Label6Click);
    connect(Label6, &ClickLabel::clicked, this, &TForm1::Label6Click);
    connect(Shape1, &ShapeBox::mouseDown, this, &TForm1::Shape1MouseDown);
    connect(Shape3, &ShapeBox::mouseDown, this, &TForm1::Shape3MouseDown);
    connect(Shape2, &ShapeBox::mouseDown, this, &TForm1::Shape2MouseDown);
    connect(Shape4, &ShapeBox::mouseDown, this, &TForm1::Shape2MouseDown);

    const std::pair<QWidget *, const char *> names[] = {{Bevel1, "Bevel1"},
                                                        {Bevel2, "Bevel2"},
                                                        {Label9, "Label9"},
                                                        {Label10, "Label10"},
                                                        {Shape1, "Shape1"},
                                                        {Shape2, "Shape2"},
                                                        {Shape3, "Shape3"},
                                                        {Shape4, "Shape4"},
                                                        {Label3, "Label3"},
                                                        {Label4, "Label4"},
                                                        {Label5, "Label5"},
                                                        {Label6, "Label6"},
                                                        {Label7, "Label7"},
                                                        {Label8, "Label8"},
                                                        {StaticText1, "StaticText1"},
                                                        {RadioButton1, "RadioButton1"},
                                                        {RadioButton2, "RadioButton2"},
                                                        {RadioButton3, "RadioButton3"},
                                                        {RadioButton4, "RadioButton4"},
                                                        {RadioButton5, "RadioButton5"},
                                                        {RadioButton6, "RadioButton6"},
                                                        {RadioButton7, "RadioButton7"},
                                                        {RadioButton8, "RadioButton8"},
                                                        {ToolBar1, "ToolBar1"},
                                                        {ToolButton2, "ToolButton2"},
                                                        {ToolButton3, "ToolButton3"},
                                                        {ToolButton4, "ToolButton4"},
                                                        {ToolButton5, "ToolButton5"},
                                                        {ToolButton6, "ToolButton6"},
                                                        {ToolButton7, "ToolButton7"},
                                                        {ToolButton8, "ToolButton8"},
                                                        {ToolButton9, "ToolButton9"},
                                                        {ToolButton12, "ToolButton12"},
                                                        {ToolButton13, "ToolButton13"},
                                                        {ToolButton14, "ToolButton14"},
                                                        {ToolButton15, "ToolButton15"},
                                                        {ToolButton16, "ToolButton16"},
                                                        {ToolButton17, "ToolButton17"},
                                                        {ToolButton18, "ToolButton18"},
                                                        {ToolButton19, "ToolButton19"},
                                                        {SpeedButton3, "SpeedButton3"}};
    for (const auto &[widget, name] : names)
        widget->setObjectName(QString::fromLatin1(name));

    colorsView_ = std::make_unique<ColorsPageWidgets>(*this);
    colorsPage_ = std::make_unique<ColorsPage>(design_, *colorsView_);
    colorsPage_->selectTarget(colorsPage_->selectedTarget());
    colorsPage_->showAllColors();

    // A target's radio button that becomes checked selects it.
    for (ColorTarget target : kAllColorTargets) {
        connect(targetButton(target), &QRadioButton::toggled, this, [this, target](bool checked) {
            if (checked)
                runGuarded([this, target] { colorsPage_->selectTarget(target); });
        });
    }
}

QRadioButton *TForm1::targetButton(ColorTarget target) const
{
    const std::array<QRadioButton *, 8> buttons {RadioButton1, RadioButton2, RadioButton3,
                                                 RadioButton4, RadioButton5, RadioButton6,
                                                 RadioButton7, RadioButton8};
    return buttons[static_cast<std::size_t>(target)];
}

QLabel *TForm1::colorSample(TextSlot slot) const
{
    const std::array<QLabel *, 4> samples {Label3, Label4, Label7, Label8};
    return samples[static_cast<std::size_t>(slot)];
}

const std::string &TForm1::currentColorName() const
{
    return colorsPage_->currentColorName();
}

void TForm1::TabSheet2Show()
{
    runGuarded([this] { colorsPage_->pageShown(); });
}

void TForm1::paletteSwatchPressed(std::size_t index)
{
    runGuarded([this, index] { colorsPage_->swatchPressed(kPaletteSwatches[index].ident); });
}

void TForm1::ToolButton2MouseDown()
{
    paletteSwatchPressed(0);
}

void TForm1::ToolButton3MouseDown()
{
    paletteSwatchPressed(1);
}

void TForm1::ToolButton4MouseDown()
{
    paletteSwatchPressed(2);
}

void TForm1::ToolButton5MouseDown()
{
    paletteSwatchPressed(3);
}

void TForm1::ToolButton6MouseDown()
{
    paletteSwatchPressed(4);
}

void TForm1::ToolButton7MouseDown()
{
    paletteSwatchPressed(5);
}

void TForm1::ToolButton8MouseDown()
{
    paletteSwatchPressed(6);
}

void TForm1::ToolButton9MouseDown()
{
    paletteSwatchPressed(7);
}

void TForm1::ToolButton12MouseDown()
{
    paletteSwatchPressed(8);
}

void TForm1::ToolButton13MouseDown()
{
    paletteSwatchPressed(9);
}

void TForm1::ToolButton14MouseDown()
{
    paletteSwatchPressed(10);
}

void TForm1::ToolButton15MouseDown()
{
    paletteSwatchPressed(11);
}

void TForm1::ToolButton16MouseDown()
{
    paletteSwatchPressed(12);
}

void TForm1::ToolButton17MouseDown()
{
    paletteSwatchPressed(13);
}

void TForm1::ToolButton18MouseDown()
{
    paletteSwatchPressed(14);
}

void TForm1::ToolButton19MouseDown()
{
    paletteSwatchPressed(15);
}

void TForm1::ToolButton2MouseUp()
{
    runGuarded([this] { colorsPage_->swatchReleased(); });
}

void TForm1::Label3Click()
{
    runGuarded([this] { colorsPage_->selectTarget(ColorTarget::FolderTitleColor); });
}

void TForm1::Label4Click()
{
    runGuarded([this] { colorsPage_->selectTarget(ColorTarget::FolderContentsColor); });
}

void TForm1::Shape1MouseDown()
{
    runGuarded([this] { colorsPage_->selectTarget(ColorTarget::FolderBackground); });
}

void TForm1::Label7Click()
{
    runGuarded([this] { colorsPage_->selectTarget(ColorTarget::CaseTitleColor); });
}

void TForm1::Label8Click()
{
    runGuarded([this] { colorsPage_->selectTarget(ColorTarget::CaseContentsColor); });
}

void TForm1::Shape3MouseDown()
{
    runGuarded([this] { colorsPage_->selectTarget(ColorTarget::CaseBackground); });
}

void TForm1::Label6Click()
{
    runGuarded([this] { colorsPage_->selectTarget(ColorTarget::SideTitleColor); });
}

void TForm1::Shape2MouseDown()
{
    runGuarded([this] { colorsPage_->selectTarget(ColorTarget::SideBackground); });
}

void TForm1::SpeedButton3Click()
{
    runGuarded([this] { colorsPage_->blackAndWhite(); });
}
