// render and print: the composed cut-out form of a design file as PDF, PNG or SVG, or on a
// printer.
#include "BitmapFileChooser.h"
#include "CliCommand.h"
#include "DesignFile.h"
#include "PageOutput.h"
#include "Unit2.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <optional>
#include <stdexcept>
#include <sys/stat.h>

namespace {

// Qt's own notes (a missing runtime folder, a font it substitutes) are not the tool's output:
// a successful run prints nothing. Errors reach the user as the command's message.
void quietQtNotes(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    (void)context;
    if (type == QtCriticalMsg || type == QtFatalMsg)
        printCliError(message.toStdString());
}

// Fonts need a GUI application; the tool never shows a window, so it needs no display.
class GuiApplication
{
public:
    GuiApplication()
    {
        qInstallMessageHandler(quietQtNotes);
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app_ = std::make_unique<QGuiApplication>(argc_, argv_);
    }

private:
    static inline char name_[] = "cdvennix-cli";
    static inline char *argv_[] = {name_, nullptr};
    static inline int argc_ = 1;
    std::unique_ptr<QGuiApplication> app_;
};

// The picture step of a design file, as the program's Image page would take it; a stored path
// that is not absolute is taken from the design file's folder.
class PictureFiles : public BitmapFileChooser
{
public:
    explicit PictureFiles(const std::string &designFile)
        : folder_(QFileInfo(QString::fromStdString(designFile)).absoluteDir())
    {
    }

    void selectImageFile(CaseDesign &design, const std::string &path) override
    {
        BitmapFileChooser::selectImageFile(
            design, folder_.absoluteFilePath(QString::fromStdString(path)).toStdString());
    }

private:
    QDir folder_;
};

struct Options
{
    std::vector<std::string> positional;
    PageCorrection correction;
    std::optional<double> dpi;
    std::optional<std::string> printer;
    std::optional<int> copies;
};

double parseNumber(const std::string &option, const std::string &text, double low, double high)
{
    errno = 0;
    char *end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || errno != 0 || !std::isfinite(value) || value < low
        || value > high) {
        throw std::invalid_argument(option + " takes a number from " + std::to_string(low) + " to "
                                    + std::to_string(high) + ", not '" + text + "'");
    }
    return value;
}

int parseWhole(const std::string &option, const std::string &text, int low, int high)
{
    const double value = parseNumber(option, text, low, high);
    if (value != std::floor(value))
        throw std::invalid_argument(option + " takes a whole number, not '" + text + "'");
    return static_cast<int>(value);
}

// Parses the arguments of render or print; the allowed options depend on the command.
Options parseOptions(const std::vector<std::string> &arguments, bool forPrinting)
{
    Options options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string &argument = arguments[i];
        if (argument.size() < 2 || argument.compare(0, 2, "--") != 0) {
            options.positional.push_back(argument);
            continue;
        }
        if (i + 1 >= arguments.size())
            throw std::invalid_argument(argument + " needs a value");
        const std::string &value = arguments[++i];
        // The correction moves the page by at most 50 mm and scales it by at most a half.
        if (argument == "--offset-x")
            options.correction.offsetXMm = parseNumber(argument, value, -50, 50);
        else if (argument == "--offset-y")
            options.correction.offsetYMm = parseNumber(argument, value, -50, 50);
        else if (argument == "--scale-x")
            options.correction.scaleX = parseNumber(argument, value, 0.5, 1.5);
        else if (argument == "--scale-y")
            options.correction.scaleY = parseNumber(argument, value, 0.5, 1.5);
        else if (argument == "--dpi" && !forPrinting)
            options.dpi = parseWhole(argument, value, 10, 1200);
        else if (argument == "--printer" && forPrinting)
            options.printer = value;
        else if (argument == "--copies" && forPrinting)
            options.copies = parseWhole(argument, value, 1, 999);
        else
            throw std::invalid_argument("unknown option " + argument);
    }
    return options;
}

