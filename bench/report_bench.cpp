#include "ImagePicture.h"
#include "PageOutput.h"
#include "PagePainter.h"
#include "Unit2.h"

#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <string>

namespace {

// A full design: 30 contents lines, a picture on both pieces.
DesignFields sampleDesign()
{
    DesignFields design;
    design.title = "The Well-Tempered Clavier, Book I";
    for (int i = 1; i <= 30; ++i)
        design.contents.push_back("Prelude and Fugue No. " + std::to_string(i) + " in a key");
    QImage picture(400, 300, QImage::Format_RGB32);
    picture.fill(QColor(200, 120, 40));
    design.picture = std::make_shared<ImagePicture>(picture);
    design.imagePlacement = ImagePlacement::Both;
    design.folderBackground = clYellow;
    return design;
}

LaidOutPage samplePage()
{
    static const DesignFields design = sampleDesign();
    TQuickReport2 form(&design);
    return *form.run()->page(1);
}

void ComposeAndLayOut(benchmark::State &state)
{
    const DesignFields design = sampleDesign();
    TQuickReport2 form(&design);
    for (auto _ : state)
        benchmark::DoNotOptimize(form.run());
}
BENCHMARK(ComposeAndLayOut)->Unit(benchmark::kMillisecond);

void PaintWholePage(benchmark::State &state)
{
    const LaidOutPage page = samplePage();
    const auto dpi = double(state.range(0));
    QImage image(int(210 / 25.4 * dpi), int(297 / 25.4 * dpi), QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        paintPage(painter, page, PageMapping::forDevice(dpi, dpi));
    }
    state.counters["dpi"] = dpi;
}
BENCHMARK(PaintWholePage)->Arg(96)->Arg(300)->Arg(600)->Unit(benchmark::kMillisecond);

// The floor under PaintWholePage: clearing the white sheet alone (139 MB at 600 dpi).
void ClearSheet(benchmark::State &state)
{
    const auto dpi = double(state.range(0));
    QImage image(int(210 / 25.4 * dpi), int(297 / 25.4 * dpi), QImage::Format_RGB32);
    for (auto _ : state)
        image.fill(Qt::white);
}
BENCHMARK(ClearSheet)->Arg(96)->Arg(300)->Arg(600)->Unit(benchmark::kMillisecond);

// A preview window of 1280 x 1024 pixels scrolled onto the folder's title.
void PreviewRepaint(benchmark::State &state)
{
    const LaidOutPage page = samplePage();
    const auto zoom = double(state.range(0));
    const PageMapping mapping = PageMapping::forDevice(96, 96, zoom);
    const QPointF corner = mapping.map(QPointF(40, 22));
    const QRectF visible(corner, QSizeF(1280, 1024));
    QImage image(1280, 1024, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.translate(-corner);
        painter.setClipRect(visible);
        paintPage(painter, page, mapping, visible);
    }
}
BENCHMARK(PreviewRepaint)->Arg(100)->Arg(2000)->Unit(benchmark::kMillisecond);

void ExportPdf(benchmark::State &state)
{
    const LaidOutPage page = samplePage();
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("page.pdf"));
    for (auto _ : state)
        writePdf(file, page);
}
BENCHMARK(ExportPdf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
