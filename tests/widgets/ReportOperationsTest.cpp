#include "ReportOperations.h"

#include "Unit2.h"

#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace {

// Text of a PDF file through poppler's pdftotext ("" when the file is missing).
QString pdfText(const QString &fileName)
{
    if (!QFile::exists(fileName))
        return QString();
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {fileName, QStringLiteral("-")});
    if (!process.waitForFinished(30000))
        return QStringLiteral("<pdftotext did not finish>");
    return QString::fromUtf8(process.readAllStandardOutput());
}

// "Pages:" and "Page size:" lines of pdfinfo.
QString pdfInfo(const QString &fileName)
{
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {fileName});
    if (!process.waitForFinished(30000))
        return QString();
    QStringList wanted;
    for (const QString &line : QString::fromUtf8(process.readAllStandardOutput()).split('\n'))
        if (line.startsWith(QStringLiteral("Pages:"))
            || line.startsWith(QStringLiteral("Page size:")))
            wanted << line.simplified();
    return wanted.join('\n');
}

// Printers that write PDF files into a temporary folder, a print dialog that acts as the
// test says, and a PDF file dialog that answers a fixed name.
class FakeEnvironment : public PrintEnvironment
{
public:
    bool printerInstalled() override { return installed; }
    std::unique_ptr<QPrinter> openPrinter(const QString &printerName) override
    {
        ++printersOpened;
        openedName = printerName;
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(printedFile());
        return printer;
    }
    bool execPrintDialog(QPrinter &printer, const PrintDialogRange &range) override
    {
        ++dialogs;
        offered = range;
        offeredCopies = printer.copyCount();
        offeredOrientation = printer.pageLayout().orientation();
        offeredAllPages = printer.printRange() == QPrinter::AllPages;
        return user ? user(printer) : false;
    }
    QString choosePdfFile() override
    {
        ++pdfDialogs;
        return pdfAnswer;
    }
    void showPrintProgress() override
    {
        ++progressShown;
        progressVisible = true;
    }
    void hidePrintProgress() override { progressVisible = false; }

    QString printedFile() const { return dir.filePath(QStringLiteral("printed.pdf")); }

    QTemporaryDir dir;
    bool installed = true;
    int printersOpened = 0;
    QString openedName;
    int dialogs = 0;
    PrintDialogRange offered;
    int offeredCopies = 0;
    QPageLayout::Orientation offeredOrientation = QPageLayout::Portrait;
    bool offeredAllPages = false;
    std::function<bool(QPrinter &)> user; // what the user does in the print dialog
    int pdfDialogs = 0;
    QString pdfAnswer;
    int progressShown = 0;
    bool progressVisible = false;
};

class ReportOperations : public testing::Test
{
protected:
    ReportOperations() { design_.title = "Night Drive"; }

    QString shownTitle() const
    {
        const auto &pages = form_.previewPages();
        if (!pages || !pages->page(1))
            return QString();
        const auto runs = pages->page(1)->textRuns(QStringLiteral("QRLabel1"));
        return runs.empty() ? QString() : runs.front()->text.trimmed();
    }

    DesignFields design_;
    TQuickReport2 form_ {&design_};
    FakeEnvironment env_;
};

TEST_F(ReportOperations, WithoutPrinterPrintAndSetupDoNothing)
{
    env_.installed = false;
    reportPrint(form_, env_);
    reportPrinterSetup(form_, env_);
    EXPECT_EQ(env_.printersOpened, 0);
    EXPECT_EQ(env_.dialogs, 0);
    EXPECT_EQ(env_.progressShown, 0);
    EXPECT_EQ(form_.QRLabel1.caption(), "Title"); // no run was composed
}

TEST_F(ReportOperations, PrintComposesTheDesignOfTheMomentNotThePreviewPage)
{
    reportPreview(form_);
    EXPECT_EQ(shownTitle(), "Night Drive");

    design_.title = "Morning Walk";
    reportPrint(form_, env_);
    EXPECT_EQ(env_.printersOpened, 1);
    EXPECT_EQ(env_.openedName, ""); // the system's default until Printer Setup chose one
    EXPECT_EQ(env_.progressShown, 1);
    EXPECT_FALSE(env_.progressVisible);
    const QString printed = pdfText(env_.printedFile());
    EXPECT_TRUE(printed.contains("Morning Walk")) << printed.toStdString();
    EXPECT_FALSE(printed.contains("Night Drive"));
    EXPECT_EQ(shownTitle(), "Night Drive"); // the preview's page is left as it was
    EXPECT_EQ(pdfInfo(env_.printedFile()).toStdString(), "Pages: 1\nPage size: 595 x 842 pts (A4)");
}

