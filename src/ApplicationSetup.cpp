#include "ApplicationSetup.h"

#include "AppText.h"
#include "ImageList.h"
#include "ScreenLook.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"

#include <QApplication>
#include <QIcon>

static void initResources()
{
    // The resources live in a static library: register them by hand.
    Q_INIT_RESOURCE(cdvennix);
}

void setUpApplication(QApplication &app)
{
    initResources();
    // The application name, and not a display name: Qt appends a display name to every
    // window title, and the main window's caption is "CD Vennix Designer" alone.
    QApplication::setApplicationName(QString::fromUtf8(kApplicationTitle));
    // "MS Sans Serif" is a Windows bitmap font. Liberation Sans has Arial's metrics, which
    // come closest at 8 points; DejaVu Sans is wider but present almost everywhere.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                QStringLiteral("DejaVu Sans")});
    QApplication::setFont(formFont());
    QApplication::setWindowIcon(programIcon());
    (void)app;
}

QFont formFont()
{
    // In pixels: the windows are laid out in pixels for 96 dots per inch.
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(pixelsForPoints(8));
    return font;
}

ProgramWindows::ProgramWindows()
    : form1_(std::make_unique<TForm1>())
{
    Form1 = form1_.get();
    quickReport2_ = std::make_unique<TQuickReport2>(&Form1->design());
    QuickReport2 = quickReport2_.get();
    aboutBox_ = std::make_unique<TAboutBox>();
    AboutBox = aboutBox_.get();
    form4_ = std::make_unique<TForm4>();
    Form4 = form4_.get();
}

ProgramWindows::~ProgramWindows()
{
    form4_.reset();
    Form4 = nullptr;
    aboutBox_.reset();
    AboutBox = nullptr;
    quickReport2_.reset();
    QuickReport2 = nullptr;
    form1_.reset();
    Form1 = nullptr;
}
