// Full repaints of a 1280 x 1000 preview view of the cut-out form. Every zoom should cost the
// same: the view paints only what it shows. Run with --benchmark_repetitions for the median;
// peak_rss_mb is the whole program's peak resident memory so far (zooms run in rising order).
#include "ImagePicture.h"
#include "TQRPreview.h"
#include "Unit2.h"

#include <QApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QScrollBar>
#include <benchmark/benchmark.h>
#include <memory>
#include <string>
#include <sys/resource.h>

namespace {

double peakRssMb()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
}

// A busy design: long title, a full contents list, a picture on the folder and the case.
DesignFields busyDesign()
{
    DesignFields design;
    design.title = "The Complete Night Drive Sessions, Volume Two";
    for (int i = 1; i <= 30; ++i)
        design.contents.push_back(std::to_string(i) + ". A rather long track title, part "
                                  + std::to_string(i) + " (extended mix)");
    design.folderBackground = 0x00E0F0FF;
    design.caseBackground = 0x00FFF0E0;
    QImage picture(640, 480, QImage::Format_RGB32);
    QPainter p(&picture);
    QLinearGradient gradient(0, 0, 640, 480);
    gradient.setColorAt(0, Qt::darkBlue);
    gradient.setColorAt(1, Qt::yellow);
    p.fillRect(picture.rect(), gradient);
    p.end();
    design.picture = std::make_shared<ImagePicture>(picture);
    design.imagePlacement = ImagePlacement::Both;
    return design;
}

void BM_PreviewRepaint(benchmark::State &state)
{
    static const DesignFields design = busyDesign();
    TQuickReport2 form(&design);
    TQRPreview preview;
    preview.resize(1280, 1000);
    preview.show();
    preview.attachPageSet(form.run());
    preview.setZoom(static_cast<int>(state.range(0)));
    // Look at the middle of the sheet, where the case paper's texts and picture are.
    preview.horizontalScrollBar()->setValue(preview.horizontalScrollBar()->maximum() / 2);
    preview.verticalScrollBar()->setValue(preview.verticalScrollBar()->maximum() * 2 / 3);

    QImage view(preview.viewport()->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&view);
        preview.paintArea(painter, view.rect());
        painter.end();
        benchmark::DoNotOptimize(view.constBits());
    }
    state.counters["peak_rss_mb"] = peakRssMb();
    state.counters["view_w"] = view.width();
    state.counters["view_h"] = view.height();
}
BENCHMARK(BM_PreviewRepaint)
    ->Arg(100)
    ->Arg(400)
    ->Arg(1000)
    ->Arg(2000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
