// The program under load: a design with 100 000 contents lines, a 2000-character title and a
// 200 MB bitmap on the folder and the case paper, taken through what a user does with it in
// the program's own windows: open, look at each page, type in the title and the contents,
// preview at 2000 % and look around, save. Every step runs on the window thread, so its wall
// time is how long the window stays frozen. Prints one line per step with its wall and CPU
// time and the program's peak memory so far.
//
// usage: bench_load [FOLDER]   (the design and the bitmap are written there; default: a
//                               temporary folder, removed at the end)
#include "ApplicationSetup.h"
#include "DesignFile.h"
#include "FileCommands.h"
#include "TQRPreview.h"
#include "Unit1.h"
#include "Unit4.h"
#include "WrappingMemo.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <cstdio>
#include <ctime>
#include <functional>
#include <string>
#include <sys/resource.h>

namespace {

constexpr int kSide = 8192; // 8192 x 8192 at 24 bits: 201 326 646 bytes

double peakRssMb()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

double cpuMs()
{
    timespec t {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

void put32(QByteArray &b, int at, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = char(v >> (8 * i));
}

// A bottom-up 24-bit bitmap with a colour gradient, written row by row.
bool writeBitmap(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const int stride = kSide * 3;
    QByteArray header(54, '\0');
    header[0] = 'B';
    header[1] = 'M';
    put32(header, 2, quint32(54 + qint64(stride) * kSide));
    put32(header, 10, 54);
    put32(header, 14, 40);
    put32(header, 18, kSide);
    put32(header, 22, kSide);
    header[26] = 1;
    header[28] = 24;
    put32(header, 34, quint32(qint64(stride) * kSide));
    file.write(header);
    QByteArray row(stride, '\0');
    for (int y = 0; y < kSide; ++y) {
        for (qsizetype x = 0; x < kSide; ++x) {
            row[3 * x] = char(x * 255 / kSide);
            row[3 * x + 1] = char(y * 255 / kSide);
            row[3 * x + 2] = char(((x ^ y) >> 5) & 0xFF);
        }
        if (file.write(row) != stride)
            return false;
    }
    return file.flush();
}

class LoadUi : public FileCommandUi
{
public:
    std::string path;
    SaveFirstAnswer askSaveFirst() override { return SaveFirstAnswer::No; }
    std::optional<std::string> chooseFileToOpen() override { return path; }
    std::optional<std::string> chooseFileToSave() override { return path; }
    void showMessage(const std::string &text) override
    {
        std::fprintf(stderr, "message: %s\n", text.c_str());
    }
};

double worstMs = 0;

// Runs one step with the events it leaves behind (repaints, deferred layouts) and prints it.
void step(const char *name, const std::function<void()> &body)
{
    QElapsedTimer wall;
    const double cpu0 = cpuMs();
    wall.start();
    body();
    QApplication::processEvents();
    const double ms = double(wall.nsecsElapsed()) / 1e6;
    worstMs = std::max(worstMs, ms);
    std::printf("%-40s %9.1f ms wall %9.1f ms CPU %8.0f MB peak\n", name, ms, cpuMs() - cpu0,
                peakRssMb());
    std::fflush(stdout);
}

void typeInto(QWidget *widget, Qt::Key key, const QString &text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &release);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setUpApplication(app);

    QTemporaryDir temporary;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path();
    const QString bitmap = folder + "/load-picture.bmp";
    const std::string design = (folder + "/load-design.vnx").toStdString();

    std::printf("writing the test files in %s\n", qPrintable(folder));
    if (!QFile::exists(bitmap) || QFile(bitmap).size() != 54 + qint64(kSide) * kSide * 3) {
        if (!writeBitmap(bitmap)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(bitmap));
            return 1;
        }
    }
    {
        CaseDesign heavy;
        heavy.title.reserve(2000);
        while (heavy.title.size() < 2000)
            heavy.title += "Night Drive Sessions ";
        heavy.title.resize(2000);
        heavy.contents.reserve(100000);
        for (int i = 1; i <= 100000; ++i)
            heavy.contents.push_back(std::to_string(i) + ". A rather long track title, part "
                                     + std::to_string(i) + " (extended mix)");
        heavy.imagePlacement = ImagePlacement::Both;
        heavy.imagePath = bitmap.toStdString();
        writeDesignFile(heavy, design);
    }
    std::printf("design %lld bytes, bitmap %lld bytes, peak so far %.0f MB\n\n",
                static_cast<long long>(QFile(QString::fromStdString(design)).size()),
                static_cast<long long>(QFile(bitmap).size()), peakRssMb());

    ProgramWindows windows;
    LoadUi ui;
    ui.path = design;
    Form1->fileCommands().setUi(ui);
    step("start: show the main window", [] { Form1->show(); });

    step("open the design", [] { Form1->Open1Click(); });
    if (Form1->design().contents.size() < 100000 || !Form1->design().picture) {
        std::fprintf(stderr, "the design did not load whole: %zu lines, %s\n",
                     Form1->design().contents.size(),
                     Form1->design().picture ? "a picture" : "no picture");
        return 1;
    }
    step("show the Image page", [] { Form1->PageControl1->setCurrentWidget(Form1->TabSheet3); });
    step("show the Colors page", [] { Form1->PageControl1->setCurrentWidget(Form1->TabSheet2); });
    step("show the Fonts page", [] { Form1->PageControl1->setCurrentWidget(Form1->TabSheet4); });
    step("show the Text page", [] { Form1->PageControl1->setCurrentWidget(Form1->TabSheet1); });
    step("type a letter in the title", [] {
        Form1->Edit1->setFocus();
        Form1->Edit1->end(false);
        typeInto(Form1->Edit1, Qt::Key_X, "x");
    });
    step("type a letter in the contents", [] {
        Form1->Memo1->setFocus();
        typeInto(Form1->Memo1, Qt::Key_Y, "y");
    });
    step("type Enter in the contents", [] { typeInto(Form1->Memo1, Qt::Key_Return, "\r"); });

    step("preview (compose and show at 100 %)", [] { Form1->BitBtn2Click(); });
    TQRPreview *view = Form4->QRPreview1;
    step("zoom to 2000 %", [view] { view->setZoom(2000); });
    QScrollBar *h = view->horizontalScrollBar();
    QScrollBar *v = view->verticalScrollBar();
    const auto lookAt = [h, v](double x, double y) {
        h->setValue(int(h->maximum() * x));
        v->setValue(int(v->maximum() * y));
        Form4->QRPreview1->viewport()->repaint();
    };
    // The folder's picture, its contents, the case paper's picture and a spine.
    step("2000 %: folder picture", [&] { lookAt(0.45, 0.33); });
    step("2000 %: folder contents", [&] { lookAt(0.45, 0.2); });
    step("2000 %: case picture", [&] { lookAt(0.45, 0.82); });
    step("2000 %: spine", [&] { lookAt(0.1, 0.7); });
    step("2000 %: scroll by one step", [&] {
        v->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        view->viewport()->repaint();
    });
    step("close the preview", [] { Form4->close(); });

    step("save", [] { Form1->Save1Click(); });
    if (Form1->design().modified) {
        std::fprintf(stderr, "the save failed\n");
        return 1;
    }
    step("open the saved design again", [] { Form1->Open1Click(); });
    std::printf("\nlongest step %.0f ms; peak memory %.0f MB\n", worstMs, peakRssMb());
    return 0;
}
