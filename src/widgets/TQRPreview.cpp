#include "TQRPreview.h"

#include "PagePainter.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <cmath>
#include <utility>

namespace {

constexpr double kMmPerInch = 25.4;
// Edge one pixel all round, shadow two pixels right and bottom.
constexpr int kEdge = 1;
constexpr int kShadow = 2;
const QColor kGround(128, 128, 128);

} // namespace

TQRPreview::TQRPreview(QWidget *parent)
    : QAbstractScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    viewport()->setAutoFillBackground(false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    horizontalScrollBar()->setTracking(true);
    verticalScrollBar()->setTracking(true);
    updateScrollBars();
}

void TQRPreview::setZoom(int percent)
{
    if (percent < kMinZoom || percent > kMaxZoom)
        return;
    zoom_ = percent;
    updateScrollBars();
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    viewport()->update();
}

TQRPreview::~TQRPreview()
{
    if (pages_)
        pages_->setChangedHandler(nullptr);
}

void TQRPreview::attachPageSet(std::shared_ptr<TQRPageSet> pages)
{
    if (pages_)
        pages_->setChangedHandler(nullptr);
    pages_ = std::move(pages);
    if (pages_)
        pages_->setChangedHandler([this] { pageSetChanged(); });
    pageSetChanged();
}

const LaidOutPage *TQRPreview::shownPage() const
{
    return pages_ && pages_->complete() ? pages_->page(PageNumber) : nullptr;
}

void TQRPreview::pageSetChanged()
{
    if (const LaidOutPage *page = shownPage())
        sizeMm_ = page->paperMm;
    updateScrollBars();
    viewport()->update();
}

// The size at 100 % is rounded to whole pixels first and then scaled, so that every zoom
// is an exact multiple of it (A4 at 2000 %: 15 880 x 22 460).
QSize TQRPreview::pageSizePixels() const
{
    const auto scaled = [this](double mm) {
        const double at100 = std::round(mm * kScreenDpi / kMmPerInch);
        return static_cast<int>(std::lround(at100 * zoom_ / 100.0));
    };
    return {scaled(sizeMm_.width()), scaled(sizeMm_.height())};
}

QSize TQRPreview::contentSize() const
{
    const QSize page = pageSizePixels();
    return {page.width() + 2 * kEdge + kShadow + 2 * kMargin,
            page.height() + 2 * kEdge + kShadow + 2 * kMargin};
}

QRect TQRPreview::pageRect() const
{
    const QSize content = contentSize();
    const QSize view = viewport()->size();
    const int x = content.width() < view.width() ? (view.width() - content.width()) / 2
                                                 : -horizontalScrollBar()->value();
    const int y = content.height() < view.height() ? (view.height() - content.height()) / 2
                                                   : -verticalScrollBar()->value();
    return {QPoint(x + kMargin + kEdge, y + kMargin + kEdge), pageSizePixels()};
}

void TQRPreview::updateScrollBars()
{
    const QSize content = contentSize();
    const QSize view = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, content.width() - view.width()));
    horizontalScrollBar()->setPageStep(view.width());
    horizontalScrollBar()->setSingleStep(20);
    verticalScrollBar()->setRange(0, std::max(0, content.height() - view.height()));
    verticalScrollBar()->setPageStep(view.height());
    verticalScrollBar()->setSingleStep(20);
}

void TQRPreview::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void TQRPreview::scrollContentsBy(int, int)
{
    viewport()->update();
}

void TQRPreview::paintEvent(QPaintEvent *event)
{
    QPainter painter(viewport());
    paintArea(painter, event->rect());
}

void TQRPreview::paintArea(QPainter &painter, const QRect &area) const
{
    const QRect page = pageRect();
    const QRect edge = page.adjusted(-kEdge, -kEdge, kEdge, kEdge);

    // The ground around the page, in up to four bands, so the page itself is drawn once.
    const QRegion ground = QRegion(area) - QRegion(edge);
    for (const QRect &r : ground)
        painter.fillRect(r, kGround);

    painter.fillRect(QRect(edge.left(), edge.top(), edge.width(), kEdge) & area, Qt::black);
    painter.fillRect(QRect(edge.left(), page.bottom() + 1, edge.width(), kEdge) & area, Qt::black);
    painter.fillRect(QRect(edge.left(), page.top(), kEdge, page.height()) & area, Qt::black);
    painter.fillRect(QRect(page.right() + 1, page.top(), kEdge, page.height()) & area, Qt::black);
    painter.fillRect(QRect(edge.right() + 1, edge.top() + kShadow, kShadow, edge.height()) & area,
                     Qt::black);
    painter.fillRect(QRect(edge.left() + kShadow, edge.bottom() + 1, edge.width(), kShadow) & area,
                     Qt::black);

    const QRect visible = page & area;
    if (visible.isEmpty())
        return;
    painter.fillRect(visible, Qt::white);
    const LaidOutPage *shown = shownPage();
    if (!shown)
        return;
    // The sheet's millimetres spread over its whole pixels, so the page fills its rectangle
    // exactly at every zoom.
    PageMapping mapping;
    mapping.dotsPerMmX = page.width() / sizeMm_.width();
    mapping.dotsPerMmY = page.height() / sizeMm_.height();
    mapping.origin = page.topLeft();
    painter.save();
    painter.setClipRect(visible);
    paintPage(painter, *shown, mapping, QRectF(visible));
    painter.restore();
}
