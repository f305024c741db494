// cdvennix-cli render and print, run as a user runs them.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace {

struct CliRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

CliRun runCli(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(CDV_CLI_PATH), arguments);
    CliRun run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

QString dataFile(const char *name)
{
    return QStringLiteral(CDV_TEST_DATA_DIR "/") + QString::fromLatin1(name);
}

int dot(double mm, double dpi)
{
    return int(std::lround(mm * dpi / 25.4));
}

bool isBlack(const QImage &image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 64;
}

class CliRender : public testing::Test
{
protected:
    QTemporaryDir dir;
    QString out(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }
};

// Every example design renders to every format, quietly.
class ExampleRender : public CliRender, public testing::WithParamInterface<std::string>
{
};

TEST_P(ExampleRender, WritesEveryFormatAndPrintsNothing)
{
    const QString design = QStringLiteral(CDV_EXAMPLES_DIR "/") + QString::fromStdString(GetParam())
        + QStringLiteral(".vnx");
    for (const char *name : {"page.pdf", "page.png", "page.svg"}) {
        const CliRun run = runCli({QStringLiteral("render"), design, out(name)});
        EXPECT_EQ(run.exitCode, 0) << name << ": " << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
        EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    }
    QFile pdf(out("page.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
    const QImage png(out("page.png"));
    EXPECT_EQ(png.size(), QSize(2480, 3508)); // A4 at the default 300 dpi
    QFile svg(out("page.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QByteArray text = svg.readAll();
    EXPECT_TRUE(text.contains("width=\"210mm\"") && text.contains("height=\"297mm\""));
}

std::vector<std::string> exampleNames()
{
    std::vector<std::string> names;
    for (const QFileInfo &file : QDir(QStringLiteral(CDV_EXAMPLES_DIR))
                                     .entryInfoList({QStringLiteral("*.vnx")}, QDir::Files))
        names.push_back(file.completeBaseName().toStdString());
    return names;
}

INSTANTIATE_TEST_SUITE_P(Examples, ExampleRender, testing::ValuesIn(exampleNames()),
                         [](const auto &info) {
                             std::string name = info.param;
                             for (char &c : name) {
                                 if (!std::isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             }
                             return name;
                         });

TEST_F(CliRender, DpiSetsThePngSize)
{
    const CliRun run = runCli({QStringLiteral("render"), dataFile("two-lines.vnx"), out("page.png"),
                               QStringLiteral("--dpi"), QStringLiteral("96")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(QImage(out("page.png")).size(), QSize(794, 1123));
}

TEST_F(CliRender, CorrectionMovesAndScalesTheWholePage)
{
    const double dpi = 100;
    const CliRun run
        = runCli({QStringLiteral("render"), dataFile("two-lines.vnx"), out("page.png"),
                  QStringLiteral("--dpi"), QStringLiteral("100"), QStringLiteral("--offset-x"),
                  QStringLiteral("10"), QStringLiteral("--offset-y"), QStringLiteral("-5"),
                  QStringLiteral("--scale-x"), QStringLiteral("0.5")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QImage image(out("page.png"));
    const int row = dot(120 - 5, dpi);
    // The folder's outline: from 30 and 150 mm to 10 + 15 and 10 + 75 mm.
    EXPECT_TRUE(isBlack(image, dot(25, dpi), row));
    EXPECT_TRUE(isBlack(image, dot(85, dpi) - 1, row));
    EXPECT_FALSE(isBlack(image, dot(30, dpi), row));
    EXPECT_TRUE(isBlack(image, dot(60, dpi), dot(20 - 5, dpi)));
}

TEST_F(CliRender, PictureStoredBesideTheDesignIsDrawn)
{
    const double dpi = 100;
    const CliRun run = runCli({QStringLiteral("render"), dataFile("render-picture.vnx"),
                               out("page.png"), QStringLiteral("--dpi"), QStringLiteral("100")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QImage image(out("page.png"));
    // Both pictures: the left half red, the right half blue.
    EXPECT_EQ(image.pixel(dot(70, dpi), dot(110, dpi)), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(dot(112, dpi), dot(110, dpi)), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(dot(84, dpi), dot(240, dpi)), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(dot(125, dpi), dot(240, dpi)), qRgb(0, 0, 255));
}

// Wrong calls: the exit status and what the message names.
struct ErrorRow
{
    const char *name;
    std::vector<const char *> arguments; // "@" stands for a fresh output folder
    int exitCode;
    const char *message;
};

void PrintTo(const ErrorRow &row, std::ostream *os)
{
    *os << row.name;
}

class CliError : public CliRender, public testing::WithParamInterface<ErrorRow>
{
};

TEST_P(CliError, ExitsWithItsStatusAndSaysWhy)
{
    QStringList arguments;
    for (const char *argument : GetParam().arguments) {
        QString text = QString::fromLatin1(argument);
        text.replace(QStringLiteral("@"), dir.path());
        text.replace(QStringLiteral("DATA"), QStringLiteral(CDV_TEST_DATA_DIR));
        arguments << text;
    }
    const CliRun run = runCli(arguments);
    EXPECT_EQ(run.exitCode, GetParam().exitCode) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QString::fromLatin1(GetParam().message))) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("page.png"))));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CliError,
    testing::Values(
        ErrorRow {
            "missing_design", {"render", "DATA/nonexistent.vnx", "@/page.png"}, 1, "no such file"},
        ErrorRow {"folder_as_design", {"render", "DATA", "@/page.png"}, 1, "no such file"},
        ErrorRow {"unknown_output_type",
                  {"render", "DATA/two-lines.vnx", "@/page.jpg"},
                  2,
                  ".pdf, .png or .svg"},
        ErrorRow {"no_output", {"render", "DATA/two-lines.vnx"}, 2, "Usage"},
        ErrorRow {
            "dpi_zero", {"render", "DATA/two-lines.vnx", "@/page.png", "--dpi", "0"}, 2, "--dpi"},
        ErrorRow {"dpi_text",
                  {"render", "DATA/two-lines.vnx", "@/page.png", "--dpi", "high"},
                  2,
                  "--dpi"},
        ErrorRow {"dpi_fraction",
                  {"render", "DATA/two-lines.vnx", "@/page.png", "--dpi", "150.5"},
                  2,
                  "whole"},
        ErrorRow {"dpi_huge",
                  {"render", "DATA/two-lines.vnx", "@/page.png", "--dpi", "99999"},
                  2,
                  "--dpi"},
        ErrorRow {"dpi_for_pdf",
                  {"render", "DATA/two-lines.vnx", "@/page.pdf", "--dpi", "300"},
                  2,
                  "PNG"},
        ErrorRow {"scale_not_a_number",
                  {"render", "DATA/two-lines.vnx", "@/page.png", "--scale-x", "nan"},
                  2,
                  "--scale-x"},
        ErrorRow {"offset_too_far",
                  {"render", "DATA/two-lines.vnx", "@/page.png", "--offset-y", "1e300"},
                  2,
                  "--offset-y"},
        ErrorRow {"option_without_value",
                  {"render", "DATA/two-lines.vnx", "@/page.png", "--dpi"},
                  2,
                  "needs a value"},
        ErrorRow {"unknown_option",
                  {"render", "DATA/two-lines.vnx", "@/page.png", "--colour", "red"},
                  2,
                  "--colour"},
        ErrorRow {"unwritable_output",
                  {"render", "DATA/two-lines.vnx", "@/no/page.png"},
                  1,
                  "Unable to write to"},
        ErrorRow {"missing_picture",
                  {"render", "DATA/render-missing-picture.vnx", "@/page.png"},
                  1,
                  "render-missing.bmp"},
        ErrorRow {"copies_zero", {"print", "DATA/two-lines.vnx", "--copies", "0"}, 2, "--copies"},
        ErrorRow {"dpi_for_printing", {"print", "DATA/two-lines.vnx", "--dpi", "300"}, 2, "--dpi"},
        ErrorRow {"printer_unknown",
                  {"print", "DATA/two-lines.vnx", "--printer", "no-such-printer-here"},
                  1,
                  "cdvennix-cli: "}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
