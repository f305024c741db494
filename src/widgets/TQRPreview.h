#pragma once

#include <QAbstractScrollArea>
#include <QSizeF>
#include <functional>

// A scrollable view of one page at a zoom in per cent. At 100 the sheet shows at its real
// size at 96 dots per inch; it stands white with a one-pixel black edge and a two-pixel black
// shadow on a grey ground, centred when smaller than the view. Each repaint draws only the
// part of the page that is visible, so a page at 2000 % costs no more memory than at 100 %.
class TQRPreview : public QAbstractScrollArea
{
    Q_OBJECT

public:
    // Draws the page. The painter's origin is the sheet's top-left corner, its unit one
    // device pixel, and its clip the visible part of the sheet.
    using PagePainter = std::function<void(QPainter &painter, double dotsPerMm)>;

    static constexpr int kMinZoom = 2;
    static constexpr int kMaxZoom = 2000;
    static constexpr double kScreenDpi = 96.0;
    static constexpr int kMargin = 10; // grey border around the page, pixels

    explicit TQRPreview(QWidget *parent = nullptr);

    int zoom() const { return zoom_; }
    // Takes zooms from 2 to 2000 and scrolls back to the top-left corner; ignores others.
    void setZoom(int percent);

    // Shows a page of the given size in millimetres, dropping the one shown before.
    void showPage(QSizeF sizeMm, PagePainter painter);
    void clearPage();
    bool hasPage() const { return static_cast<bool>(painter_); }
    QSizeF pageSizeMm() const { return sizeMm_; }

    // The sheet's size in pixels at the current zoom (794 x 1123 for A4 at 100 %).
    QSize pageSizePixels() const;
    // Where the sheet stands in the viewport now, edge and shadow not included.
    QRect pageRect() const;
    double dotsPerMm() const;

    // Paints the viewport's rectangle `area` as a repaint of the view does.
    void paintArea(QPainter &painter, const QRect &area) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void updateScrollBars();
    QSize contentSize() const;

    int zoom_ = 100;
    QSizeF sizeMm_ {210.0, 297.0};
    PagePainter painter_;
};
