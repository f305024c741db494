#include "PagePainter.h"

#include "ReportUnits.h"
#include "TextFonts.h"

#include <QPainter>
#include <cmath>

namespace {

// The box in whole dots: edges rounded, so neighbouring boxes meet without gaps or overlap.
QRectF snapped(const QRectF &dots)
{
    const double left = std::round(dots.left());
    const double top = std::round(dots.top());
    const double right = std::round(dots.right());
    const double bottom = std::round(dots.bottom());
    return QRectF(left, top, right - left, bottom - top);
}

bool meets(const QRectF &dots, const QRectF &exposed)
{
    return exposed.isEmpty() || dots.intersects(exposed);
}

void paintBox(QPainter &painter, const FilledBox &box, const PageMapping &mapping,
              const QRectF &exposed)
{
    const QRectF dots = snapped(mapping.map(box.boxMm));
    if (!meets(dots, exposed))
        return;
    if (box.fill.isValid())
        painter.fillRect(dots, box.fill);
    if (box.outline && dots.width() >= 1 && dots.height() >= 1) {
        // A hairline through the centres of the box's outermost dots.
        painter.setPen(QPen(Qt::black, 0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(dots.adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

void paintText(QPainter &painter, const TextRun &run, const PageMapping &mapping,
               const QRectF &exposed)
{
    // Glyphs may reach out of their line (italic slant, accents): test a generous box.
    const double slackMm = run.lineMm.height() / 2;
    if (!meets(mapping.map(run.lineMm.adjusted(-slackMm, -slackMm, slackMm, slackMm)), exposed))
        return;
    painter.save();
    painter.translate(mapping.map(QPointF(run.lineMm.left(), run.baselineMm)));
    painter.scale(mapping.dotsPerMmX * kMmPerLayoutUnit, mapping.dotsPerMmY * kMmPerLayoutUnit);
    painter.setFont(layoutFont(run.font));
    painter.setPen(run.color);
    painter.drawText(QPointF(0, 0), run.text);
    painter.restore();
}

void paintPicture(QPainter &painter, const PictureBox &picture, const PageMapping &mapping,
                  const QRectF &exposed)
{
    const QRectF dots = snapped(mapping.map(picture.boxMm));
    if (!meets(dots, exposed) || dots.isEmpty())
        return;
    painter.drawImage(dots, picture.image);
}

} // namespace

PageMapping PageMapping::forDevice(double dotsPerInchX, double dotsPerInchY, double zoomPercent,
                                   const PageCorrection &correction, QPointF origin)
{
    PageMapping mapping;
    const double zoom = zoomPercent / 100.0;
    mapping.dotsPerMmX = dotsPerMm(dotsPerInchX) * zoom * correction.scaleX;
    mapping.dotsPerMmY = dotsPerMm(dotsPerInchY) * zoom * correction.scaleY;
    mapping.origin = origin
        + QPointF(correction.offsetXMm * dotsPerMm(dotsPerInchX) * zoom,
                  correction.offsetYMm * dotsPerMm(dotsPerInchY) * zoom);
    return mapping;
}

QPointF PageMapping::map(QPointF mm) const
{
    return QPointF(origin.x() + mm.x() * dotsPerMmX, origin.y() + mm.y() * dotsPerMmY);
}

QRectF PageMapping::map(const QRectF &mm) const
{
    return QRectF(map(mm.topLeft()), map(mm.bottomRight()));
}

void paintPage(QPainter &painter, const LaidOutPage &page, const PageMapping &mapping,
               const QRectF &exposed)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    // PDF and printers keep the picture's pixels exactly (no JPEG).
    painter.setRenderHint(QPainter::LosslessImageRendering, true);
    for (const PageItem &item : page.items) {
        if (const auto *box = std::get_if<FilledBox>(&item))
            paintBox(painter, *box, mapping, exposed);
        else if (const auto *run = std::get_if<TextRun>(&item))
            paintText(painter, *run, mapping, exposed);
        else if (const auto *picture = std::get_if<PictureBox>(&item))
            paintPicture(painter, *picture, mapping, exposed);
    }
    painter.restore();
}
