#include "PagePainter.h"
#include "ReportTestSupport.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <string>

namespace {

// A zoomed view onto the sheet: the window of `viewDots` (dots at the zoom, from the
// sheet's corner) painted once with everything and once with only what meets the view.
struct ViewCase
{
    std::string name;
    double zoomPercent;
    QRect viewDots;
};

class ExposedPaint : public testing::TestWithParam<ViewCase>
{
};

QImage paintView(const LaidOutPage &page, const ViewCase &c, bool onlyExposed)
{
    QImage image(c.viewDots.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    const PageMapping mapping
        = PageMapping::forDevice(96, 96, c.zoomPercent, {}, -QPointF(c.viewDots.topLeft()));
    paintPage(painter, page, mapping, onlyExposed ? QRectF(image.rect()) : QRectF());
    return image;
}

// Only the glyphs near the view are drawn at a high zoom; what shows must not change.
TEST_P(ExposedPaint, ViewLooksTheSameAsTheWholePageThere)
{
    DesignFields design;
    design.title = "Wavelengths of a Long Night";
    design.contents = {"1. Overture in a minor key, extended", "2. Underlined and italic",
                       "3. AVAWAY kerning pairs To Ty Yo"};
    design.style(TextSlot::FolderContents).underline = true;
    design.style(TextSlot::FolderContents).italic = true;
    design.style(TextSlot::FolderContents).size = 14;
    const LaidOutPage page = composedPage(design);

    const QImage whole = paintView(page, GetParam(), false);
    const QImage exposed = paintView(page, GetParam(), true);
    int differing = 0;
    for (int y = 0; y < whole.height(); ++y)
        for (int x = 0; x < whole.width(); ++x)
            differing += whole.pixel(x, y) != exposed.pixel(x, y);
    EXPECT_EQ(differing, 0);

    EXPECT_NE(inkBox(whole, whole.rect()), QRect()) << "the view should show some text";
}

// Views onto the folder title (about 31 to 148 mm across, 24 to 35 mm down), the first
// folder contents lines (from 42 mm down, underlined) and the case contents (from 167 mm
// down, plain), cutting through lines at both ends and between words.
INSTANTIATE_TEST_SUITE_P(
    PagePainter, ExposedPaint,
    testing::Values(ViewCase {"title_at_100", 100, QRect(200, 80, 200, 60)},
                    ViewCase {"title_middle_at_1000", 1000, QRect(3000, 1000, 600, 300)},
                    ViewCase {"contents_left_end_at_1000", 1000, QRect(1800, 1600, 500, 400)},
                    ViewCase {"contents_middle_at_2000", 2000, QRect(6000, 3300, 500, 300)},
                    ViewCase {"contents_right_end_at_2000", 2000, QRect(9200, 3300, 500, 300)},
                    ViewCase {"case_contents_at_1000", 1000, QRect(3200, 6330, 900, 400)},
                    ViewCase {"case_contents_at_2000", 2000, QRect(6600, 12650, 900, 500)}),
    [](const testing::TestParamInfo<ViewCase> &info) { return info.param.name; });

} // namespace
