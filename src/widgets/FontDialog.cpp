#include "FontDialog.h"

#include "ScreenLook.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>

namespace {

struct NamedColor
{
    const char *name;
    TColor color;
};

constexpr std::array<NamedColor, 16> kBasicColors {{
    {"Black", clBlack},
    {"Maroon", clMaroon},
    {"Green", clGreen},
    {"Olive", clOlive},
    {"Navy", clNavy},
    {"Purple", clPurple},
    {"Teal", clTeal},
    {"Gray", clGray},
    {"Silver", clSilver},
    {"Red", clRed},
    {"Lime", clLime},
    {"Yellow", clYellow},
    {"Blue", clBlue},
    {"Fuchsia", clFuchsia},
    {"Aqua", clAqua},
    {"White", clWhite},
}};

// The Windows scripts and their character-set codes, with the writing system a font must
// support to offer them.
struct ScriptEntry
{
    const char *name;
    int charset;
    QFontDatabase::WritingSystem writingSystem;
};

constexpr std::array<ScriptEntry, 15> kScripts {{
    {"Western", ANSI_CHARSET, QFontDatabase::Latin},
    {"Central European", 238, QFontDatabase::Latin},
    {"Turkish", 162, QFontDatabase::Latin},
    {"Baltic", 186, QFontDatabase::Latin},
    {"Vietnamese", 163, QFontDatabase::Vietnamese},
    {"Greek", 161, QFontDatabase::Greek},
    {"Cyrillic", 204, QFontDatabase::Cyrillic},
    {"Hebrew", 177, QFontDatabase::Hebrew},
    {"Arabic", 178, QFontDatabase::Arabic},
    {"Thai", 222, QFontDatabase::Thai},
    {"Japanese", 128, QFontDatabase::Japanese},
    {"Hangul", 129, QFontDatabase::Korean},
    {"CHINESE_GB2312", 134, QFontDatabase::SimplifiedChinese},
    {"CHINESE_BIG5", 136, QFontDatabase::TraditionalChinese},
    {"Symbol", SYMBOL_CHARSET, QFontDatabase::Symbol},
}};

// The sizes the list offers; any whole number from 8 to 64 may be typed.
constexpr std::array<int, 15> kListedSizes {8,  9,  10, 11, 12, 14, 16, 18,
                                            20, 22, 24, 26, 28, 36, 48};

const char *const kStyleNames[] = {"Regular", "Italic", "Bold", "Bold Italic"};

QIcon colorIcon(TColor color)
{
    QPixmap square(16, 12);
    square.fill(screenColor(color));
    QPainter painter(&square);
    painter.setPen(Qt::gray);
    painter.drawRect(square.rect().adjusted(0, 0, -1, -1));
    return QIcon(square);
}

int findText(const QListWidget *list, const QString &text, Qt::MatchFlags flags)
{
    const QList<QListWidgetItem *> found = list->findItems(text, flags);
    return found.isEmpty() ? -1 : list->row(found.first());
}

} // namespace

QStringList FontDialog::scalableFamilies()
{
    QStringList families;
    for (QString family : QFontDatabase::families()) {
        // A family that more than one foundry makes is listed once, by its plain name.
        const qsizetype foundry = family.indexOf(QStringLiteral(" ["));
        if (foundry > 0 && family.endsWith(QChar(']')))
            family.truncate(foundry);
        if (!families.contains(family) && !QFontDatabase::isPrivateFamily(family)
            && QFontDatabase::isSmoothlyScalable(family))
            families << family;
    }
    return families;
}

QList<FontDialog::Script> FontDialog::scriptsOf(const QString &family)
{
    const QList<QFontDatabase::WritingSystem> systems = QFontDatabase::writingSystems(family);
    QList<Script> scripts;
    for (const ScriptEntry &entry : kScripts) {
        if (systems.contains(entry.writingSystem))
            scripts.append({QString::fromLatin1(entry.name), entry.charset});
    }
    if (scripts.isEmpty())
        scripts.append({QString::fromLatin1(kScripts[0].name), kScripts[0].charset});
    return scripts;
}

