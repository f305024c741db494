#include "PageOutput.h"

#include "ReportUnits.h"

#include <QBuffer>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <cmath>
#include <stdexcept>

namespace {

[[noreturn]] void failWrite(const QString &fileName)
{
    throw std::runtime_error(QStringLiteral("Unable to write to %1").arg(fileName).toStdString());
}

QPageLayout::Orientation orientationOf(const QSizeF &sheetMm)
{
    return sheetMm.width() > sheetMm.height() ? QPageLayout::Landscape : QPageLayout::Portrait;
}

// The paper of a page as its portrait size and orientation.
QPageSize paperSizeOf(const LaidOutPage &page)
{
    const QSizeF portraitMm = orientationOf(page.paperMm) == QPageLayout::Landscape
        ? page.paperMm.transposed()
        : page.paperMm;
    return QPageSize(portraitMm, QPageSize::Millimeter, QString(),
        QPageSize::FuzzyOrientationMatch);
}

QSize pixelSize(const QSizeF &mm, double dotsPerInch)
{
    return QSize(int(std::lround(mm.width() * dotsPerMm(dotsPerInch))),
                 int(std::lround(mm.height() * dotsPerMm(dotsPerInch))));
}

} // namespace

void paintPages(QPagedPaintDevice &device, const TQRPageSet &pages,
                const PageCorrection &correction, const std::function<bool(int)> &include)
{
    QPainter painter;
    for (int number = 1; number <= pages.pageCount(); ++number) {
        if (include && !include(number))
            continue;
        const LaidOutPage &page = *pages.page(number);
        // Size and orientation only: a printer refuses margins below its own minimum, and the
        // painter starts at the paper's corner anyway.
        device.setPageSize(paperSizeOf(page));
        device.setPageOrientation(orientationOf(page.paperMm));
        if (!painter.isActive()) {
            if (!painter.begin(&device))
                throw std::runtime_error("The printer could not be started.");
        } else if (!device.newPage()) {
            throw std::runtime_error("The printer could not start a new page.");
        }
        paintPage(
            painter, page,
            PageMapping::forDevice(device.logicalDpiX(), device.logicalDpiY(), 100, correction));
    }
    if (painter.isActive() && !painter.end())
        throw std::runtime_error("The printer could not finish the page.");
}

QImage renderPageImage(const LaidOutPage &page, double dotsPerInch,
                       const PageCorrection &correction)
{
    QImage image(pixelSize(page.paperMm, dotsPerInch), QImage::Format_RGB32);
    if (image.isNull())
        throw std::runtime_error("Not enough memory for the page image.");
    const int dotsPerMeter = int(std::lround(dotsPerInch / kMmPerInch * 1000));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintPage(painter, page, PageMapping::forDevice(dotsPerInch, dotsPerInch, 100, correction));
    return image;
}

void writePdf(const QString &fileName, const LaidOutPage &page, const PageCorrection &correction)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        failWrite(fileName);
    {
        QPdfWriter writer(&file);
        writer.setCreator(QStringLiteral("CD Vennix Designer"));
        writer.setTitle(QStringLiteral("CD Vennix Designer cut out form"));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        TQRPageSet pages;
        pages.addPage(page);
        paintPages(writer, pages, correction);
    }
    if (!file.commit())
        failWrite(fileName);
}

void writePng(const QString &fileName, const LaidOutPage &page, double dotsPerInch,
              const PageCorrection &correction)
{
    const QImage image = renderPageImage(page, dotsPerInch, correction);
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit())
        failWrite(fileName);
}

void writeSvg(const QString &fileName, const LaidOutPage &page, const PageCorrection &correction,
              double dotsPerInch)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        failWrite(fileName);
    {
        const QSize size = pixelSize(page.paperMm, dotsPerInch);
        QSvgGenerator generator;
        generator.setOutputDevice(&file);
        generator.setResolution(int(std::lround(dotsPerInch)));
        generator.setSize(size);
        generator.setViewBox(QRect(QPoint(0, 0), size));
        generator.setTitle(QStringLiteral("CD Vennix Designer cut out form"));
        QPainter painter;
        if (!painter.begin(&generator))
            failWrite(fileName);
        paintPage(painter, page, PageMapping::forDevice(dotsPerInch, dotsPerInch, 100, correction));
        painter.end();
    }
    if (!file.commit())
        failWrite(fileName);
}
