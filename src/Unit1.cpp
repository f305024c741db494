#include "Unit1.h"

#include "AppText.h"
#include "ApplicationSetup.h"
#include "BitmapReader.h"
#include "CommandGuard.h"
#include "ProfileFile.h"

#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStatusBar>
#include <QTabWidget>

TForm1 *Form1 = nullptr;

namespace {

// The client area at 96 dots per inch, and the frame's controls in it.
constexpr QSize kClientSize {289, 438};
constexpr QRect kPageControlRect {0, 0, 289, 377};
constexpr QRect kPrintButtonRect {32, 384, 57, 25};
constexpr QRect kPreviewButtonRect {104, 384, 73, 25};
constexpr QRect kExitButtonRect {192, 384, 57, 25};
constexpr QRect kStatusBarRect {0, 416, 289, 22};

// The status bar's panel follows the design's file name.
class StatusBarObserver : public DesignObserver
{
public:
    explicit StatusBarObserver(TForm1 &form)
        : form_(form)
    {
    }
    void fileNameShown(const std::string &fileName) override
    {
        form_.setStatusPanelText(QString::fromStdString(fileName));
    }

private:
    TForm1 &form_;
};

std::optional<std::string> runFileDialog(QFileDialog *dialog)
{
    if (dialog->exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList files = dialog->selectedFiles();
    if (files.isEmpty())
        return std::nullopt;
    // Offered again the next time this dialog opens.
    dialog->selectFile(files.first());
    return files.first().toStdString();
}

// The file commands' questions and dialogs, as the main window shows them.
class DialogFileCommandUi : public FileCommandUi
{
public:
    explicit DialogFileCommandUi(TForm1 &form)
        : form_(form)
    {
    }

    SaveFirstAnswer askSaveFirst() override
    {
        QMessageBox box(QMessageBox::Question, QStringLiteral("New..."),
                        QStringLiteral("Do you want to save first?"),
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, &form_);
        box.setDefaultButton(QMessageBox::Yes);
        // Escape and the close box answer Cancel.
        box.setEscapeButton(QMessageBox::Cancel);
        switch (box.exec()) {
        case QMessageBox::Yes:
            return SaveFirstAnswer::Yes;
        case QMessageBox::No:
            return SaveFirstAnswer::No;
        default:
            return SaveFirstAnswer::Cancel;
        }
    }
    std::optional<std::string> chooseFileToOpen() override
    {
        return runFileDialog(form_.OpenDialog1());
    }
    std::optional<std::string> chooseFileToSave() override
    {
        return runFileDialog(form_.SaveDialog1());
    }
    void showMessage(const std::string &text) override
    {
        showPlainMessage(QString::fromStdString(text));
    }

private:
    TForm1 &form_;
};

QFileDialog *makeDesignFileDialog(QWidget *parent, QFileDialog::AcceptMode mode,
                                  const QString &filterName)
{
    auto *dialog = new QFileDialog(parent);
    // Qt's own dialog: the platform's open dialogs refuse a name that does not exist.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(mode);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setDefaultSuffix(QStringLiteral("vnx"));
    dialog->setNameFilter(filterName + QStringLiteral(" (*.vnx)"));
    dialog->setOption(QFileDialog::HideNameFilterDetails);
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    return dialog;
}

} // namespace

TForm1::TForm1(QWidget *parent)
    : QMainWindow(parent)
    , fileUi_(std::make_unique<DialogFileCommandUi>(*this))
    , fileCommands_(std::make_unique<FileCommands>(design_, *fileUi_))
    , frameObserver_(std::make_unique<StatusBarObserver>(*this))
{
    setWindowTitle(QStringLiteral("CD Vennix Designer"));
    // Fixed single border: system menu, minimise and close, no maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    setFont(formFont());
    design_.addObserver(frameObserver_.get());
    handover = {[this] { printCutOutForm(); }, [this] { previewCutOutForm(); },
                [this] { runPrinterSetup(); }, [this] { showAboutBox(); },
                [this] {
                    exportCutOutFormPdf();
                }};

    buildMenu();
    buildFrame();
    buildTextPage(TabSheet1);
    buildColorsPage(TabSheet2);
    buildImagePage(TabSheet3);
    buildFontsPage(TabSheet4);
    fileCommands_->setImageFileChooser(imageFileChooser());
    // A design's picture is read on a worker thread while the load lays out the design's text
    // in the boxes; the load takes it over when it comes to the picture.
    fileCommands_->setReader(
        [](CaseDesign &design, const std::string &fileName, ImageFileChooser *images) {
            const ProfileFile profile = ProfileFile::load(fileName);
            const std::string picturePath = profile.readString("image", "imgpath", "");
            if (images && profile.readString("image", "sel", "0") != "0" && !picturePath.empty())
                prefetchBitmapFile(picturePath);
            struct EndPrefetch
            {
                ~EndPrefetch() { endBitmapPrefetch(); }
            } endPrefetch;
            readDesignProfile(design, profile, images);
        });
    connect(PageControl1, &QTabWidget::currentChanged, this, &TForm1::pageShown);
}

TForm1::~TForm1()
{
    design_.removeObserver(frameObserver_.get());
}

void TForm1::buildMenu()
{
    MainMenu1 = menuBar();
    // Inside the window on every desktop: the client area is measured below it.
    MainMenu1->setNativeMenuBar(false);
    File1 = MainMenu1->addMenu(QStringLiteral("&File"));
    New1 = File1->addAction(QStringLiteral("&New"));
    Open1 = File1->addAction(QStringLiteral("&Open..."));
    Save1 = File1->addAction(QStringLiteral("&Save"));
    SaveAs1 = File1->addAction(QStringLiteral("Save &As..."));
    N3 = File1->addSeparator();
    Preview1 = File1->addAction(QStringLiteral("Pre&view..."));
    Printersettings1 = File1->addAction(QStringLiteral("Printer S&etup..."));
    Print1 = File1->addAction(QStringLiteral("&Print..."));
    ExportPDF1 = File1->addAction(QStringLiteral("Export P&DF..."));
    N1 = File1->addSeparator();
    Exit1 = File1->addAction(QStringLiteral("E&xit"));
    About1 = MainMenu1->addAction(QStringLiteral("&About"));

    connect(New1, &QAction::triggered, this, &TForm1::New1Click);
    connect(Open1, &QAction::triggered, this, &TForm1::Open1Click);
    connect(Save1, &QAction::triggered, this, &TForm1::Save1Click);
    connect(SaveAs1, &QAction::triggered, this, &TForm1::SaveAs1Click);
    connect(Preview1, &QAction::triggered, this, &TForm1::BitBtn2Click);
    connect(Printersettings1, &QAction::triggered, this, &TForm1::Printersettings1Click);
    connect(Print1, &QAction::triggered, this, &TForm1::BitBtn1Click);
    connect(ExportPDF1, &QAction::triggered, this, &TForm1::ExportPDF1Click);
    connect(Exit1, &QAction::triggered, this, &TForm1::Exit1Click);
    connect(About1, &QAction::triggered, this, &TForm1::About1Click);
}

void TForm1::buildFrame()
{
    auto *client = new QWidget(this);
    client->setFixedSize(kClientSize);
    setCentralWidget(client);

    const auto makeButton = [client](const QRect &rect, const QString &glyph,
                                     const QString &caption, const QString &hint) {
        auto *button = new QPushButton(QIcon(glyphPixmap(glyph)), caption, client);
        button->setGeometry(rect);
        button->setIconSize(QSize(ImageList::kSize, ImageList::kSize));
        button->setToolTip(hint);
        return button;
    };
    BitBtn1 = makeButton(kPrintButtonRect, QStringLiteral("printer"), QStringLiteral("&Print"),
                         QStringLiteral("Print cut out form"));
    BitBtn2 = makeButton(kPreviewButtonRect, QStringLiteral("preview"), QStringLiteral("Pre&view"),
                         QStringLiteral("Preview cut out form"));
    BitBtn3 = makeButton(kExitButtonRect, QStringLiteral("exit"), QStringLiteral("E&xit"),
                         QStringLiteral("Exit CD Vennix Designer"));
    connect(BitBtn1, &QPushButton::clicked, this, &TForm1::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm1::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TForm1::Exit1Click);

    // Made after the buttons: the tab order is BitBtn1, BitBtn2, BitBtn3, PageControl1.
    PageControl1 = new QTabWidget(client);
    PageControl1->setGeometry(kPageControlRect);
    TabSheet1 = new QWidget;
    TabSheet2 = new QWidget;
    TabSheet3 = new QWidget;
    TabSheet4 = new QWidget;
    PageControl1->addTab(TabSheet1, QStringLiteral("Text"));
    PageControl1->addTab(TabSheet2, QStringLiteral("Colors"));
    PageControl1->addTab(TabSheet3, QStringLiteral("Image"));
    PageControl1->addTab(TabSheet4, QStringLiteral("Fonts"));

    StatusBar1 = new QStatusBar(client);
    StatusBar1->setGeometry(kStatusBarRect);
    StatusBar1->setSizeGripEnabled(false);
    statusPanel_ = new QLabel(StatusBar1);
    StatusBar1->addWidget(statusPanel_, 1);

    BitBtn1->setFocus();

    // The window takes the size of the menu bar and the fixed client area, and keeps it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

QString TForm1::statusPanelText() const
{
    return statusPanel_->text();
}

void TForm1::setStatusPanelText(const QString &text)
{
    statusPanel_->setText(text);
}

QFileDialog *TForm1::OpenDialog1()
{
    if (!openDialog_)
        openDialog_ = makeDesignFileDialog(this, QFileDialog::AcceptOpen,
                                           QStringLiteral("CD Vennix Designer Files"));
    return openDialog_;
}

QFileDialog *TForm1::SaveDialog1()
{
    if (!saveDialog_)
        saveDialog_ = makeDesignFileDialog(this, QFileDialog::AcceptSave,
                                           QStringLiteral("CD Vennix Designer File"));
    return saveDialog_;
}

void TForm1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (shown_ || event->spontaneous())
        return;
    shown_ = true;
    if (const QScreen *screen = this->screen()) {
        const QRect available = screen->availableGeometry();
        move(available.center() - QPoint(width() / 2, height() / 2));
    }
    runGuarded([this] { FormShow(); });
}

void TForm1::FormShow()
{
    design_.setFileName(kUntitled);
    // The program always opens on the "Text" page.
    PageControl1->setCurrentWidget(TabSheet1);
}

void TForm1::pageShown(int index)
{
    if (PageControl1->widget(index) == TabSheet2)
        runGuarded([this] { TabSheet2Show(); });
    else if (PageControl1->widget(index) == TabSheet4)
        runGuarded([this] { TabSheet4Show(); });
}

void TForm1::New1Click()
{
    runGuarded([this] { fileCommands_->New(); });
}

void TForm1::Open1Click()
{
    runGuarded([this] { fileCommands_->Open(); });
}

void TForm1::Save1Click()
{
    runGuarded([this] { fileCommands_->Save(); });
}

void TForm1::SaveAs1Click()
{
    runGuarded([this] { fileCommands_->SaveAs(); });
}

void TForm1::Sejva()
{
    fileCommands_->Sejva();
}

void TForm1::Ny()
{
    fileCommands_->Ny();
}

void TForm1::Exit1Click()
{
    // No question about unsaved changes: closing the main window ends the program.
    close();
}

void TForm1::BitBtn1Click()
{
    runGuarded([this] { handover.print(); });
}

void TForm1::BitBtn2Click()
{
    runGuarded([this] { handover.preview(); });
}

void TForm1::Printersettings1Click()
{
    runGuarded([this] { handover.printerSetup(); });
}

void TForm1::About1Click()
{
    runGuarded([this] { handover.about(); });
}

void TForm1::ExportPDF1Click()
{
    runGuarded([this] { handover.exportPdf(); });
}