FontDialog::FontDialog(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Font"));

    familyEdit_ = new QLineEdit;
    familyList_ = new QListWidget;
    familyList_->addItems(scalableFamilies());
    styleList_ = new QListWidget;
    for (const char *name : kStyleNames)
        styleList_->addItem(QString::fromLatin1(name));
    sizeEdit_ = new QLineEdit;
    sizeEdit_->setValidator(new QIntValidator(0, 9999, sizeEdit_));
    sizeList_ = new QListWidget;
    for (int size : kListedSizes)
        sizeList_->addItem(QString::number(size));
    sizeNote_ = new QLabel(QStringLiteral("Size must be between %1 and %2 points.")
                               .arg(kMinimumSize)
                               .arg(kMaximumSize));
    sizeNote_->setWordWrap(true);
    sizeNote_->setStyleSheet(QStringLiteral("color: #800000"));
    sizeNote_->hide();

    auto *fontLabel = new QLabel(QStringLiteral("&Font:"));
    fontLabel->setBuddy(familyEdit_);
    auto *styleLabel = new QLabel(QStringLiteral("Font st&yle:"));
    styleLabel->setBuddy(styleList_);
    auto *sizeLabel = new QLabel(QStringLiteral("&Size:"));
    sizeLabel->setBuddy(sizeEdit_);

    auto *effects = new QGroupBox(QStringLiteral("Effects"));
    strikeout_ = new QCheckBox(QStringLiteral("Stri&keout"));
    underline_ = new QCheckBox(QStringLiteral("&Underline"));
    color_ = new QComboBox;
    for (const NamedColor &entry : kBasicColors)
        color_->addItem(colorIcon(entry.color), QString::fromLatin1(entry.name), entry.color);
    auto *colorLabel = new QLabel(QStringLiteral("&Color:"));
    colorLabel->setBuddy(color_);
    auto *effectsLayout = new QVBoxLayout(effects);
    effectsLayout->addWidget(strikeout_);
    effectsLayout->addWidget(underline_);
    effectsLayout->addWidget(colorLabel);
    effectsLayout->addWidget(color_);
    effectsLayout->addStretch();

    auto *sampleBox = new QGroupBox(QStringLiteral("Sample"));
    sample_ = new QLabel;
    sample_->setAlignment(Qt::AlignCenter);
    sample_->setFixedSize(220, 90);
    auto *sampleLayout = new QVBoxLayout(sampleBox);
    sampleLayout->addWidget(sample_);
    script_ = new QComboBox;
    auto *scriptLabel = new QLabel(QStringLiteral("Sc&ript:"));
    scriptLabel->setBuddy(script_);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    ok_ = buttons->button(QDialogButtonBox::Ok);

    auto *grid = new QGridLayout(this);
    grid->addWidget(fontLabel, 0, 0);
    grid->addWidget(styleLabel, 0, 1);
    grid->addWidget(sizeLabel, 0, 2);
    grid->addWidget(familyEdit_, 1, 0);
    grid->addWidget(sizeEdit_, 1, 2);
    grid->addWidget(familyList_, 2, 0);
    grid->addWidget(styleList_, 2, 1);
    grid->addWidget(sizeList_, 2, 2);
    grid->addWidget(sizeNote_, 3, 2);
    grid->addWidget(effects, 4, 0, 3, 1);
    grid->addWidget(sampleBox, 4, 1, 1, 2);
    grid->addWidget(scriptLabel, 5, 1, 1, 2);
    grid->addWidget(script_, 6, 1, 1, 2);
    grid->addWidget(buttons, 7, 0, 1, 3);
    familyList_->setMinimumWidth(180);
    styleList_->setFixedWidth(110);
    sizeList_->setFixedWidth(60);
    sizeEdit_->setFixedWidth(60);
    for (QListWidget *list : {familyList_, styleList_, sizeList_})
        list->setFixedHeight(130);

    connect(familyList_, &QListWidget::currentRowChanged, this, &FontDialog::familyPicked);
    connect(familyEdit_, &QLineEdit::textEdited, this, &FontDialog::familyTyped);
    connect(styleList_, &QListWidget::currentRowChanged, this, &FontDialog::updateSample);
    connect(sizeList_, &QListWidget::currentRowChanged, this, &FontDialog::sizePicked);
    connect(sizeEdit_, &QLineEdit::textChanged, this, &FontDialog::updateSample);
    connect(strikeout_, &QCheckBox::toggled, this, &FontDialog::updateSample);
    connect(underline_, &QCheckBox::toggled, this, &FontDialog::updateSample);
    connect(color_, &QComboBox::currentIndexChanged, this, &FontDialog::updateSample);
    connect(script_, &QComboBox::currentIndexChanged, this, &FontDialog::updateSample);
    connect(buttons, &QDialogButtonBox::accepted, this, &FontDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &FontDialog::reject);

    setTextStyle(TextStyle {});
}

void FontDialog::setTextStyle(const TextStyle &style)
{
    preset_ = style;
    result_ = style;
    updating_ = true;

    const QString name = QString::fromStdString(style.fontName);
    familyEdit_->setText(name);
    const int familyRow = findText(familyList_, name, Qt::MatchFixedString);
    familyList_->setCurrentRow(familyRow);
    if (familyRow >= 0)
        familyList_->scrollToItem(familyList_->item(familyRow));

    styleList_->setCurrentRow((style.bold ? 2 : 0) + (style.italic ? 1 : 0));
    sizeEdit_->setText(QString::number(style.size));
    sizeList_->setCurrentRow(findText(sizeList_, sizeEdit_->text(), Qt::MatchExactly));
    strikeout_->setChecked(style.strikeout);
    underline_->setChecked(style.underline);

    // A colour that is none of the sixteen stays what it was, shown as "Custom".
    const int customIndex = static_cast<int>(kBasicColors.size());
    if (color_->count() > customIndex)
        color_->removeItem(customIndex);
    int colorIndex = color_->findData(style.color);
    if (colorIndex < 0) {
        color_->addItem(colorIcon(style.color), QStringLiteral("Custom"), style.color);
        colorIndex = customIndex;
    }
    color_->setCurrentIndex(colorIndex);

    updating_ = false;
    updateScripts(style.charset);
    updateSample();
}

