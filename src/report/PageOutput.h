#pragma once

#include "LaidOutPage.h"
#include "PagePainter.h"

#include <QImage>
#include <QPageLayout>
#include <QString>
#include <functional>

class QPagedPaintDevice;

// Output of laid-out pages to devices and files. Every function paints through paintPage.
// Failures throw std::runtime_error with a message for the user.

// Paints the pages that `include` accepts (all without it) on a paged device, one device
// page each, at the device's resolution, its page size set from each page's sheet. The
// device's painter must start at the paper's corner: a QPrinter with full page on (positions
// are then true distances from the paper's edges whatever its unprintable margins), a
// QPdfWriter (its margins are set to zero here).
// Nothing is started when no page is included.
void paintPages(QPagedPaintDevice &device, const TQRPageSet &pages,
                const PageCorrection &correction = {},
                const std::function<bool(int)> &include = {});

// The page on white at dotsPerInch, the sheet filling the image.
QImage renderPageImage(const LaidOutPage &page, double dotsPerInch,
                       const PageCorrection &correction = {});

// Atomic file writes: the file is replaced only when the whole output was written.
// PDF: fonts embedded (text stays selectable), pictures lossless.
void writePdf(const QString &fileName, const LaidOutPage &page,
              const PageCorrection &correction = {});
void writePng(const QString &fileName, const LaidOutPage &page, double dotsPerInch,
              const PageCorrection &correction = {});
// SVG: real size in millimetres; dots of 1/dotsPerInch inch inside (254: tenths of a mm).
void writeSvg(const QString &fileName, const LaidOutPage &page,
              const PageCorrection &correction = {}, double dotsPerInch = 254);
