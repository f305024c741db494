#pragma once

#include <QFont>
#include <memory>

class QApplication;
class TAboutBox;
class TForm1;
class TForm4;
class TQuickReport2;

// What every window of the program shares: the application's name, the stand-in for the
// forms' "MS Sans Serif", the program's icon and the compiled-in resources. Run once, right
// after the application object is made (the tests' main does the same).
void setUpApplication(QApplication &app);

// The forms' font, "MS Sans Serif" at 8 points, found through the substitutes that
// setUpApplication installs.
QFont formFont();

// The four windows that live for the whole run, made in this order and set as the globals
// Form1, QuickReport2, AboutBox and Form4; destroyed in the opposite order.
class ProgramWindows
{
public:
    ProgramWindows();
    ~ProgramWindows();
    ProgramWindows(const ProgramWindows &) = delete;
    ProgramWindows &operator=(const ProgramWindows &) = delete;

private:
    std::unique_ptr<TForm1> form1_;
    std::unique_ptr<TQuickReport2> quickReport2_;
    std::unique_ptr<TAboutBox> aboutBox_;
    std::unique_ptr<TForm4> form4_;
};