QString FontDialog::chosenFamily() const
{
    const QString typed = familyEdit_->text().trimmed();
    if (typed.isEmpty())
        return {};
    const int row = findText(familyList_, typed, Qt::MatchFixedString);
    if (row >= 0)
        return familyList_->item(row)->text();
    // The preset's name stays valid even where only a substitute of it is installed
    // ("Arial" is drawn with Liberation Sans), so that OK without a change keeps it.
    QString presetName = QString::fromStdString(preset_.fontName);
    if (typed.compare(presetName, Qt::CaseInsensitive) == 0)
        return presetName;
    return {};
}

QString FontDialog::shownFamily() const
{
    QString family = chosenFamily();
    if (family.isEmpty())
        family = familyEdit_->text().trimmed();
    if (findText(familyList_, family, Qt::MatchFixedString) >= 0)
        return family;
    return QFontInfo(QFont(family)).family();
}

bool FontDialog::sizeValid(int *size) const
{
    bool ok = false;
    const int value = sizeEdit_->text().toInt(&ok);
    if (size)
        *size = value;
    return ok && value >= kMinimumSize && value <= kMaximumSize;
}

void FontDialog::familyPicked()
{
    if (updating_)
        return;
    if (QListWidgetItem *item = familyList_->currentItem()) {
        if (familyEdit_->text().compare(item->text(), Qt::CaseInsensitive) != 0)
            familyEdit_->setText(item->text());
    }
    updateScripts(script_->currentData().isValid() ? script_->currentData().toInt()
                                                   : preset_.charset);
    updateSample();
}

void FontDialog::familyTyped(const QString &text)
{
    // The list follows the typing to the first family that starts with the text.
    const int row = text.isEmpty() ? -1 : findText(familyList_, text, Qt::MatchStartsWith);
    updating_ = true;
    familyList_->setCurrentRow(row);
    if (row >= 0)
        familyList_->scrollToItem(familyList_->item(row));
    updating_ = false;
    updateScripts(script_->currentData().isValid() ? script_->currentData().toInt()
                                                   : preset_.charset);
    updateSample();
}

void FontDialog::sizePicked()
{
    if (updating_)
        return;
    if (QListWidgetItem *item = sizeList_->currentItem())
        sizeEdit_->setText(item->text());
}

void FontDialog::updateScripts(int keepCharset)
{
    const QList<Script> scripts = scriptsOf(shownFamily());
    const bool wasUpdating = updating_;
    updating_ = true;
    script_->clear();
    int keep = 0;
    for (const Script &script : scripts) {
        if (script.charset == keepCharset)
            keep = script_->count();
        script_->addItem(script.name, script.charset);
    }
    script_->setCurrentIndex(keep);
    updating_ = wasUpdating;
}

TextStyle FontDialog::current() const
{
    TextStyle style = preset_;
    const QString family = chosenFamily();
    if (!family.isEmpty())
        style.fontName = family.toStdString();
    int size = 0;
    if (sizeValid(&size))
        style.size = size;
    const int styleRow = std::max(0, styleList_->currentRow());
    style.italic = styleRow % 2 == 1;
    style.bold = styleRow >= 2;
    style.underline = underline_->isChecked();
    style.strikeout = strikeout_->isChecked();
    style.color = static_cast<TColor>(color_->currentData().toInt());
    if (script_->currentData().isValid())
        style.charset = script_->currentData().toInt();
    return style;
}

void FontDialog::updateSample()
{
    if (updating_)
        return;
    const bool valid = !chosenFamily().isEmpty() && sizeValid();
    ok_->setEnabled(valid);
    int size = 0;
    sizeNote_->setVisible(!sizeValid(&size) && !sizeEdit_->text().isEmpty());
    if (!sizeEdit_->text().isEmpty()) {
        updating_ = true;
        sizeList_->setCurrentRow(findText(sizeList_, sizeEdit_->text(), Qt::MatchExactly));
        updating_ = false;
    }

    TextStyle look = current();
    look.fontName = shownFamily().toStdString();
    QFont font = screenFont(look);
    sample_->setFont(font);
    QPalette palette = sample_->palette();
    palette.setColor(QPalette::WindowText, screenColor(look.color));
    sample_->setPalette(palette);
    const int charset = script_->currentData().toInt();
    QString text = QStringLiteral("AaBbYyZz");
    for (const ScriptEntry &entry : kScripts) {
        if (entry.charset == charset && entry.writingSystem != QFontDatabase::Latin)
            text = QFontDatabase::writingSystemSample(entry.writingSystem);
    }
    sample_->setText(text);
}

void FontDialog::accept()
{
    if (chosenFamily().isEmpty() || !sizeValid())
        return;
    result_ = current();
    QDialog::accept();
}
