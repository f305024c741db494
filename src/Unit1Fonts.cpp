#include "ClickableControls.h"
#include "CommandGuard.h"
#include "FontDialog.h"
#include "ScreenLook.h"
#include "Unit1.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

namespace {

void setTextColor(QWidget *label, const QColor &color)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
}

Qt::Alignment sampleAlignment(TextAlignment alignment)
{
    switch (alignment) {
    case TextAlignment::Left:
        return Qt::AlignLeft | Qt::AlignTop;
    case TextAlignment::Right:
        return Qt::AlignRight | Qt::AlignTop;
    default:
        return Qt::AlignHCenter | Qt::AlignTop;
    }
}

// "Set font" asks the program's font dialog.
class FontDialogChooser : public FontChooser
{
public:
    explicit FontDialogChooser(FontDialog &dialog)
        : dialog_(dialog)
    {
    }

    void setFont(const DialogFont &font) override
    {
        TextStyle style;
        style.fontName = font.name;
        style.size = font.size;
        style.color = font.color;
        style.bold = font.bold;
        style.italic = font.italic;
        style.underline = font.underline;
        style.strikeout = font.strikeout;
        style.charset = font.charset;
        dialog_.setTextStyle(style);
    }
    bool execute() override { return dialog_.exec() == QDialog::Accepted; }
    DialogFont font() const override { return dialogFontOf(dialog_.textStyle()); }

private:
    FontDialog &dialog_;
};

} // namespace

// Shows the Fonts page logic on the page's widgets and on the Colours page's text samples.
class FontsPageWidgets : public FontsPageView
{
public:
    explicit FontsPageWidgets(TForm1 &form)
        : form_(form)
    {
    }

    void showFontSample(TextSlot slot, const TextStyle &style) override
    {
        QLabel *sample = form_.fontSample(slot);
        sample->setFont(screenFont(style));
        setTextColor(sample, screenColor(style.color));
        sample->setAlignment(sampleAlignment(style.alignment));
    }
    void showColorSampleColor(TextSlot slot, TColor color) override
    {
        setTextColor(form_.colorSample(slot), screenColor(color));
    }
    void showSummaryLine(TextSlot slot, const std::string &line) override
    {
        form_.summaryLine(slot)->setText(QString::fromStdString(line));
    }
    void showAlignmentChecked(TextSlot slot, TextAlignment alignment) override
    {
        form_.alignmentButtons(slot)[static_cast<std::size_t>(alignment)]->setChecked(true);
    }

private:
    TForm1 &form_;
};

void TForm1::buildFontsPage(QWidget *page)
{
    struct Group
    {
        QGroupBox **box;
        const char *caption;
        QPoint position;
        QLabel **sample;
        const char *sampleText;
        QPushButton **setFont;
        void (TForm1::*setFontClick)();
        QRadioButton **left;
        QRadioButton **center;
        QRadioButton **right;
        void (TForm1::*alignmentClick)();
    };
    const Group groups[] = {
        {&GroupBox1,
         "Folder title",
         {0, 8},
         &Label12,
         "Title",
         &Button1,
         &TForm1::Button1Click,
         &RadioButton13,
         &RadioButton14,
         &RadioButton15,
         &TForm1::RadioButton14Click},
        {&GroupBox2,
         "Folder contents",
         {144, 8},
         &Label13,
         "Contents",
         &Button2,
         &TForm1::Button2Click,
         &RadioButton16,
         &RadioButton17,
         &RadioButton18,
         &TForm1::RadioButton16Click},
        {&GroupBox3,
         "Case title",
         {0, 136},
         &Label16,
         "Title",
         &Button3,
         &TForm1::Button3Click,
         &RadioButton19,
         &RadioButton20,
         &RadioButton21,
         &TForm1::RadioButton19Click},
        {&GroupBox4,
         "Case contents",
         {144, 136},
         &Label17,
         "Contents",
         &Button4,
         &TForm1::Button4Click,
         &RadioButton22,
         &RadioButton23,
         &RadioButton24,
         &TForm1::RadioButton22Click},
    };
    for (const Group &group : groups) {
        auto *box = new QGroupBox(QString::fromLatin1(group.caption), page);
        box->setGeometry(QRect(group.position, QSize(137, 121)));
        *group.box = box;

        auto *sample = new QLabel(QString::fromLatin1(group.sampleText), box);
        sample->setGeometry(8, 16, 121, 49);
        *group.sample = sample;

        auto *setFont = new QPushButton(QStringLiteral("Set font"), box);
        setFont->setGeometry(16, 76, 49, 25);
        *group.setFont = setFont;
        connect(setFont, &QPushButton::clicked, this, group.setFontClick);

        const char *captions[] = {"Left", "Center", "Right"};
        QRadioButton **buttons[] = {group.left, group.center, group.right};
        for (int i = 0; i < 3; ++i) {
            auto *button = new QRadioButton(QString::fromLatin1(captions[i]), box);
            button->setGeometry(80, 64 + 16 * i, std::max(49, radioButtonFitWidth(*button)), 17);
            *buttons[i] = button;
        }
        group.center[0]->setChecked(true);
        // The group's handler runs when one of its buttons becomes the checked one.
        const auto handler = group.alignmentClick;
        for (QRadioButton **button : buttons) {
            connect(*button, &QRadioButton::toggled, this, [this, handler](bool checked) {
                if (checked)
                    (this->*handler)();
            });
        }
    }

    GroupBox5 = new QGroupBox(QStringLiteral("Current font settings"), page);
    GroupBox5->setGeometry(0, 264, 281, 81);
    const char *captions[] = {"Folder title:", "Folder cont.:", "Case title:", "Case cont.:"};
    const int captionWidths[] = {51, 59, 46, 54};
    QLabel **captionLabels[] = {&Label21, &Label22, &Label23, &Label24};
    QLabel **lines[] = {&Label14, &Label18, &Label19, &Label20};
    for (int i = 0; i < 4; ++i) {
        const int top = 16 + 16 * i;
        auto *caption = new QLabel(QString::fromLatin1(captions[i]), GroupBox5);
        caption->setGeometry(8, top, std::max(captionWidths[i], caption->sizeHint().width()), 13);
        *captionLabels[i] = caption;
        auto *line = new QLabel(GroupBox5);
        line->setGeometry(72, top, 201, i == 3 ? 13 : 17);
        line->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        setTextColor(line, screenColor(clTeal));
        *lines[i] = line;
    }

    const std::pair<QWidget *, const char *> names[] = {{GroupBox1, "GroupBox1"},
                                                        {GroupBox2, "GroupBox2"},
                                                        {GroupBox3, "GroupBox3"},
                                                        {GroupBox4, "GroupBox4"},
                                                        {GroupBox5, "GroupBox5"},
                                                        {Label12, "Label12"},
                                                        {Label13, "Label13"},
                                                        {Label16, "Label16"},
                                                        {Label17, "Label17"},
                                                        {Button1, "Button1"},
                                                        {Button2, "Button2"},
                                                        {Button3, "Button3"},
                                                        {Button4, "Button4"},
                                                        {RadioButton13, "RadioButton13"},
                                                        {RadioButton14, "RadioButton14"},
                                                        {RadioButton15, "RadioButton15"},
                                                        {RadioButton16, "RadioButton16"},
                                                        {RadioButton17, "RadioButton17"},
                                                        {RadioButton18, "RadioButton18"},
                                                        {RadioButton19, "RadioButton19"},
                                                        {RadioButton20, "RadioButton20"},
                                                        {RadioButton21, "RadioButton21"},
                                                        {RadioButton22, "RadioButton22"},
                                                        {RadioButton23, "RadioButton23"},
                                                        {RadioButton24, "RadioButton24"},
                                                        {Label21, "Label21"},
                                                        {Label22, "Label22"},
                                                        {Label23, "Label23"},
                                                        {Label24, "Label24"},
                                                        {Label14, "Label14"},
                                                        {Label18, "Label18"},
                                                        {Label19, "Label19"},
                                                        {Label20, "Label20"}};
    for (const auto &[widget, name] : names)
        widget->setObjectName(QString::fromLatin1(name));

    FontDialog1 = new FontDialog(this);
    FontDialog1->setObjectName(QStringLiteral("FontDialog1"));
    fontDialogChooser_ = std::make_unique<FontDialogChooser>(*FontDialog1);
    fontChooser = fontDialogChooser_.get();

    fontsView_ = std::make_unique<FontsPageWidgets>(*this);
    fontsPage_ = std::make_unique<FontsPage>(design_, *fontsView_);
    fontsPage_->refresh();
}

