#include "ApplicationSetup.h"

#include "AppText.h"
#include "ImageList.h"
#include "ScreenLook.h"

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
