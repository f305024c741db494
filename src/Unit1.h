#pragma once

#include "CaseDesign.h"
#include "FileCommands.h"
#include "ImageList.h"

#include <QMainWindow>
#include <functional>
#include <memory>
#include <string>

class QAction;
class QFileDialog;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QStatusBar;
class QTabWidget;

// The main window. It owns the one current design and shows it on four pages. The frame
// (menu, buttons, status bar, file commands) lives in Unit1.cpp; each page is built by its
// own source, Unit1Text.cpp, Unit1Colors.cpp, Unit1Image.cpp and Unit1Fonts.cpp, and keeps
// itself up to date through a DesignObserver that it registers with the design.
class TForm1 : public QMainWindow
{
    Q_OBJECT

public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    // Frame (Unit1.cpp)

    CaseDesign &design() { return design_; }
    const CaseDesign &design() const { return design_; }
    FileCommands &fileCommands() { return *fileCommands_; }

    // The text of the status bar's one panel.
    QString statusPanelText() const;
    void setStatusPanelText(const QString &text);

    // Handlers. Each command handler runs its work inside runGuarded (CommandGuard.h).
    void FormShow();
    void New1Click();
    void Open1Click();
    void Save1Click();
    void SaveAs1Click();
    void Exit1Click();
    void BitBtn1Click(); // "&Print" button and "&Print..." menu item
    void BitBtn2Click(); // "Pre&view" button and "Pre&view..." menu item
    void Printersettings1Click();
    void About1Click();
    // Writes the design under its file name; makes the design new.
    void Sejva();
    void Ny();

    // The commands handed over to the cut-out form and the about box (Unit1Handover.cpp).
    void printCutOutForm();
    void previewCutOutForm();
    void runPrinterSetup();
    void showAboutBox();
    // The handlers above reach those four through these hooks; tests replace them.
    struct Handover
    {
        std::function<void()> print;
        std::function<void()> preview;
        std::function<void()> printerSetup;
        std::function<void()> about;
    };
    Handover handover;

    // Controls and components of the frame.
    QMenuBar *MainMenu1 = nullptr;
    QMenu *File1 = nullptr;
    QAction *New1 = nullptr;
    QAction *Open1 = nullptr;
    QAction *Save1 = nullptr;
    QAction *SaveAs1 = nullptr;
    QAction *N3 = nullptr;
    QAction *Preview1 = nullptr;
    QAction *Printersettings1 = nullptr;
    QAction *Print1 = nullptr;
    QAction *N1 = nullptr;
    QAction *Exit1 = nullptr;
    QAction *About1 = nullptr;
    QTabWidget *PageControl1 = nullptr;
    QWidget *TabSheet1 = nullptr; // "Text"
    QWidget *TabSheet2 = nullptr; // "Colors"
    QWidget *TabSheet3 = nullptr; // "Image"
    QWidget *TabSheet4 = nullptr; // "Fonts"
    QPushButton *BitBtn1 = nullptr;
    QPushButton *BitBtn2 = nullptr;
    QPushButton *BitBtn3 = nullptr;
    QStatusBar *StatusBar1 = nullptr;
    // The palette's colour squares and the preview window's tool bar glyphs.
    ImageList ImageList1;
    // The file dialogs, made when first used; each offers the name last chosen in it.
    QFileDialog *OpenDialog1();
    QFileDialog *SaveDialog1();

public:
    // Text page (Unit1Text.cpp)

    void buildTextPage(QWidget *page);

public:
    // Colors page (Unit1Colors.cpp)

    void buildColorsPage(QWidget *page);
    void TabSheet2Show();
    // Colour identifier of the palette button last pressed; empty at creation.
    std::string currentColorName;

public:
    // Image page (Unit1Image.cpp)

    void buildImagePage(QWidget *page);
    // The page's part of loading a design file (moving its file lists to the stored picture
    // and loading it). Open hands it to readDesignFile; nullptr while the page has none.
    ImageFileChooser *imageFileChooser();

public:
    // Fonts page (Unit1Fonts.cpp)

    void buildFontsPage(QWidget *page);
    void TabSheet4Show();

    // Frame, continued

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildMenu();
    void buildFrame();
    void pageShown(int index);

    // Declared first: destroyed last, after every observer that points at it.
    CaseDesign design_;
    std::unique_ptr<FileCommandUi> fileUi_;
    std::unique_ptr<FileCommands> fileCommands_;
    std::unique_ptr<DesignObserver> frameObserver_;
    QLabel *statusPanel_ = nullptr;
    QFileDialog *openDialog_ = nullptr;
    QFileDialog *saveDialog_ = nullptr;
    bool shown_ = false;
};

// The program's main window, made at start-up and living until the program ends.
extern TForm1 *Form1;
