#pragma once

#include "LaidOutPage.h"

#include <QPointF>
#include <QRectF>

class QPainter;

// A correction for a printer that puts the page a little off: the whole page is scaled about
// the sheet's top-left corner, then moved. Identity by default.
struct PageCorrection
{
    double offsetXMm = 0;
    double offsetYMm = 0;
    double scaleX = 1;
    double scaleY = 1;
};

// Where the sheet lies in the painter's coordinates (usually device dots): its top-left
// corner at origin and dotsPerMm dots for each millimetre, zoom included. A point at
// (x, y) mm goes to origin + (x * dotsPerMmX, y * dotsPerMmY).
struct PageMapping
{
    double dotsPerMmX = 96.0 / 25.4;
    double dotsPerMmY = 96.0 / 25.4;
    QPointF origin;

    // A device of dotsPerInch at zoomPercent (100: real size), sheet corner at origin, with
    // the correction applied.
    static PageMapping forDevice(double dotsPerInchX, double dotsPerInchY, double zoomPercent = 100,
                                 const PageCorrection &correction = {}, QPointF origin = QPointF());

    QPointF map(QPointF mm) const;
    QRectF map(const QRectF &mm) const;
};

// Paints the page on the painter: the one drawing of the page, for preview, printer and file
// exports. Only items that meet `exposed` (painter coordinates) are painted; an empty
// `exposed` paints all. The painter's own transform is kept (a preview may translate for its
// scroll position); the page's white paper is not painted, the caller clears its surface.
//
// Boxes and pictures are snapped to whole dots so that edges are crisp at any zoom; outlines
// are one device dot wide (a cosmetic hairline) along the inside of the box's edges. Text is
// drawn with the layout's font on a painter scaled from layout units to dots, so a size in
// points stays that size at every resolution.
void paintPage(QPainter &painter, const LaidOutPage &page, const PageMapping &mapping,
               const QRectF &exposed = QRectF());
