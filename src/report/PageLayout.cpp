#include "PageLayout.h"

#include "ReportUnits.h"
#include "TextFonts.h"

#include <QFontMetricsF>
#include <algorithm>
#include <functional>

namespace {

// Rounding of font metrics must not move a line that fits exactly over the tolerance.
constexpr double kEpsilonMm = 1e-9;

bool breaksAfter(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('-') || c == QChar(13);
}

// Splits a source line at carriage returns into text lines, dropping line feeds, and hands
// each to take() until it returns false. A text ending with a carriage return has an empty
// line after it. Returns false when take() stopped.
bool forEachTextLine(const QString &source, const std::function<bool(const QString &)> &take)
{
    QString line;
    for (QChar c : source) {
        if (c == QChar(10))
            continue;
        if (c == QChar(13)) {
            if (!take(line))
                return false;
            line.clear();
            continue;
        }
        line += c;
    }
    return take(line);
}

class LineFitter
{
public:
    LineFitter(const QFontMetricsF &metrics, double maxWidth, bool wordWrap, bool fit)
        : metrics_(metrics)
        , maxWidth_(maxWidth)
        , wordWrap_(wordWrap)
        , fit_(fit)
    {
    }

    // Breaks one text line into output lines and hands them to output() until it returns false.
    // Returns false when output() stopped.
    bool fitLine(const QString &text, const std::function<bool(const QString &)> &output) const
    {
        if (!fit_)
            return output(text);
        QString line;
        double lineWidth = 0;
        bool emitted = false;
        qsizetype start = 0;
        while (start < text.size()) {
            qsizetype end = start;
            while (end < text.size() && !breaksAfter(text[end]))
                ++end;
            if (end < text.size())
                ++end; // the breaking character stays with its piece
            const QString piece = text.mid(start, end - start);
            start = end;

            const double width = widthUpTo(piece, maxWidth_ - lineWidth);
            if (lineWidth + width <= maxWidth_) {
                line += piece;
                lineWidth += width;
                continue;
            }
            if (!line.isEmpty()) {
                emitted = true;
                if (!wordWrap_)
                    return output(line);
                if (!output(line))
                    return false;
                line.clear();
                lineWidth = 0;
                if (width <= maxWidth_ || widthUpTo(piece, maxWidth_) <= maxWidth_) {
                    line = piece;
                    lineWidth = metrics_.horizontalAdvance(piece);
                    continue;
                }
            }
            // A piece wider than the whole box.
            line = leadingThatFits(piece);
            lineWidth = metrics_.horizontalAdvance(line);
            if (!wordWrap_)
                return output(line);
        }
        if (!line.isEmpty() || !emitted)
            return output(line);
        return true;
    }

private:
    // The piece's width, or the width of a prefix that is already wider than limit: a very
    // long piece from a hostile file is then never measured whole.
    double widthUpTo(const QString &piece, double limit) const
    {
        constexpr qsizetype kPrefix = 256;
        if (piece.size() > kPrefix) {
            const double prefixWidth = metrics_.horizontalAdvance(piece.left(kPrefix));
            if (prefixWidth > limit)
                return prefixWidth;
        }
        return metrics_.horizontalAdvance(piece);
    }

    QString leadingThatFits(const QString &piece) const
    {
        // Grow the upper bound first, so that a long piece costs a few short measurements.
        qsizetype low = 0; // fits
        qsizetype high = 16;
        while (high < piece.size() && metrics_.horizontalAdvance(piece.left(high)) <= maxWidth_) {
            low = high;
            high *= 2;
        }
        high = std::min(high, piece.size() + 1);
        while (high - low > 1) {
            const qsizetype mid = (low + high) / 2;
            if (metrics_.horizontalAdvance(piece.left(mid)) <= maxWidth_)
                low = mid;
            else
                high = mid;
        }
        if (low > 0 && piece[low - 1].isHighSurrogate())
            --low;
        return piece.left(low);
    }

