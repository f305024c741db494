// The program's entry point: the application object, the windows that live for the whole
// run, and the message loop.
#include "AppText.h"
#include "ApplicationSetup.h"
#include "CommandGuard.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"

#include <QApplication>
#include <QEvent>
#include <memory>

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

        // The four windows, in this order, each living until the program ends. Destroyed
        // in the opposite order, after the message loop.
        auto form1 = std::make_unique<TForm1>();
        Form1 = form1.get();
        auto quickReport2 = std::make_unique<TQuickReport2>(&Form1->design());
        QuickReport2 = quickReport2.get();
        auto aboutBox = std::make_unique<TAboutBox>();
        AboutBox = aboutBox.get();
        auto form4 = std::make_unique<TForm4>();
        Form4 = form4.get();

        QuitWhenClosed quitWhenClosed;
        Form1->installEventFilter(&quitWhenClosed);
        Form1->show();
        QApplication::exec();
    } catch (...) {
        showCurrentException();
    }
    return 0;
}
