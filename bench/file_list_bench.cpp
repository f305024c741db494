// Reading a folder of 20 000 files into the file list, with and without painting the rows
// that show. Run with QT_QPA_PLATFORM=offscreen.
#include "FileListBox.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kFiles = 20000;

// 20 000 files, nine in ten of them bitmaps in mixed letter case, in one folder; an empty one.
struct Folders
{
    QTemporaryDir temp;
    QString big = temp.path() + "/big";
    QString empty = temp.path() + "/empty";
    Folders()
    {
        QDir().mkpath(big);
        QDir().mkpath(empty);
        for (int i = 0; i < kFiles; ++i) {
            const QString suffix = i % 10 == 0 ? ".txt" : i % 3 == 0 ? ".BMP" : ".bmp";
            QFile(big + QStringLiteral("/picture %1").arg(kFiles - i) + suffix)
                .open(QIODevice::WriteOnly);
        }
    }
};

Folders &folders()
{
    static Folders instance;
    return instance;
}

void BM_FileListReRead(benchmark::State &state)
{
    FileListBox list;
    list.resize(137, 153);
    const bool paint = state.range(0) != 0;
    for (auto _ : state) {
        state.PauseTiming();
        list.setDirectory(folders().empty);
        state.ResumeTiming();
        list.setDirectory(folders().big);
        if (paint)
            benchmark::DoNotOptimize(list.grab());
    }
    state.counters["rows"] = list.count();
}
BENCHMARK(BM_FileListReRead)->Arg(0)->Arg(1)->ArgNames({"paint"})->Unit(benchmark::kMillisecond);

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
