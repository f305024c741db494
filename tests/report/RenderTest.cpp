#include "ImagePicture.h"
#include "PageOutput.h"
#include "ReportTestSupport.h"
#include "ReportUnits.h"

#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

namespace {

// Checks on rendered pixels, where the picture itself is the point. 300 dpi: 11.81 dots/mm.
constexpr double kDpi = 300;

int dot(double mm)
{
    return int(std::lround(mm * dotsPerMm(kDpi)));
}

bool isBlack(const QImage &image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 64;
}

bool isWhite(const QImage &image, int x, int y)
{
    return image.pixel(x, y) == qRgb(255, 255, 255);
}

QString runTool(const char *program, const QStringList &arguments)
{
    QProcess process;
    process.start(QString::fromLocal8Bit(program), arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QStringLiteral("<%1 failed>").arg(QString::fromLocal8Bit(program));
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

TEST(RenderedPage, TemplateFolderShowsOnlyItsOutlineAt30And150Mm)
{
    TQuickReport2 form; // not run: the template's own settings
    const QImage image = renderPageImage(layOutPage(form.page().sheetMm(), form.drawOrder()), kDpi);
    const int row = dot(120); // below the folder's texts
    EXPECT_TRUE(isBlack(image, dot(30), row));
    EXPECT_TRUE(isWhite(image, dot(30) - 1, row));
    EXPECT_TRUE(isWhite(image, dot(30) + 1, row));
    EXPECT_TRUE(isBlack(image, dot(150) - 1, row)); // the last dot inside the box
    EXPECT_TRUE(isWhite(image, dot(150), row));
    EXPECT_TRUE(isWhite(image, dot(150) - 2, row));
    EXPECT_TRUE(isBlack(image, dot(90), dot(20)));
    EXPECT_TRUE(isBlack(image, dot(90), dot(140) - 1));
    // The case panel is white with an outline; the strips are solid black.
    EXPECT_TRUE(isWhite(image, dot(100), dot(250)));
    EXPECT_TRUE(isBlack(image, dot(33), dot(266)));
}

TEST(RenderedPage, SpineStripsHaveNoOutline)
{
    DesignFields design;
    design.sideBackground = clWhite;
    const QImage image = renderPageImage(composedPage(design), kDpi);
    const int row = dot(266); // below the side titles
    EXPECT_TRUE(isWhite(image, dot(30), row));
    EXPECT_TRUE(isWhite(image, dot(180) - 1, row));
    EXPECT_TRUE(isBlack(image, dot(36), row));
    EXPECT_TRUE(isBlack(image, dot(174) - 1, row));

    design.sideBackground = clRed;
    const QImage red = renderPageImage(composedPage(design), kDpi);
    for (int x : {dot(30), dot(33), dot(36) - 1, dot(174), dot(180) - 1})
        EXPECT_EQ(red.pixel(x, row), qRgb(255, 0, 0)) << x;
    EXPECT_TRUE(isWhite(red, dot(30) - 1, row));
    EXPECT_TRUE(isWhite(red, dot(180), row));
}

TEST(RenderedPage, PictureIsStretchedIntoItsSquareWithoutSmoothing)
{
    QImage picture(2, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(255, 0, 0));
    picture.setPixel(1, 0, qRgb(0, 0, 255));
    DesignFields design;
    design.picture = std::make_shared<ImagePicture>(picture);
    design.imagePlacement = ImagePlacement::FolderOnly;
    const QImage image = renderPageImage(composedPage(design), kDpi);

    const int left = dot(68.79), right = dot(68.79 + 45) - 1;
    const int top = dot(90), bottom = dot(135) - 1;
    EXPECT_EQ(image.pixel(left, top), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(left, bottom), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(right, top), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(right, bottom), qRgb(0, 0, 255));
    EXPECT_NE(image.pixel(left - 1, top + 10), qRgb(255, 0, 0));
    EXPECT_NE(image.pixel(right + 1, top + 10), qRgb(0, 0, 255));
    EXPECT_NE(image.pixel(left + 10, bottom + 1), qRgb(255, 0, 0));
    int red = 0, blue = 0;
    for (int x = left; x <= right; ++x) {
        const QRgb pixel = image.pixel(x, (top + bottom) / 2);
        ASSERT_TRUE(pixel == qRgb(255, 0, 0) || pixel == qRgb(0, 0, 255)) << "blended at " << x;
        (pixel == qRgb(255, 0, 0) ? red : blue) += 1;
    }
    EXPECT_LE(std::abs(red - blue), 1);
}

// An 18-point title must be 18 points on paper at every resolution: the cap height of
// Liberation Sans Bold is 0.688 em, 4.37 mm at 18 points.
constexpr double kCapHeightMm = 18 * 0.688 * kMmPerPoint;

LaidOutPage capitalsPage()
{
    static TQRLabel label(QStringLiteral("Title"), QRectF(20, 20, 150, 20));
    TQRFont font;
    font.size = 18;
    font.bold = true;
    label.setFont(font);
    label.setTransparent(true);
    label.setText(QStringLiteral("HHHH"));
    return pageOf(label);
}

class PointSize : public testing::TestWithParam<int>
{
};

TEST_P(PointSize, EighteenPointsAtEveryResolution)
{
    const int dpi = GetParam();
    const QImage image = renderPageImage(capitalsPage(), dpi);
    const double perMm = dotsPerMm(dpi);
    const QRect ink = inkBox(image, QRect(0, 0, int(60 * perMm), int(45 * perMm)));
    EXPECT_NEAR(ink.height(), kCapHeightMm * perMm, 1.0 + 0.01 * kCapHeightMm * perMm);
}

INSTANTIATE_TEST_SUITE_P(Dpi, PointSize, testing::Values(96, 300, 600),
                         [](const auto &info) { return "dpi_" + std::to_string(info.param); });

TEST(PdfExport, EighteenPointsEmbeddedFontsSelectableText)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
    writePdf(pdf, capitalsPage());
    runTool(CDV_PDFTOPPM,
            {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-png"),
             QStringLiteral("-singlefile"), pdf, dir.filePath(QStringLiteral("page"))});
    const QImage image(dir.filePath(QStringLiteral("page.png")));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), 2480); // A4 at 300 dpi
    const double perMm = dotsPerMm(300);
    const QRect ink = inkBox(image, QRect(0, 0, int(60 * perMm), int(45 * perMm)));
    EXPECT_NEAR(ink.height(), kCapHeightMm * perMm, 1.5);
    EXPECT_NEAR(ink.left(), 20 * perMm, 6); // the H's side bearing

