#include "Unit4.h"

#include "ApplicationSetup.h"
#include "CommandGuard.h"
#include "ImageList.h"
#include "ReportOperations.h"
#include "TQRPreview.h"
#include "Unit1.h"

#include <QCoreApplication>
#include <QFont>
#include <QHBoxLayout>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

TForm4 *Form4 = nullptr;

namespace {

constexpr int kToolBarWidth = 40;
constexpr int kZoomStep = 10;

QToolButton *makeButton(QWidget *toolBar, const QString &hint)
{
    auto *button = new QToolButton(toolBar);
    button->setAutoRaise(true);
    button->setFixedSize(23, 22);
    button->setToolTip(hint);
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setIconSize(QSize(16, 16));
    return button;
}

QWidget *makeSeparator(QWidget *toolBar, int height)
{
    auto *separator = new QWidget(toolBar);
    separator->setFixedHeight(height);
    return separator;
}

} // namespace

TForm4::TForm4(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setWindowTitle(QStringLiteral("Form4"));
    setFont(formFont());
    resize(688, 453);

    QRPreview1 = new TQRPreview(this);
    ToolBar1 = new QWidget(this);
    ToolBar1->setFixedWidth(kToolBarWidth);
    ToolButton1 = makeButton(ToolBar1, QStringLiteral("Zoom in"));
    ToolButton2 = makeButton(ToolBar1, QStringLiteral("Zoom out"));
    ToolButton4 = makeSeparator(ToolBar1, 5);
    ToolButton5 = makeButton(ToolBar1, QStringLiteral("Print"));
    ToolButton6 = makeButton(ToolBar1, QStringLiteral("Exit preview"));
    ToolButton3 = makeSeparator(ToolBar1, 6);

    auto *buttons = new QVBoxLayout(ToolBar1);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(0);
    for (QWidget *w :
         {static_cast<QWidget *>(ToolButton1), static_cast<QWidget *>(ToolButton2), ToolButton4,
          static_cast<QWidget *>(ToolButton5), ToolButton3, static_cast<QWidget *>(ToolButton6)})
        buttons->addWidget(w, 0, Qt::AlignHCenter);
    buttons->addStretch(1);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(QRPreview1, 1);
    layout->addWidget(ToolBar1);

    // The tool bar has no image list of its own: it shows glyphs of the main window's.
    if (Form1) {
        ToolButton1->setIcon(Form1->ImageList1.icon(ImageList::ZoomIn));
        ToolButton2->setIcon(Form1->ImageList1.icon(ImageList::ZoomOut));
        ToolButton5->setIcon(Form1->ImageList1.icon(ImageList::Printer));
        ToolButton6->setIcon(Form1->ImageList1.icon(ImageList::Exit));
    }
    // This window is where the cut-out form shows its previews; while a run lays out a
    // page, the windows go on painting.
    if (QuickReport2) {
        QuickReport2->setPreview(this);
        QuickReport2->setProcessEvents([] { QCoreApplication::processEvents(); });
    }

    connect(ToolButton1, &QToolButton::clicked, this, &TForm4::ToolButton1Click);
    connect(ToolButton2, &QToolButton::clicked, this, &TForm4::ToolButton2Click);
    connect(ToolButton5, &QToolButton::clicked, this, &TForm4::ToolButton5Click);
    connect(ToolButton6, &QToolButton::clicked, this, &TForm4::ToolButton6Click);
}

void TForm4::ToolButton1Click()
{
    QRPreview1->setZoom(QRPreview1->zoom() + kZoomStep);
}

void TForm4::ToolButton2Click()
{
    QRPreview1->setZoom(QRPreview1->zoom() - kZoomStep);
}

// A new run of the cut-out form from the design of this moment, as the main window's Print;
// not the page on screen.
void TForm4::ToolButton5Click()
{
    runGuarded([] { reportPrint(*QuickReport2); });
}

void TForm4::ToolButton6Click()
{
    close();
}

void TForm4::attachPageSet(std::shared_ptr<TQRPageSet> pages)
{
    QRPreview1->attachPageSet(std::move(pages));
}

void TForm4::showPreviewWindow()
{
    // Filling the screen also where no window manager carries out the maximise request.
    if (const QScreen *screen = this->screen())
        setGeometry(screen->availableGeometry());
    showMaximized();
    raise();
    activateWindow();
}
