#pragma once

#include <QDialog>
#include <QImage>

class QFrame;
class QLabel;
class QPushButton;
class TURLLabel;

// The about box: product name, icon, version, copyright, a comment, the donation note and
// two link labels. Shown modally from the main window; OK, Enter or Space close it, Escape
// does not.
class TAboutBox : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutBox(QWidget *parent = nullptr);

    QFrame *Panel1;
    QLabel *ProgramIcon;
    QLabel *ProductName;
    QLabel *Version;
    QLabel *Copyright;
    TURLLabel *URLLabel1;
    QLabel *Comments;
    QPushButton *OKButton;
    QFrame *Panel2;
    QLabel *Label1;
    QLabel *Image1;
    TURLLabel *URLLabel2;
    QLabel *Image2;

    // The addresses the two link labels open.
    static const char *const kHomePage;
    static const char *const kNationalSocietiesDirectory;

    // The emblem beside the second link: a red cross beside a red crescent on grey, 23 x 12.
    static QImage emblem();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
};

extern TAboutBox *AboutBox;
