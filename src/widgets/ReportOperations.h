#pragma once

#include "QuickRep.h"

#include <QString>
#include <memory>

class QPrinter;
class QWidget;

// What the print dialog offers: the page range the user may choose from, and the range it
// shows first.
struct PrintDialogRange
{
    int minPage = 0;
    int maxPage = 9999;
    bool pageRangeChosen = false; // false: "all pages" is chosen
    int fromPage = 0;
    int toPage = 0;
};

// The system's printers, the print dialog, the PDF file dialog and the printing progress
// window, as the report operations reach them. Tests replace it with a subclass.
class PrintEnvironment
{
public:
    PrintEnvironment();
    virtual ~PrintEnvironment();

    // Whether the system knows at least one printer.
    virtual bool printerInstalled();
    // A printer at its full resolution: the named one, or the system's default for "".
    virtual std::unique_ptr<QPrinter> openPrinter(const QString &printerName);
    // The system's print dialog on `printer`, without a selection range and without print to
    // file. true for OK, after which `printer` holds the choices.
    virtual bool execPrintDialog(QPrinter &printer, const PrintDialogRange &range);
    // The save dialog for a PDF file; "" when cancelled.
    virtual QString choosePdfFile();
    // The small window that stands on the screen while a page goes to the printer.
    virtual void showPrintProgress();
    virtual void hidePrintProgress();

    // The environment the operations use; replacing it returns the one before.
    static PrintEnvironment &current();
    static PrintEnvironment *setCurrent(PrintEnvironment *environment);

private:
    std::unique_ptr<QWidget> progress_;
};

// The operations the windows run on a report form. Each does nothing while the form is busy
// with a run. Failures of the printer or of a file are thrown as std::runtime_error for the
// command's error box.

// A new run straight to the stored printer (the system's default until Printer Setup chose
// one) with the stored settings, no dialog; nothing at all when no printer is installed.
void reportPrint(TQuickRep &form, PrintEnvironment &environment = PrintEnvironment::current());

// A new run into a new page set that the form's preview hook shows.
void reportPreview(TQuickRep &form);

// The print dialog, preset with the stored printer, copies and orientation. OK stores them
// and the page range (all pages as 0 and 0) in the form; Cancel changes nothing. Nothing at
// all when no printer is installed.
void reportPrinterSetup(TQuickRep &form,
                        PrintEnvironment &environment = PrintEnvironment::current());

// A new run written as a PDF file (real size, the orientation of the printer settings).
void reportExportPdf(TQuickRep &form, PrintEnvironment &environment = PrintEnvironment::current());