TEST_F(ReportOperations, SecondPreviewReplacesTheFirstPageSet)
{
    reportPreview(form_);
    const auto first = form_.previewPages();
    design_.title = "Second";
    reportPreview(form_);
    EXPECT_NE(form_.previewPages(), first);
    EXPECT_EQ(shownTitle(), "Second");
}

TEST_F(ReportOperations, RequestsDuringARunAreIgnored)
{
    int nested = 0;
    form_.setProcessEvents([&] {
        ++nested;
        reportPrint(form_, env_);
        reportPreview(form_);
        reportPrinterSetup(form_, env_);
        reportExportPdf(form_, env_);
    });
    env_.pdfAnswer = env_.dir.filePath(QStringLiteral("export.pdf"));
    reportPreview(form_);
    EXPECT_GE(nested, 1);
    EXPECT_EQ(env_.printersOpened, 0);
    EXPECT_EQ(env_.dialogs, 0);
    EXPECT_EQ(env_.pdfDialogs, 0);
    EXPECT_FALSE(form_.busy());

    reportPrint(form_, env_); // the run of the print lets messages through too
    EXPECT_EQ(env_.printersOpened, 1);
    EXPECT_EQ(env_.dialogs, 0);
    EXPECT_FALSE(form_.busy());
}

TEST_F(ReportOperations, FailedRunLeavesTheFormReadyForTheNext)
{
    form_.setProcessEvents([] { throw std::runtime_error("The printer is out of paper"); });
    EXPECT_THROW(reportPrint(form_, env_), std::runtime_error);
    EXPECT_FALSE(form_.busy());
    EXPECT_FALSE(env_.progressVisible);
    form_.setProcessEvents(nullptr);
    reportPrint(form_, env_);
    EXPECT_TRUE(pdfText(env_.printedFile()).contains("Night Drive"));
}

struct SetupCase
{
    std::string name;
    bool previewFirst;
    TQRPrinterSettings storedBefore;
    std::function<bool(QPrinter &)> user;
    // What the dialog is offered.
    int minPage, maxPage, fromPage, toPage;
    bool allPagesPreset;
    // What the form holds afterwards.
    int copies, firstPage, lastPage;
    QPageLayout::Orientation orientation;
};

class PrinterSetup : public ReportOperations, public testing::WithParamInterface<SetupCase>
{
};

TQRPrinterSettings stored(int copies, int first, int last)
{
    TQRPrinterSettings s;
    s.copies = copies;
    s.firstPage = first;
    s.lastPage = last;
    return s;
}

bool cancel(QPrinter &printer)
{
    printer.setCopyCount(7);
    printer.setPageOrientation(QPageLayout::Landscape);
    return false;
}

bool landscapeThreeCopiesPages2To4(QPrinter &printer)
{
    printer.setCopyCount(3);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 4);
    return true;
}

bool allPages(QPrinter &printer)
{
    printer.setPrintRange(QPrinter::AllPages);
    return true;
}

TEST_P(PrinterSetup, OffersAndStoresTheSettings)
{
    const SetupCase &c = GetParam();
    form_.printerSettings() = c.storedBefore;
    if (c.previewFirst)
        reportPreview(form_);
    env_.user = c.user;
    reportPrinterSetup(form_, env_);

    ASSERT_EQ(env_.dialogs, 1);
    EXPECT_EQ(env_.offered.minPage, c.minPage);
    EXPECT_EQ(env_.offered.maxPage, c.maxPage);
    EXPECT_EQ(env_.offered.fromPage, c.fromPage);
    EXPECT_EQ(env_.offered.toPage, c.toPage);
    EXPECT_EQ(env_.offeredAllPages, c.allPagesPreset);
    EXPECT_EQ(env_.offeredCopies, c.storedBefore.copies);
    EXPECT_EQ(env_.offeredOrientation, QPageLayout::Portrait);

    EXPECT_EQ(form_.printerSettings().copies, c.copies);
    EXPECT_EQ(form_.printerSettings().firstPage, c.firstPage);
    EXPECT_EQ(form_.printerSettings().lastPage, c.lastPage);
    EXPECT_EQ(form_.page().orientation, c.orientation);
}

