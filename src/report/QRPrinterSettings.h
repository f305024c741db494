#pragma once

#include "QuickRep.h"

#include <QPageSize>
#include <QPrinter>

// For the layers that drive a QPrinter and link QtPrintSupport themselves (the report library
// does not: it would bring Qt Widgets into the command-line tool).
//
// Sets up a printer for TQuickRep::print with a form's stored settings: copies, duplex, A4
// paper in the page's orientation, and a full-page coordinate system, whose origin is the
// paper's corner, so that every position is its true distance from the paper's edges
// whatever the printer's unprintable margins. The printer itself is chosen when the QPrinter
// is made; the paper source is always the first bin, the printer's own default.
inline void applyPrinterSettings(QPrinter &printer, const TQRPrinterSettings &settings,
                                 QPageLayout::Orientation orientation)
{
    printer.setCopyCount(settings.copies);
    printer.setDuplex(settings.duplex ? QPrinter::DuplexAuto : QPrinter::DuplexNone);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(orientation);
    printer.setFullPage(true);
}
