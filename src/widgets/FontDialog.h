#pragma once

#include "CaseDesign.h"

#include <QDialog>
#include <QList>
#include <QString>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The font dialog of the "Set font" buttons: a scalable font, its style (regular, italic,
// bold, bold italic), a size of 8 to 64 whole points, underline, strikeout, one of the sixteen
// basic colours and a script of the chosen font, with a sample. It is preset with a text
// style and gives one back: the choice after OK, the preset unchanged after Cancel.
class FontDialog : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kMinimumSize = 8; // points
    static constexpr int kMaximumSize = 64;

    // A script the font can be used for, with the Windows character-set code it stands for.
    struct Script
    {
        QString name;
        int charset;
    };

    explicit FontDialog(QWidget *parent = nullptr);

    // Shows the style's font, size, flags, colour and script. The alignment passes through.
    void setTextStyle(const TextStyle &style);
    TextStyle textStyle() const { return result_; }

    // The scripts of a font family, in the order the dialog lists them; never empty.
    static QList<Script> scriptsOf(const QString &family);
    // The families the dialog lists: the scalable ones.
    static QStringList scalableFamilies();

    void accept() override;

    // The dialog's parts, by the names a test looks for.
    QLineEdit *familyEdit() const { return familyEdit_; }
    QListWidget *familyList() const { return familyList_; }
    QListWidget *styleList() const { return styleList_; }
    QLineEdit *sizeEdit() const { return sizeEdit_; }
    QListWidget *sizeList() const { return sizeList_; }
    QCheckBox *strikeoutBox() const { return strikeout_; }
    QCheckBox *underlineBox() const { return underline_; }
    QComboBox *colorBox() const { return color_; }
    QComboBox *scriptBox() const { return script_; }
    QLabel *sample() const { return sample_; }
    QPushButton *okButton() const { return ok_; }

private:
    void familyPicked();
    void familyTyped(const QString &text);
    void sizePicked();
    void updateScripts(int keepCharset);
    void updateSample();
    // The family name the dialog would return, or an empty text when the typed one is unknown.
    QString chosenFamily() const;
    // The family that gives the styles, scripts and sample for the typed name.
    QString shownFamily() const;
    bool sizeValid(int *size = nullptr) const;
    TextStyle current() const;

    TextStyle preset_;
    TextStyle result_;
    QLineEdit *familyEdit_ = nullptr;
    QListWidget *familyList_ = nullptr;
    QListWidget *styleList_ = nullptr;
    QLineEdit *sizeEdit_ = nullptr;
    QListWidget *sizeList_ = nullptr;
    QLabel *sizeNote_ = nullptr;
    QCheckBox *strikeout_ = nullptr;
    QCheckBox *underline_ = nullptr;
    QComboBox *color_ = nullptr;
    QComboBox *script_ = nullptr;
    QLabel *sample_ = nullptr;
    QPushButton *ok_ = nullptr;
    bool updating_ = false;
};