QLabel *TForm1::fontSample(TextSlot slot) const
{
    const std::array<QLabel *, 4> samples {Label12, Label13, Label16, Label17};
    return samples[static_cast<std::size_t>(slot)];
}

QLabel *TForm1::summaryLine(TextSlot slot) const
{
    const std::array<QLabel *, 4> lines {Label14, Label18, Label19, Label20};
    return lines[static_cast<std::size_t>(slot)];
}

std::array<QRadioButton *, 3> TForm1::alignmentButtons(TextSlot slot) const
{
    switch (slot) {
    case TextSlot::FolderTitle:
        return {RadioButton13, RadioButton14, RadioButton15};
    case TextSlot::FolderContents:
        return {RadioButton16, RadioButton17, RadioButton18};
    case TextSlot::CaseTitle:
        return {RadioButton19, RadioButton20, RadioButton21};
    default:
        return {RadioButton22, RadioButton23, RadioButton24};
    }
}

void TForm1::TabSheet4Show()
{
    runGuarded([this] { fontsPage_->refresh(); });
}

void TForm1::setBlockFont(TextSlot slot)
{
    runGuarded([this, slot] { fontsPage_->setFont(slot, *fontChooser); });
}

void TForm1::alignmentButtonChecked(TextSlot slot)
{
    runGuarded([this, slot] {
        // Left, Center, Right: the first checked one is the block's alignment.
        const std::array<QRadioButton *, 3> buttons = alignmentButtons(slot);
        const TextAlignment alignments[]
            = {TextAlignment::Left, TextAlignment::Center, TextAlignment::Right};
        for (std::size_t i = 0; i < buttons.size(); ++i) {
            if (buttons[i]->isChecked()) {
                fontsPage_->chooseAlignment(slot, alignments[i]);
                return;
            }
        }
    });
}

void TForm1::Button1Click()
{
    setBlockFont(TextSlot::FolderTitle);
}

void TForm1::Button2Click()
{
    setBlockFont(TextSlot::FolderContents);
}

void TForm1::Button3Click()
{
    setBlockFont(TextSlot::CaseTitle);
}

void TForm1::Button4Click()
{
    setBlockFont(TextSlot::CaseContents);
}

void TForm1::RadioButton14Click()
{
    alignmentButtonChecked(TextSlot::FolderTitle);
}

void TForm1::RadioButton16Click()
{
    alignmentButtonChecked(TextSlot::FolderContents);
}

void TForm1::RadioButton19Click()
{
    alignmentButtonChecked(TextSlot::CaseTitle);
}

void TForm1::RadioButton22Click()
{
    alignmentButtonChecked(TextSlot::CaseContents);
}
