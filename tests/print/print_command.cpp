// Starts the program's windows as start-up does, gives the design the title of the first
// argument and runs the main window's Print command once on the system's printers. Used by
// cups_print_test.sh with a private CUPS server. Exit code 0 when the command returned; 3
// when it waited for the user (a dialog or the error box stood open).
#include "ApplicationSetup.h"
#include "Unit1.h"

#include <QApplication>
#include <QPrinterInfo>
#include <QTimer>
#include <cstdio>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: print_command TITLE\n");
        return 1;
    }
    setUpApplication(app);

    ProgramWindows windows;
    Form1->show();

    Form1->design().title = argv[1];
    Form1->design().contents = {"Track one", "Track two"};

    // A window that waits for the user would stop the command here.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] {
        const QWidget *modal = QApplication::activeModalWidget();
        std::fprintf(stderr, "the print command waited for the user: %s\n",
                     modal ? qPrintable(modal->windowTitle()) : "");
        std::_Exit(3);
    });
    watchdog.start(30000);

    std::printf("printers: %lld\n",
                static_cast<long long>(QPrinterInfo::availablePrinterNames().size()));
    Form1->BitBtn1Click();
    std::printf("print command done\n");
    return 0;
}