INSTANTIATE_TEST_SUITE_P(
    ReportOperations, PrinterSetup,
    testing::Values(SetupCase {"cancel_changes_nothing", false, stored(2, 0, 0), cancel, 0, 9999, 0,
                               0, true, 2, 0, 0, QPageLayout::Portrait},
                    SetupCase {"ok_stores_copies_orientation_and_range", false, stored(1, 0, 0),
                               landscapeThreeCopiesPages2To4, 0, 9999, 0, 0, true, 3, 2, 4,
                               QPageLayout::Landscape},
                    SetupCase {"stored_range_is_preset", false, stored(1, 3, 5), allPages, 0, 9999,
                               3, 5, false, 1, 0, 0, QPageLayout::Portrait},
                    SetupCase {"preview_page_held_offers_1_to_1", true, stored(1, 0, 0), cancel, 1,
                               1, 1, 1, true, 1, 0, 0, QPageLayout::Portrait}),
    [](const testing::TestParamInfo<SetupCase> &info) { return info.param.name; });

TEST_F(ReportOperations, LandscapeKeepsThePositionsInMillimetres)
{
    const auto portrait = form_.run();
    env_.user = landscapeThreeCopiesPages2To4;
    reportPrinterSetup(form_, env_);
    const auto landscape = form_.run();
    ASSERT_TRUE(portrait && landscape);
    EXPECT_EQ(landscape->page(1)->paperMm, QSizeF(297, 210));
    for (const char *element : {"QRShape1", "QRShape2", "QRShape3"}) {
        const FilledBox *before = portrait->page(1)->filledBox(QString::fromLatin1(element));
        const FilledBox *after = landscape->page(1)->filledBox(QString::fromLatin1(element));
        ASSERT_TRUE(before && after) << element;
        EXPECT_EQ(before->boxMm, after->boxMm) << element;
    }
}

TEST_F(ReportOperations, RangeWithoutPage1PrintsNothing)
{
    form_.printerSettings() = stored(1, 2, 3);
    reportPrint(form_, env_);
    EXPECT_EQ(env_.printersOpened, 1);
    EXPECT_FALSE(QFile::exists(env_.printedFile()));
}

TEST_F(ReportOperations, ExportPdfWritesAFreshA4PageWithTheTitle)
{
    design_.fileName = "/somewhere/night.vnx";
    design_.contents = {"Track one", "Track two"};
    env_.pdfAnswer = env_.dir.filePath(QStringLiteral("night")); // the suffix is added
    reportExportPdf(form_, env_);
    const QString file = env_.dir.filePath(QStringLiteral("night.pdf"));
    const QString text = pdfText(file);
    EXPECT_TRUE(text.contains("Night Drive")) << text.toStdString();
    EXPECT_TRUE(text.contains("Track two"));
    EXPECT_TRUE(text.contains("CD Vennix Designer cut out form."));
    EXPECT_EQ(pdfInfo(file).toStdString(), "Pages: 1\nPage size: 595 x 842 pts (A4)");
    EXPECT_EQ(design_.fileName, "/somewhere/night.vnx");
    EXPECT_FALSE(design_.modified);
    EXPECT_EQ(env_.printersOpened, 0);
}

TEST_F(ReportOperations, ExportPdfFollowsTheStoredOrientation)
{
    form_.page().orientation = QPageLayout::Landscape;
    env_.pdfAnswer = env_.dir.filePath(QStringLiteral("wide.pdf"));
    reportExportPdf(form_, env_);
    EXPECT_EQ(pdfInfo(env_.pdfAnswer).toStdString(), "Pages: 1\nPage size: 842 x 595 pts (A4)");
}

TEST_F(ReportOperations, CancelledExportWritesNothing)
{
    env_.pdfAnswer.clear();
    reportExportPdf(form_, env_);
    EXPECT_EQ(env_.pdfDialogs, 1);
    EXPECT_TRUE(QDir(env_.dir.path()).isEmpty());
}

} // namespace
