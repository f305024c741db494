#include "ReportOperations.h"

#include "PageOutput.h"
#include "QRPrinterSettings.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

PrintEnvironment *&currentEnvironment()
{
    static PrintEnvironment systemEnvironment;
    static PrintEnvironment *current = &systemEnvironment;
    return current;
}

// Hides the progress window however the printing ends.
class ProgressScope
{
public:
    explicit ProgressScope(PrintEnvironment &environment)
        : environment_(environment)
    {
        environment_.showPrintProgress();
    }
    ~ProgressScope() { environment_.hidePrintProgress(); }
    ProgressScope(const ProgressScope &) = delete;
    ProgressScope &operator=(const ProgressScope &) = delete;

private:
    PrintEnvironment &environment_;
};

} // namespace

PrintEnvironment::PrintEnvironment() = default;
PrintEnvironment::~PrintEnvironment() = default;

PrintEnvironment &PrintEnvironment::current()
{
    return *currentEnvironment();
}

PrintEnvironment *PrintEnvironment::setCurrent(PrintEnvironment *environment)
{
    PrintEnvironment *before = currentEnvironment();
    currentEnvironment() = environment;
    return before;
}

bool PrintEnvironment::printerInstalled()
{
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

std::unique_ptr<QPrinter> PrintEnvironment::openPrinter(const QString &printerName)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!printerName.isEmpty())
        printer->setPrinterName(printerName);
    return printer;
}

bool PrintEnvironment::execPrintDialog(QPrinter &printer, const PrintDialogRange &range)
{
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setMinMax(range.minPage, range.maxPage);
    // This dialog sets the printer up; it prints nothing, so its button says OK. Of the
    // ranges it offers all pages and from-to, not a free list of pages.
    if (auto *buttons = dialog.findChild<QDialogButtonBox *>()) {
        if (QPushButton *ok = buttons->button(QDialogButtonBox::Ok))
            ok->setText(QStringLiteral("OK"));
    }
    for (const char *name : {"pagesRadioButton", "pagesLineEdit"}) {
        if (auto *widget = dialog.findChild<QWidget *>(QLatin1String(name)))
            widget->hide();
    }
    return dialog.exec() == QDialog::Accepted;
}

QString PrintEnvironment::choosePdfFile()
{
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.setNameFilter(QStringLiteral("PDF Files (*.pdf)"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

void PrintEnvironment::showPrintProgress()
{
    {
        progress_ = std::make_unique<QWidget>(
            nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
        progress_->setWindowTitle(QApplication::applicationDisplayName());
        progress_->setWindowModality(Qt::ApplicationModal);
        auto *layout = new QVBoxLayout(progress_.get());
        layout->addWidget(new QLabel(QStringLiteral("Printing page 1"), progress_.get()));
        auto *bar = new QProgressBar(progress_.get());
        bar->setRange(0, 0); // busy: one page, no steps to count
        layout->addWidget(bar);
        progress_->setFixedSize(progress_->sizeHint().expandedTo(QSize(220, 0)));
    }
    progress_->show();
    progress_->raise();
    // Let it paint before the page goes out; keyboard and mouse wait until it is gone.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

// Made for each print and gone after it: no window outlives the application object.
void PrintEnvironment::hidePrintProgress()
{
    progress_.reset();
}

void reportPrint(TQuickRep &form, PrintEnvironment &environment)
{
    if (!environment.printerInstalled() || form.busy())
        return;
    std::unique_ptr<QPrinter> printer = environment.openPrinter(form.printerSettings().printerName);
    applyPrinterSettings(*printer, form.printerSettings(), form.page().orientation);
    ProgressScope progress(environment);
    form.print(*printer);
}

void reportPreview(TQuickRep &form)
{
    form.preview();
}

void reportPrinterSetup(TQuickRep &form, PrintEnvironment &environment)
{
    if (!environment.printerInstalled() || form.busy())
        return;
    TQRPrinterSettings &settings = form.printerSettings();
    std::unique_ptr<QPrinter> printer = environment.openPrinter(settings.printerName);
    printer->setCopyCount(settings.copies);
    printer->setPageOrientation(form.page().orientation);

    PrintDialogRange range;
    range.pageRangeChosen = !(settings.firstPage == 0 && settings.lastPage == 0);
    range.fromPage = settings.firstPage;
    range.toPage = settings.lastPage;
    // While the form holds the complete pages of a preview, the range is that of its pages.
    if (const auto &pages = form.previewPages(); pages && pages->complete()) {
        range.minPage = 1;
        range.maxPage = pages->pageCount();
        range.fromPage = 1;
        range.toPage = pages->pageCount();
    }
    printer->setFromTo(range.fromPage, range.toPage);
    printer->setPrintRange(range.pageRangeChosen ? QPrinter::PageRange : QPrinter::AllPages);

    if (!environment.execPrintDialog(*printer, range))
        return;
    settings.copies = printer->copyCount();
    settings.printerName = printer->printerName();
    form.page().orientation = printer->pageLayout().orientation();
    if (printer->printRange() == QPrinter::PageRange) {
        settings.firstPage = printer->fromPage();
        settings.lastPage = printer->toPage();
    } else {
        settings.firstPage = 0;
        settings.lastPage = 0;
    }
}

void reportExportPdf(TQuickRep &form, PrintEnvironment &environment)
{
    if (form.busy())
        return;
    QString fileName = environment.choosePdfFile();
    if (fileName.isEmpty())
        return;
    if (QFileInfo(fileName).suffix().isEmpty())
        fileName += QStringLiteral(".pdf");
    const std::shared_ptr<TQRPageSet> pages = form.run();
    if (!pages || pages->pageCount() == 0)
        return;
    writePdf(fileName, *pages->page(1));
}