bool isRegularFile(const std::string &fileName)
{
    struct stat st
    {
    };
    return ::stat(fileName.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// Reads the design file; nullptr after an error message.
std::unique_ptr<CaseDesign> loadDesign(const std::string &fileName)
{
    if (!isRegularFile(fileName)) {
        printCliError(fileName + ": no such file");
        return nullptr;
    }
    auto design = std::make_unique<CaseDesign>();
    PictureFiles pictures(fileName);
    readDesignFile(*design, fileName, &pictures);
    return design;
}

QString lowerSuffix(const std::string &fileName)
{
    return QFileInfo(QString::fromStdString(fileName)).suffix().toLower();
}

int render(const std::vector<std::string> &arguments)
{
    Options options;
    try {
        options = parseOptions(arguments, false);
    } catch (const std::invalid_argument &error) {
        printCliError(error.what());
        return printCommandUsage("render");
    }
    if (options.positional.size() != 2)
        return printCommandUsage("render");
    const std::string &designFile = options.positional[0];
    const QString out = QString::fromStdString(options.positional[1]);
    const QString type = lowerSuffix(options.positional[1]);
    if (type != QLatin1String("pdf") && type != QLatin1String("png")
        && type != QLatin1String("svg")) {
        printCliError("the output file must end in .pdf, .png or .svg");
        return kExitUsage;
    }
    if (options.dpi && type != QLatin1String("png")) {
        printCliError("--dpi is for PNG output only");
        return kExitUsage;
    }

    GuiApplication app;
    const std::unique_ptr<CaseDesign> design = loadDesign(designFile);
    if (!design)
        return kExitFailure;
    TQuickReport2 form(design.get());
    const std::shared_ptr<TQRPageSet> pages = form.run();
    const LaidOutPage &page = *pages->page(1);
    if (type == QLatin1String("pdf"))
        writePdf(out, page, options.correction);
    else if (type == QLatin1String("png"))
        writePng(out, page, options.dpi.value_or(300), options.correction);
    else
        writeSvg(out, page, options.correction);
    return kExitOk;
}

int print(const std::vector<std::string> &arguments)
{
    Options options;
    try {
        options = parseOptions(arguments, true);
    } catch (const std::invalid_argument &error) {
        printCliError(error.what());
        return printCommandUsage("print");
    }
    if (options.positional.size() != 1)
        return printCommandUsage("print");

    GuiApplication app;
    const std::unique_ptr<CaseDesign> design = loadDesign(options.positional[0]);
    if (!design)
        return kExitFailure;
    TQuickReport2 form(design.get());
    form.printerSettings().copies = options.copies.value_or(1);

    // The page goes to the print system as PDF, the way Qt's own printing hands it to CUPS;
    // the tool thus needs no print support library and no widgets.
    QTemporaryDir folder;
    if (!folder.isValid()) {
        printCliError("no room for the page to print");
        return kExitFailure;
    }
    const QString pdf = folder.filePath(QStringLiteral("cut-out-form.pdf"));
    {
        QPdfWriter writer(pdf);
        writer.setCreator(QStringLiteral("CD Vennix Designer"));
        writer.setTitle(QStringLiteral("CD Vennix Designer cut out form"));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        form.print(writer, options.correction);
    }

    const QString lp = QStandardPaths::findExecutable(QStringLiteral("lp"));
    if (lp.isEmpty()) {
        printCliError("no print system: the lp command of CUPS is missing");
        return kExitFailure;
    }
    QStringList lpArguments;
    if (options.printer)
        lpArguments << QStringLiteral("-d") << QString::fromStdString(*options.printer);
    // Real size: A4 paper and no scaling to the printable area.
    lpArguments << QStringLiteral("-n") << QString::number(form.printerSettings().copies)
                << QStringLiteral("-o") << QStringLiteral("media=A4") << QStringLiteral("-o")
                << QStringLiteral("print-scaling=none") << QStringLiteral("-t")
                << QStringLiteral("CD Vennix Designer cut out form") << QStringLiteral("--") << pdf;
    QProcess process;
    process.start(lp, lpArguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0) {
        const QString reason = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
        printCliError(reason.isEmpty() ? std::string("the print system did not take the page")
                                       : reason.toStdString());
        return kExitFailure;
    }
    return kExitOk;
}

// CORRECTION moves and scales the whole page for a printer that puts it a little off:
// --offset-x MM, --offset-y MM (up to 50), --scale-x F, --scale-y F (0.5 to 1.5).
const CliCommandRegistration renderCommand {
    {"render", "FILE.vnx OUT.pdf|.png|.svg [--dpi N] [CORRECTION]",
     "write the cut-out form (PNG at --dpi, default 300; CORRECTION: --offset-x/-y MM, "
     "--scale-x/-y F)",
     render}};
const CliCommandRegistration printCommand {
    {"print", "FILE.vnx [--printer NAME] [--copies N] [CORRECTION]",
     "print the cut-out form through CUPS (the default printer unless --printer)", print}};

} // namespace
