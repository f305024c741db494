#pragma once

#include <QFont>

class QApplication;

// What every window of the program shares: the application's name, the stand-in for the
// forms' "MS Sans Serif", the program's icon and the compiled-in resources. Run once, right
// after the application object is made (the tests' main does the same).
void setUpApplication(QApplication &app);

// The forms' font, "MS Sans Serif" at 8 points, found through the substitutes that
// setUpApplication installs.
QFont formFont();
