#pragma once

#include "LaidOutPage.h"

#include <QAbstractScrollArea>
#include <QSizeF>
#include <memory>

// A scrollable view of one page of a page set at a zoom in per cent. At 100 the sheet shows at
// its real size at 96 dots per inch; it stands white with a one-pixel black edge and a
// two-pixel black shadow on a grey ground, centred when smaller than the view. Each repaint
// paints only the visible part of the laid-out page, straight onto the view, so a page at
// 2000 % costs no more memory than at 100 %.
class TQRPreview : public QAbstractScrollArea
{
    Q_OBJECT

public:
    static constexpr int kMinZoom = 2;
    static constexpr int kMaxZoom = 2000;
    static constexpr double kScreenDpi = 96.0;
    static constexpr int kMargin = 10; // grey border around the page, pixels

    explicit TQRPreview(QWidget *parent = nullptr);
    ~TQRPreview() override;

    int zoom() const { return zoom_; }
    // Takes zooms from 2 to 2000 and scrolls back to the top-left corner; ignores others.
    void setZoom(int percent);

    // Lets go of the page set shown before and shows page PageNumber of this one as soon as
    // the set holds it (a run may still be filling it). nullptr shows a blank sheet.
    void attachPageSet(std::shared_ptr<TQRPageSet> pages);
    const std::shared_ptr<TQRPageSet> &pageSet() const { return pages_; }
    // The page shown now, or nullptr while there is none.
    const LaidOutPage *shownPage() const;
    // The sheet's size in millimetres: the shown page's, else the last one shown (A4 at first).
    QSizeF pageSizeMm() const { return sizeMm_; }

    int PageNumber = 1;

    // The sheet's size in pixels at the current zoom (794 x 1123 for A4 at 100 %).
    QSize pageSizePixels() const;
    // Where the sheet stands in the viewport now, edge and shadow not included.
    QRect pageRect() const;

    // Paints the viewport's rectangle `area` as a repaint of the view does.
    void paintArea(QPainter &painter, const QRect &area) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void pageSetChanged();
    void updateScrollBars();
    QSize contentSize() const;

    int zoom_ = 100;
    QSizeF sizeMm_ {210.0, 297.0};
    std::shared_ptr<TQRPageSet> pages_;
};