    const QString fonts = runTool(CDV_PDFFONTS, {pdf});
    EXPECT_TRUE(fonts.contains(QStringLiteral("LiberationSans-Bold"))) << fonts.toStdString();
    const QStringList rows = fonts.split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2);
    EXPECT_FALSE(rows.isEmpty());
    for (const QString &row : rows) {
        const QStringList columns = row.simplified().split(QLatin1Char(' '));
        ASSERT_GE(columns.size(), 5);
        EXPECT_EQ(columns[columns.size() - 5], QStringLiteral("yes"))
            << "not embedded: " << row.toStdString();
    }
    EXPECT_TRUE(
        runTool(CDV_PDFTOTEXT, {pdf, QStringLiteral("-")}).contains(QStringLiteral("HHHH")));
}

TEST(PdfExport, PicturesStayLosslessAndUnsmoothed)
{
    QImage picture(64, 48, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x * 4, y * 5, (x * y) % 256));
    DesignFields design;
    design.picture = std::make_shared<ImagePicture>(picture);
    design.imagePlacement = ImagePlacement::Both;
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
    writePdf(pdf, composedPage(design));
    const QStringList lines
        = runTool(CDV_PDFIMAGES, {QStringLiteral("-list"), pdf}).split(QLatin1Char('\n'));
    int images = 0;
    for (const QString &line : lines.mid(2)) {
        const QStringList columns = line.simplified().split(QLatin1Char(' '));
        if (columns.size() < 10)
            continue;
        ++images;
        EXPECT_EQ(columns[3], QStringLiteral("64"));
        EXPECT_NE(columns[8], QStringLiteral("jpeg")) << line.toStdString();
        EXPECT_EQ(columns[9], QStringLiteral("no")) << "interpolated: " << line.toStdString();
    }
    EXPECT_GE(images, 1);
}

TEST(PdfExport, UnwritablePathSaysWhy)
{
    try {
        writePdf(QStringLiteral("/nonexistent-folder/page.pdf"), capitalsPage());
        FAIL() << "no error";
    } catch (const std::runtime_error &error) {
        EXPECT_STREQ(error.what(), "Unable to write to /nonexistent-folder/page.pdf");
    }
}

// A preview paints only the part it shows: painting an exposed part must give the same
// pixels there as painting the whole page.
class ExposedPart : public testing::TestWithParam<double>
{
};

TEST_P(ExposedPart, PaintsTheSamePixelsAsTheWholePage)
{
    const double zoom = GetParam();
    DesignFields design;
    design.title = "Exposed";
    design.contents = {"first line", "second line"};
    const LaidOutPage page = composedPage(design);
    const PageMapping mapping = PageMapping::forDevice(96, 96, zoom);
    // A window onto the start of the folder's title, as a scrolled preview has.
    const auto title = page.textRuns(QStringLiteral("QRLabel1"));
    ASSERT_EQ(title.size(), 1u);
    const QPointF corner = mapping.map(title[0]->lineMm.topLeft() + QPointF(0.2, 1.5));
    const QRectF window(corner, QSizeF(300, 200));
    auto paint = [&](const QRectF &exposed) {
        QImage image(300, 200, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.translate(-corner);
        paintPage(painter, page, mapping, exposed);
        return image;
    };
    const QImage part = paint(window);
    EXPECT_EQ(part, paint(QRectF()));
    EXPECT_FALSE(inkBox(part, part.rect()).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Zooms, ExposedPart, testing::Values(10.0, 100.0, 2000.0),
                         [](const auto &info) {
                             return "zoom_" + std::to_string(int(info.param));
                         });

} // namespace
