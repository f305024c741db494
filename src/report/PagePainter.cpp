#include "PagePainter.h"

#include "ReportUnits.h"
#include "TextFonts.h"

#include <QPainter>
#include <QTextLayout>
#include <algorithm>
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

bool hasRightToLeft(const QString &text)
{
    for (const QChar c : text) {
        switch (c.direction()) {
        case QChar::DirR:
        case QChar::DirAL:
        case QChar::DirRLE:
        case QChar::DirRLO:
        case QChar::DirRLI:
            return true;
        default:
            break;
        }
    }
    return false;
}

// Draws the part of a line's text whose characters lie between fromX and toX (layout units
// from the line's start), each character where the whole line puts it, with the painter at
// the line's baseline. The part is cut at character boundaries, so kerning inside it is that
// of the whole line. It is drawn a word (with its spaces) at a time: the outline filler is
// much faster on several small outlines than on one as long as the line. A line with
// underline or strikeout goes in one piece, so that its stroke has no joins.
void drawTextBetween(QPainter &painter, const QFont &font, const QString &text, double fromX,
                     double toX)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    if (!line.isValid())
        return;
    const int length = int(text.size());
    int first = std::clamp(line.xToCursor(fromX, QTextLine::CursorOnCharacter), 0, length);
    int last = std::clamp(line.xToCursor(toX, QTextLine::CursorOnCharacter) + 1, first, length);
    while (first > 0 && !layout.isValidCursorPosition(first))
        --first;
    while (last < length && !layout.isValidCursorPosition(last))
        ++last;
    const bool decorated = font.underline() || font.strikeOut() || font.overline();
    int start = first;
    for (int i = first + 1; i <= last; ++i) {
        const bool wordEnds = i == last
            || (!decorated && text[i - 1].isSpace() && !text[i].isSpace()
                && layout.isValidCursorPosition(i));
        if (!wordEnds)
            continue;
        painter.drawText(QPointF(line.cursorToX(start), 0), text.mid(start, i - start));
        start = i;
    }
}

void paintText(QPainter &painter, const TextRun &run, const PageMapping &mapping,
               const QRectF &exposed)
{
    // Glyphs may reach out of their line (italic slant, accents): test a generous box.
    const double slackMm = run.lineMm.height() / 2;
    const QRectF reach = mapping.map(run.lineMm.adjusted(-slackMm, -slackMm, slackMm, slackMm));
    if (!meets(reach, exposed))
        return;
    painter.save();
    painter.translate(mapping.map(QPointF(run.lineMm.left(), run.baselineMm)));
    const double scaleX = mapping.dotsPerMmX * kMmPerLayoutUnit;
    painter.scale(scaleX, mapping.dotsPerMmY * kMmPerLayoutUnit);
    const QFont font = layoutFont(run.font);
    painter.setFont(font);
    painter.setPen(run.color);
    if (!exposed.isEmpty() && (reach.left() < exposed.left() || reach.right() > exposed.right())
        && !hasRightToLeft(run.text)) {
        // Part of a line on view, as in a zoomed preview: big glyphs are drawn as outlines,
        // each at its full cost however little of it shows, so only the characters within a
        // line height of the exposed part are drawn. (Right-to-left text is drawn whole.)
        const double lineLeft = mapping.map(QPointF(run.lineMm.left(), 0)).x();
        const double slackDots = slackMm * 2 * mapping.dotsPerMmX;
        drawTextBetween(painter, font, run.text, (exposed.left() - slackDots - lineLeft) / scaleX,
                        (exposed.right() + slackDots - lineLeft) / scaleX);
    } else {
        painter.drawText(QPointF(0, 0), run.text);
    }
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
