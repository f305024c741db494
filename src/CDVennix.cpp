// The program's entry point: the application object, the windows that live for the whole
// run, and the message loop.
#include "AppText.h"
#include "ApplicationSetup.h"
#include "CommandGuard.h"
#include "Unit1.h"

#include <QApplication>
#include <QEvent>

namespace {

// Closing the main window ends the program at once, whichever other windows are open.
class QuitWhenClosed : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Close)
            QCoreApplication::quit();
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    try {
        setUpApplication(app);
        QApplication::setQuitOnLastWindowClosed(false);

        // The four windows, each living until the program ends; destroyed after the
        // message loop.
        ProgramWindows windows;

        QuitWhenClosed quitWhenClosed;
        Form1->installEventFilter(&quitWhenClosed);
        Form1->show();
        QApplication::exec();
    } catch (...) {
        showCurrentException();
    }
    return 0;
}
