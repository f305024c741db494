#include "ApplicationSetup.h"
#include "ReportOperations.h"
#include "TQRPreview.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit4.h"

#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Printers that write PDF files into a temporary folder, one file per print.
class PdfPrinters : public PrintEnvironment
{
public:
    bool printerInstalled() override { return true; }
    std::unique_ptr<QPrinter> openPrinter(const QString &) override
    {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(file(++printed));
        return printer;
    }
    void showPrintProgress() override { }
    void hidePrintProgress() override { }

    QString file(int number) const
    {
        return dir.filePath(QStringLiteral("print%1.pdf").arg(number));
    }
    QString text(int number) const
    {
        QProcess process;
        process.start(QStringLiteral("pdftotext"), {file(number), QStringLiteral("-")});
        process.waitForFinished(30000);
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    QTemporaryDir dir;
    int printed = 0;
};

// The windows of a run of the program, made as start-up makes them and reached through their
// globals, as the handlers reach them.
class PreviewWindowTest : public testing::Test
{
protected:
    void SetUp() override
    {
        windows_ = std::make_unique<ProgramWindows>();
        form4_ = Form4;
        previous_ = PrintEnvironment::setCurrent(&printers_);
        Form1->show();
    }
    void TearDown() override
    {
        PrintEnvironment::setCurrent(previous_);
        windows_.reset();
    }

    void preview(const std::string &title)
    {
        Form1->design().title = title;
        Form1->BitBtn2->click();
    }

    static QString shownTitle()
    {
        const LaidOutPage *page = Form4->QRPreview1->shownPage();
        if (!page)
            return QString();
        const auto runs = page->textRuns(QStringLiteral("QRLabel1"));
        return runs.empty() ? QString() : runs.front()->text.trimmed();
    }

    std::unique_ptr<ProgramWindows> windows_;
    TForm4 *form4_ = nullptr;
    PdfPrinters printers_;
    PrintEnvironment *previous_ = nullptr;
};

TEST_F(PreviewWindowTest, BorderlessMaximisedWithTheToolBarOnTheRight)
{
    EXPECT_FALSE(Form4->isVisible()); // hidden until the first preview
    preview("Layout");
    ASSERT_TRUE(Form4->isVisible());
    EXPECT_TRUE(Form4->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(Form4->windowTitle(), "Form4");
    EXPECT_TRUE(Form4->isMaximized() || Form4->geometry() == Form4->screen()->availableGeometry());
    EXPECT_FALSE(Form4->isModal());

    EXPECT_EQ(Form4->ToolBar1->width(), 40);
    EXPECT_EQ(Form4->ToolBar1->geometry().right(), Form4->width() - 1);
    EXPECT_EQ(Form4->QRPreview1->geometry().left(), 0);
    EXPECT_EQ(Form4->QRPreview1->geometry().right() + 1, Form4->ToolBar1->geometry().left());
    EXPECT_EQ(Form4->QRPreview1->height(), Form4->height());

    const QToolButton *column[]
        = {Form4->ToolButton1, Form4->ToolButton2, Form4->ToolButton5, Form4->ToolButton6};
    const char *hints[] = {"Zoom in", "Zoom out", "Print", "Exit preview"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(column[i]->toolTip(), hints[i]);
        EXPECT_EQ(column[i]->size(), QSize(23, 22));
        EXPECT_FALSE(column[i]->icon().isNull()) << hints[i];
        EXPECT_TRUE(column[i]->autoRaise());
    }
    EXPECT_EQ(Form4->ToolButton1->y() + 22, Form4->ToolButton2->y());
    EXPECT_EQ(Form4->ToolButton2->y() + 22 + 5, Form4->ToolButton5->y());
    EXPECT_EQ(Form4->ToolButton5->y() + 22 + 6, Form4->ToolButton6->y());
}

TEST_F(PreviewWindowTest, EachPreviewShowsANewPageOfTheDesignOfThatMoment)
{
    preview("First");
    EXPECT_EQ(shownTitle(), "First");
    const auto firstPages = Form4->QRPreview1->pageSet();

    Form1->design().title = "Edited later"; // the page on screen does not follow
    EXPECT_EQ(shownTitle(), "First");

    preview("Second");
    EXPECT_EQ(shownTitle(), "Second");
    EXPECT_NE(Form4->QRPreview1->pageSet(), firstPages);
    EXPECT_EQ(Form4->QRPreview1->pageSet(), QuickReport2->previewPages());
}

TEST_F(PreviewWindowTest, ZoomStepsBy10AndOutlivesExitPreview)
{
    preview("Zoom");
    for (int i = 0; i < 5; ++i)
        Form4->ToolButton1->click();
    EXPECT_EQ(Form4->QRPreview1->zoom(), 150);

    Form4->ToolButton6->click();
    EXPECT_FALSE(Form4->isVisible());
    EXPECT_EQ(Form4, form4_); // hidden, not destroyed

    preview("Zoom again");
    EXPECT_TRUE(Form4->isVisible());
    EXPECT_EQ(Form4->QRPreview1->zoom(), 150);
    EXPECT_EQ(shownTitle(), "Zoom again");
    Form4->ToolButton2->click();
    EXPECT_EQ(Form4->QRPreview1->zoom(), 140);
}

TEST_F(PreviewWindowTest, PrintInThePreviewComposesTheDesignOfThatMoment)
{
    preview("On screen");
    Form1->design().title = "Printed";
    Form4->ToolButton5->click();
    ASSERT_EQ(printers_.printed, 1);
    const QString text = printers_.text(1);
    EXPECT_TRUE(text.contains("Printed")) << text.toStdString();
    EXPECT_FALSE(text.contains("On screen"));
    EXPECT_EQ(shownTitle(), "On screen");

    Form1->BitBtn1->click(); // the main window's Print does the same
    ASSERT_EQ(printers_.printed, 2);
    EXPECT_TRUE(printers_.text(2).contains("Printed"));
}

} // namespace
