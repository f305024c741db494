#pragma once

#include "LaidOutPage.h"
#include "PagePainter.h"
#include "QRElements.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QSizeF>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

// Page settings of a report form, in millimetres.
struct TQRPageSettings
{
    QSizeF paperSizeMm {210.0, 297.0}; // A4, portrait measures
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    double topMarginMm = 10;
    double bottomMarginMm = 10;
    double leftMarginMm = 10;
    double rightMarginMm = 10;
    int columns = 1;
    double columnSpaceMm = 0;
    bool printIfEmpty = true;
    bool frameTop = false;
    bool frameBottom = false;
    bool frameLeft = false;
    bool frameRight = false;
    QString reportTitle;

    // Width and height of the sheet as it lies in the orientation.
    QSizeF sheetMm() const;
};

// The first (upper) paper bin of a printer, in the bin codes the old printer settings used.
inline constexpr int kFirstPaperBin = 1;

// The printer settings a form keeps between runs (Printer Setup changes them). The engine does
// not link the print support: whoever drives a QPrinter applies these to it before print()
// (applyPrinterSettings in QRPrinterSettings.h).
struct TQRPrinterSettings
{
    QString printerName; // empty: the system's default printer
    int copies = 1;
    bool duplex = false;
    int firstPage = 0; // 0 and 0: all pages
    int lastPage = 0;
    int paperSource = kFirstPaperBin; // a Windows bin code; Printer Setup keeps the first

    // Whether the stored page range prints page `number` (counted from 1).
    bool includesPage(int number) const;
};

// A report form: page settings, elements standing directly on the page, the before-print
// handler and the preview hook, and the runs that turn it into pages.
//
// A run calls the before-print handler, then lays out the elements in drawing order into one
// page of a TQRPageSet. While a run is in progress the form is busy and every further run
// request is refused (the operations return without doing anything), also when the run
// processes pending window messages in between. An exception ends the run and clears busy.
class TQuickRep
{
public:
    // printReport is true on entry; a handler that sets it false cancels the run.
    using BeforePrintHandler = std::function<void(TQuickRep &sender, bool &printReport)>;
    // Called by preview() with the new, still empty page set of the run, before the layout.
    using PreviewHandler = std::function<void(const std::shared_ptr<TQRPageSet> &pages)>;

    TQuickRep();
    virtual ~TQuickRep();
    TQuickRep(const TQuickRep &) = delete;
    TQuickRep &operator=(const TQuickRep &) = delete;

    TQRPageSettings &page() { return page_; }
    const TQRPageSettings &page() const { return page_; }
    TQRPrinterSettings &printerSettings() { return printer_; }
    const TQRPrinterSettings &printerSettings() const { return printer_; }

    // Elements in declaration order, and in drawing order (later ones over earlier ones).
    const std::vector<TQRElement *> &elements() const { return elements_; }
    const std::vector<const TQRElement *> &drawOrder() const { return drawOrder_; }

    void setBeforePrint(BeforePrintHandler handler) { beforePrint_ = std::move(handler); }
    void setOnPreview(PreviewHandler handler) { onPreview_ = std::move(handler); }
    // What a run calls where it lets pending window messages through (nothing by default;
    // a window program passes QCoreApplication::processEvents).
    void setProcessEvents(std::function<void()> processEvents)
    {
        processEvents_ = std::move(processEvents);
    }

    bool busy() const { return busy_; }

    // A run for output: before-print handler, layout, the complete page set. nullptr when the
    // form is busy or the handler cancelled.
    std::shared_ptr<TQRPageSet> run();

    // The preview operation: a new page set, the preview hook with it, pending messages, then
    // the run into that page set. Keeps the set as the form's preview pages. false when busy.
    bool preview();
    // The pages of the latest preview, or nullptr before the first.
    const std::shared_ptr<TQRPageSet> &previewPages() const { return previewPages_; }

    // The print operation on a device the caller has set up (a QPrinter with the stored
    // settings applied and full page on, or a QPdfWriter): a new run, then the pages within
    // the stored page range painted at the device's resolution, each page's sheet setting
    // the device's page layout. false when busy or cancelled. Throws std::runtime_error when
    // the device cannot start.
    bool print(QPagedPaintDevice &device, const PageCorrection &correction = {});

protected:
    // Called once by a form's constructor with its elements.
    void setElements(std::vector<TQRElement *> declarationOrder,
                     std::vector<const TQRElement *> drawOrder);

private:
    class BusyScope;
    bool runInto(TQRPageSet &pages);

    TQRPageSettings page_;
    TQRPrinterSettings printer_;
    std::vector<TQRElement *> elements_;
    std::vector<const TQRElement *> drawOrder_;
    BeforePrintHandler beforePrint_;
    PreviewHandler onPreview_;
    std::function<void()> processEvents_;
    std::shared_ptr<TQRPageSet> previewPages_;
    bool busy_ = false;
};
