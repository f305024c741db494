#pragma once

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <functional>
#include <variant>
#include <vector>

// One page after layout, as plain data: what to draw, where, in millimetres from the sheet's
// top-left corner. Painting it needs no font fitting or text breaking any more, so the same
// page can be painted at any resolution and zoom, in whole or in parts.

// The font of a text run. Family is the name asked for ("Arial" resolves through the font
// configuration); the size is in whole points.
struct FontSpec
{
    QString family;
    int pointSize = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;

    bool operator==(const FontSpec &) const = default;
};

// A filled box (a rectangle element, or the white box under a text that is not transparent).
struct FilledBox
{
    QString element;
    QRectF boxMm;
    QColor fill; // invalid: not filled
    bool outline = false; // black, one device dot wide, along the box's edges
};

// One output line of a text element.
struct TextRun
{
    QString element;
    QString text; // as drawn: breaking characters kept, symbol codes already mapped
    FontSpec font;
    QColor color;
    QRectF lineMm; // left and width of the line's text; top and height of its line
    double baselineMm = 0;
};

// A picture stretched over its box without smoothing.
struct PictureBox
{
    QString element;
    QRectF boxMm;
    QImage image;
};

using PageItem = std::variant<FilledBox, TextRun, PictureBox>;

struct LaidOutPage
{
    QSizeF paperMm {210.0, 297.0}; // width and height of the sheet as it lies
    std::vector<PageItem> items; // in drawing order

    // The text runs of one element, top to bottom.
    std::vector<const TextRun *> textRuns(const QString &element) const;
    const FilledBox *filledBox(const QString &element) const;
    const PictureBox *pictureBox(const QString &element) const;
};

// The pages of one run of a form. A preview holds it while it shows it; the run adds its
// pages and then marks it complete.
class TQRPageSet
{
public:
    int pageCount() const { return static_cast<int>(pages_.size()); }
    // Page numbers count from 1; nullptr for a page that is not there.
    const LaidOutPage *page(int number) const;
    bool complete() const { return complete_; }

    void addPage(LaidOutPage page);
    void setComplete();
    // Called after a page is added and when the set becomes complete (a preview repaints).
    void setChangedHandler(std::function<void()> handler) { changed_ = std::move(handler); }

private:
    std::vector<LaidOutPage> pages_;
    bool complete_ = false;
    std::function<void()> changed_;
};
