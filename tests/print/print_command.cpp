// Runs the program's Print command once on the system's printers, as the main window's
// "&Print" does, for a design with the title given as the first argument. Used by
// cups_print_test.sh with a private CUPS server. Exit code 0 when the command returned
// without an error; the error's text on stderr and exit code 2 otherwise.
#include "ReportOperations.h"
#include "Unit2.h"

#include <QApplication>
#include <QPrinterInfo>
#include <QTimer>
#include <cstdio>
#include <exception>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: print_command TITLE\n");
        return 1;
    }

    DesignFields design;
    design.title = argv[1];
    design.contents = {"Track one", "Track two"};
    TQuickReport2 form(&design);
    form.setProcessEvents([] { QCoreApplication::processEvents(); });

    // Anything that waits for the user (a dialog, a message box) would stop the command here.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] {
        std::fprintf(stderr, "the print command waited for the user\n");
        std::_Exit(3);
    });
    watchdog.start(60000);

    std::printf("printers: %lld\n",
                static_cast<long long>(QPrinterInfo::availablePrinterNames().size()));
    try {
        reportPrint(form);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 2;
    }
    std::printf("print command done\n");
    return 0;
}
