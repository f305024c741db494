#include "TQRPreview.h"

#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace {

struct ZoomCase
{
    std::string name;
    int start;
    int step; // added per click
    int clicks;
    int expected;
};

class ZoomSteps : public testing::TestWithParam<ZoomCase>
{
};

TEST_P(ZoomSteps, KeepsZoomWithinBounds)
{
    const ZoomCase &c = GetParam();
    TQRPreview preview;
    preview.setZoom(c.start);
    for (int i = 0; i < c.clicks; ++i)
        preview.setZoom(preview.zoom() + c.step);
    EXPECT_EQ(preview.zoom(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    TQRPreview, ZoomSteps,
    testing::Values(ZoomCase {"nine_zoom_outs_from_100_give_10", 100, -10, 9, 10},
                    ZoomCase {"tenth_zoom_out_leaves_10", 100, -10, 10, 10},
                    ZoomCase {"zoom_in_from_1990_gives_2000", 1990, 10, 1, 2000},
                    ZoomCase {"zoom_in_past_2000_leaves_2000", 1990, 10, 2, 2000},
                    ZoomCase {"lowest_accepted_is_2", 100, -98, 1, 2},
                    ZoomCase {"1_is_ignored", 100, -99, 1, 100},
                    ZoomCase {"0_is_ignored", 100, -100, 1, 100},
                    ZoomCase {"negative_is_ignored", 100, -200, 1, 100},
                    ZoomCase {"2001_is_ignored", 2000, 1, 1, 2000}),
    [](const testing::TestParamInfo<ZoomCase> &info) { return info.param.name; });

struct SizeCase
{
    std::string name;
    QSizeF sheetMm;
    int zoom;
    QSize expectedPixels;
};

class SheetSizes : public testing::TestWithParam<SizeCase>
{
};

// A complete page set with one page of the given sheet and the given items.
std::shared_ptr<TQRPageSet> pageSetOf(QSizeF sheetMm, std::vector<PageItem> items = {})
{
    auto pages = std::make_shared<TQRPageSet>();
    LaidOutPage page;
    page.paperMm = sheetMm;
    page.items = std::move(items);
    pages->addPage(std::move(page));
    pages->setComplete();
    return pages;
}

TEST_P(SheetSizes, RealSizeAt96DpiTimesZoom)
{
    const SizeCase &c = GetParam();
    TQRPreview preview;
    preview.attachPageSet(pageSetOf(c.sheetMm));
    preview.setZoom(c.zoom);
    EXPECT_EQ(preview.pageSizePixels(), c.expectedPixels);
}

INSTANTIATE_TEST_SUITE_P(
    TQRPreview, SheetSizes,
    testing::Values(SizeCase {"a4_at_100", {210, 297}, 100, {794, 1123}},
                    SizeCase {"a4_at_2000", {210, 297}, 2000, {15880, 22460}},
                    SizeCase {"a4_at_50", {210, 297}, 50, {397, 562}},
                    SizeCase {"a4_landscape_at_100", {297, 210}, 100, {1123, 794}},
                    SizeCase {"a4_at_2", {210, 297}, 2, {16, 22}}),
    [](const testing::TestParamInfo<SizeCase> &info) { return info.param.name; });

class PreviewView : public testing::Test
{
protected:
    void SetUp() override
    {
        preview_.resize(1000, 800);
        preview_.show();
        // A red 10 mm square at (100 mm, 150 mm).
        preview_.attachPageSet(pageSetOf(
            {210, 297}, {FilledBox {"Red", QRectF(100, 150, 10, 10), QColor(Qt::red), false}}));
    }

    QImage paintAll()
    {
        QImage image(preview_.viewport()->size(), QImage::Format_RGB32);
        image.fill(Qt::magenta);
        QPainter p(&image);
        preview_.paintArea(p, image.rect());
        return image;
    }

    TQRPreview preview_;
};

TEST_F(PreviewView, SmallPageStandsCentred)
{
    preview_.setZoom(50);
    const QRect page = preview_.pageRect();
    const QSize view = preview_.viewport()->size();
    // Edge and margin on the left and top; edge, shadow and margin on the right and bottom.
    EXPECT_LE(std::abs((page.left() - 1) - (view.width() - page.right() - 1 - 3)), 1);
    EXPECT_LE(std::abs((page.top() - 1) - (view.height() - page.bottom() - 1 - 3)), 1);
    EXPECT_EQ(preview_.horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(preview_.verticalScrollBar()->maximum(), 0);
}

TEST_F(PreviewView, LargePageStartsTopLeftAndEveryAcceptedZoomScrollsBack)
{
    preview_.setZoom(400);
    EXPECT_GT(preview_.horizontalScrollBar()->maximum(), 0);
    EXPECT_GT(preview_.verticalScrollBar()->maximum(), 0);
    const QPoint topLeft(TQRPreview::kMargin + 1, TQRPreview::kMargin + 1);
    EXPECT_EQ(preview_.pageRect().topLeft(), topLeft);

    preview_.horizontalScrollBar()->setValue(500);
    preview_.verticalScrollBar()->setValue(700);
    EXPECT_EQ(preview_.pageRect().topLeft(), topLeft - QPoint(500, 700));

    preview_.setZoom(5000); // ignored: stays where it is
    EXPECT_EQ(preview_.horizontalScrollBar()->value(), 500);
    EXPECT_EQ(preview_.verticalScrollBar()->value(), 700);

    preview_.setZoom(410);
    EXPECT_EQ(preview_.horizontalScrollBar()->value(), 0);
    EXPECT_EQ(preview_.verticalScrollBar()->value(), 0);
}

TEST_F(PreviewView, WhitePageWithBlackEdgeAndShadowOnGrey)
{
    preview_.setZoom(50);
    const QImage image = paintAll();
    const QRect page = preview_.pageRect();
    const int midY = page.top() + 20;
    const int midX = page.left() + 20;
    EXPECT_EQ(image.pixelColor(page.left() + 5, page.top() + 5), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(page.left() - 1, midY), QColor(Qt::black)); // edge
    EXPECT_EQ(image.pixelColor(page.right() + 1, midY), QColor(Qt::black)); // edge
    EXPECT_EQ(image.pixelColor(page.right() + 2, midY), QColor(Qt::black)); // shadow
    EXPECT_EQ(image.pixelColor(page.right() + 3, midY), QColor(Qt::black)); // shadow
    EXPECT_NE(image.pixelColor(page.right() + 4, midY), QColor(Qt::black)); // ground
    EXPECT_NE(image.pixelColor(page.left() - 2, midY), QColor(Qt::black)); // no shadow left
    EXPECT_EQ(image.pixelColor(midX, page.bottom() + 3), QColor(Qt::black));
    EXPECT_NE(image.pixelColor(midX, page.top() - 2), QColor(Qt::black)); // no shadow on top
    EXPECT_EQ(image.pixelColor(2, 2), image.pixelColor(image.width() - 2, image.height() - 2));
    EXPECT_NE(image.pixelColor(2, 2), QColor(Qt::magenta)); // every pixel painted
}

// At 2000 % the sheet is 15 880 x 22 460 pixels; the view paints its own window onto it.
TEST_F(PreviewView, HighZoomShowsThePageAtItsScrollPosition)
{
    preview_.setZoom(2000);
    preview_.horizontalScrollBar()->setValue(7500);
    preview_.verticalScrollBar()->setValue(11300);
    const QImage image = paintAll();
    const QRect page = preview_.pageRect();
    const double dotsPerMm = 15880.0 / 210.0;
    const QPoint squareTopLeft = page.topLeft()
        + QPoint(int(std::lround(100 * dotsPerMm)), int(std::lround(150 * dotsPerMm)));
    ASSERT_TRUE(image.rect().contains(squareTopLeft + QPoint(40, 40)));
    EXPECT_EQ(image.pixelColor(squareTopLeft + QPoint(2, 2)), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(squareTopLeft + QPoint(700, 700)), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(squareTopLeft - QPoint(2, 2)), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(squareTopLeft + QPoint(770, 10)), QColor(Qt::white));
}

TEST_F(PreviewView, ShowsANewPageSetOnceItsPageIsComplete)
{
    auto first = preview_.pageSet();
    auto pages = std::make_shared<TQRPageSet>();
    preview_.attachPageSet(pages);
    EXPECT_EQ(preview_.pageSet(), pages);
    EXPECT_EQ(preview_.shownPage(), nullptr);
    EXPECT_EQ(paintAll().pixelColor(preview_.pageRect().center()), QColor(Qt::white));

    LaidOutPage landscape;
    landscape.paperMm = QSizeF(297, 210);
    pages->addPage(landscape);
    EXPECT_EQ(preview_.shownPage(), nullptr);
    pages->setComplete();
    ASSERT_NE(preview_.shownPage(), nullptr);
    EXPECT_EQ(preview_.pageSizePixels(), QSize(1123, 794));

    // The page set shown before is let go: the preview no longer follows it.
    first->addPage(LaidOutPage {});
    EXPECT_EQ(preview_.pageSizePixels(), QSize(1123, 794));
}

} // namespace