    const QFontMetricsF &metrics_;
    double maxWidth_;
    bool wordWrap_;
    bool fit_;
};

void layOutShape(const TQRShape &shape, LaidOutPage &page)
{
    page.items.push_back(FilledBox {shape.name(), shape.box(),
                                    shape.filled() ? shape.fillColor() : QColor(),
                                    shape.outlined()});
}

void layOutImage(const TQRImage &image, LaidOutPage &page)
{
    if (image.picture().isNull())
        return;
    page.items.push_back(PictureBox {image.name(), image.box(), image.picture()});
}

void layOutText(const TQRCustomLabel &label, LaidOutPage &page)
{
    const ElementFonts fonts = resolveElementFonts(label.font());
    const QFontMetricsF drawMetrics(layoutFont(fonts.draw));
    const QFontMetricsF lineMetrics(layoutFont(fonts.lineMetrics));
    const double ascentMm = lineMetrics.ascent() * kMmPerLayoutUnit;
    const double lineHeightMm = (lineMetrics.ascent() + lineMetrics.descent()) * kMmPerLayoutUnit;
    const QStringList sources = label.sourceLines();
    auto drawnText = [&](const QString &text) {
        return fonts.symbolStandIn ? mapSymbolText(text) : text;
    };

    QRectF box = label.box();
    if (label.autoSize()) {
        double widest = 0;
        for (const QString &source : sources) {
            forEachTextLine(source, [&](const QString &line) {
                widest = std::max(widest, drawMetrics.horizontalAdvance(drawnText(line)));
                return true;
            });
        }
        box.setWidth(widest * kMmPerLayoutUnit);
    }
    if (!label.transparent())
        page.items.push_back(FilledBox {label.name(), box, QColor(Qt::white), false});

    const QColor color = label.font().color;
    const double spaceWidthMm = drawMetrics.horizontalAdvance(QLatin1Char(' ')) * kMmPerLayoutUnit;
    const double lastBottomMm = box.bottom() + kLineOverflowToleranceMm + kEpsilonMm;
    int lineNumber = 0;
    auto place = [&](const QString &line) {
        const double top = box.top() + lineNumber * lineHeightMm;
        if (top + lineHeightMm > lastBottomMm)
            return false;
        ++lineNumber;
        if (!color.isValid() || line.isEmpty())
            return true; // the line takes its room but leaves no mark
        const QString &text = line;
        const double width = drawMetrics.horizontalAdvance(text) * kMmPerLayoutUnit;
        double left = box.left();
        switch (label.alignment()) {
        case TAlignment::taLeftJustify:
            break;
        case TAlignment::taRightJustify:
            left = box.right() - width - (label.font().italic ? spaceWidthMm : 0.0);
            break;
        case TAlignment::taCenter:
            left = box.left() + (box.width() - width) / 2;
            break;
        }
        page.items.push_back(TextRun {label.name(), text, fonts.draw, color,
                                      QRectF(left, top, width, lineHeightMm), top + ascentMm});
        return true;
    };

    const LineFitter fitter(drawMetrics, box.width() / kMmPerLayoutUnit, label.wordWrap(),
                            !label.autoSize());
    for (const QString &source : sources) {
        const bool goOn = forEachTextLine(
            source, [&](const QString &line) { return fitter.fitLine(drawnText(line), place); });
        if (!goOn)
            return;
    }
}

} // namespace

LaidOutPage layOutPage(const QSizeF &paperMm, const std::vector<const TQRElement *> &drawOrder)
{
    LaidOutPage page;
    page.paperMm = paperMm;
    for (const TQRElement *element : drawOrder) {
        if (!element->enabled())
            continue;
        if (const auto *shape = dynamic_cast<const TQRShape *>(element))
            layOutShape(*shape, page);
        else if (const auto *text = dynamic_cast<const TQRCustomLabel *>(element))
            layOutText(*text, page);
        else if (const auto *image = dynamic_cast<const TQRImage *>(element))
            layOutImage(*image, page);
    }
    return page;
}
