#pragma once

#include "CaseDesign.h"
#include "ColorsPage.h"
#include "FontsPage.h"
#include "FileCommands.h"
#include "ImagePage.h"
#include "ImageList.h"

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <string>

class ClickLabel;
class DirectoryListBox;
class DriveComboBox;
class FileListBox;
class FontDialog;
class ImagePageWidgets;
class MouseButtonTool;
class QAction;
class QFileDialog;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QStatusBar;
class QTabWidget;
class ShapeBox;
class WrappingMemo;

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
    void ExportPDF1Click(); // "Export P&DF...": the cut-out form as a PDF file
    // Writes the design under its file name; makes the design new.
    void Sejva();
    void Ny();

    // The commands handed over to the cut-out form and the about box (Unit1Handover.cpp).
    void printCutOutForm();
    void previewCutOutForm();
    void runPrinterSetup();
    void showAboutBox();
    void exportCutOutFormPdf();
    // The handlers above reach those five through these hooks; tests replace them.
    struct Handover
    {
        std::function<void()> print;
        std::function<void()> preview;
        std::function<void()> printerSetup;
        std::function<void()> about;
        std::function<void()> exportPdf;
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
    QAction *ExportPDF1 = nullptr;
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
    QLabel *Label1 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QLabel *Label2 = nullptr;
    WrappingMemo *Memo1 = nullptr;
    // The boxes show the design's title and contents (after New and Open).
    void showDesignText();
    void titleEdited();
    void contentsEdited();

public:
    // Colors page (Unit1Colors.cpp)

    void buildColorsPage(QWidget *page);
    void TabSheet2Show();
    // Colour identifier of the palette button last pressed; empty at creation.
    const std::string &currentColorName() const;
    // A mouse button pressed on a swatch, one handler per swatch.
    void ToolButton2MouseDown();
    void ToolButton3MouseDown();
    void ToolButton4MouseDown();
    void ToolButton5MouseDown();
    void ToolButton6MouseDown();
    void ToolButton7MouseDown();
    void ToolButton8MouseDown();
    void ToolButton9MouseDown();
    void ToolButton12MouseDown();
    void ToolButton13MouseDown();
    void ToolButton14MouseDown();
    void ToolButton15MouseDown();
    void ToolButton16MouseDown();
    void ToolButton17MouseDown();
    void ToolButton18MouseDown();
    void ToolButton19MouseDown();
    // A mouse button released on any swatch.
    void ToolButton2MouseUp();
    void Label3Click();
    void Label4Click();
    void Shape1MouseDown();
    void Label7Click();
    void Label8Click();
    void Shape3MouseDown();
    void Label6Click(); // Label5 and Label6
    void Shape2MouseDown(); // Shape2 and Shape4
    void SpeedButton3Click();
    QFrame *Bevel1 = nullptr;
    QFrame *Bevel2 = nullptr;
    QLabel *Label9 = nullptr;
    QLabel *Label10 = nullptr;
    ShapeBox *Shape1 = nullptr;
    ShapeBox *Shape2 = nullptr;
    ShapeBox *Shape3 = nullptr;
    ShapeBox *Shape4 = nullptr;
    ClickLabel *Label3 = nullptr;
    ClickLabel *Label4 = nullptr;
    ClickLabel *Label5 = nullptr;
    ClickLabel *Label6 = nullptr;
    ClickLabel *Label7 = nullptr;
    ClickLabel *Label8 = nullptr;
    QLabel *StaticText1 = nullptr;
    QRadioButton *RadioButton1 = nullptr;
    QRadioButton *RadioButton2 = nullptr;
    QRadioButton *RadioButton3 = nullptr;
    QRadioButton *RadioButton4 = nullptr;
    QRadioButton *RadioButton5 = nullptr;
    QRadioButton *RadioButton6 = nullptr;
    QRadioButton *RadioButton7 = nullptr;
    QRadioButton *RadioButton8 = nullptr;
    QWidget *ToolBar1 = nullptr;
    MouseButtonTool *ToolButton2 = nullptr;
    MouseButtonTool *ToolButton3 = nullptr;
    MouseButtonTool *ToolButton4 = nullptr;
    MouseButtonTool *ToolButton5 = nullptr;
    MouseButtonTool *ToolButton6 = nullptr;
    MouseButtonTool *ToolButton7 = nullptr;
    MouseButtonTool *ToolButton8 = nullptr;
    MouseButtonTool *ToolButton9 = nullptr;
    MouseButtonTool *ToolButton12 = nullptr;
    MouseButtonTool *ToolButton13 = nullptr;
    MouseButtonTool *ToolButton14 = nullptr;
    MouseButtonTool *ToolButton15 = nullptr;
    MouseButtonTool *ToolButton16 = nullptr;
    MouseButtonTool *ToolButton17 = nullptr;
    MouseButtonTool *ToolButton18 = nullptr;
    MouseButtonTool *ToolButton19 = nullptr;
    QPushButton *SpeedButton3 = nullptr;
    const ColorsPage &colorsPage() const { return *colorsPage_; }
    QRadioButton *targetButton(ColorTarget target) const;
    // The Colours page's text sample of a block (Label3, Label4, Label7, Label8).
    QLabel *colorSample(TextSlot slot) const;
    void paletteSwatchPressed(std::size_t index);

public:
    // Image page (Unit1Image.cpp)

    void buildImagePage(QWidget *page);
    // The page's part of loading a design file (moving its file lists to the stored picture
    // and loading it). Open hands it to readDesignFile; nullptr while the page has none.
    ImageFileChooser *imageFileChooser();
    // The four placement buttons' handler: runs when one of them becomes the checked one.
    void RadioButton9Click();
    // The file list changed its selection or re-read its folder: load the selected picture.
    void FileListBox1Change();

    QFrame *Panel1 = nullptr;
    QLabel *Label15 = nullptr;
    QRadioButton *RadioButton9 = nullptr; // "&Don't use image"
    QRadioButton *RadioButton10 = nullptr; // "Image &on folder paper only"
    QRadioButton *RadioButton11 = nullptr; // "Image o&n case paper only"
    QRadioButton *RadioButton12 = nullptr; // "Image on bot&h"
    QFrame *Bevel3 = nullptr;
    QLabel *Label11 = nullptr;
    QLabel *Image1 = nullptr; // the picture, stretched into 89 x 89
    DriveComboBox *DriveComboBox1 = nullptr;
    DirectoryListBox *DirectoryListBox1 = nullptr;
    FileListBox *FileListBox1 = nullptr;

public:
    // Fonts page (Unit1Fonts.cpp)

    void buildFontsPage(QWidget *page);
    void TabSheet4Show();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void RadioButton14Click(); // the three alignment buttons of "Folder title"
    void RadioButton16Click(); // "Folder contents"
    void RadioButton19Click(); // "Case title"
    void RadioButton22Click(); // "Case contents"
    QGroupBox *GroupBox1 = nullptr;
    QGroupBox *GroupBox2 = nullptr;
    QGroupBox *GroupBox3 = nullptr;
    QGroupBox *GroupBox4 = nullptr;
    QGroupBox *GroupBox5 = nullptr;
    QLabel *Label12 = nullptr;
    QLabel *Label13 = nullptr;
    QLabel *Label16 = nullptr;
    QLabel *Label17 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;
    QPushButton *Button3 = nullptr;
    QPushButton *Button4 = nullptr;
    QRadioButton *RadioButton13 = nullptr;
    QRadioButton *RadioButton14 = nullptr;
    QRadioButton *RadioButton15 = nullptr;
    QRadioButton *RadioButton16 = nullptr;
    QRadioButton *RadioButton17 = nullptr;
    QRadioButton *RadioButton18 = nullptr;
    QRadioButton *RadioButton19 = nullptr;
    QRadioButton *RadioButton20 = nullptr;
    QRadioButton *RadioButton21 = nullptr;
    QRadioButton *RadioButton22 = nullptr;
    QRadioButton *RadioButton23 = nullptr;
    QRadioButton *RadioButton24 = nullptr;
    QLabel *Label21 = nullptr;
    QLabel *Label22 = nullptr;
    QLabel *Label23 = nullptr;
    QLabel *Label24 = nullptr;
    QLabel *Label14 = nullptr;
    QLabel *Label18 = nullptr;
    QLabel *Label19 = nullptr;
    QLabel *Label20 = nullptr;
    FontDialog *FontDialog1 = nullptr;
    // The dialog "Set font" asks: FontDialog1 unless a test puts another in its place.
    FontChooser *fontChooser = nullptr;
    // The Fonts page's sample of a block (Label12, Label13, Label16, Label17).
    QLabel *fontSample(TextSlot slot) const;
    // The summary line of a block (Label14, Label18, Label19, Label20).
    QLabel *summaryLine(TextSlot slot) const;
    // "Left", "Center", "Right" of a block's group.
    std::array<QRadioButton *, 3> alignmentButtons(TextSlot slot) const;
    void setBlockFont(TextSlot slot);
    void alignmentButtonChecked(TextSlot slot);

    // Frame, continued

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildMenu();
    void buildFrame();
    void pageShown(int index);

    // Declared first: destroyed last, after every observer that points at it.
    CaseDesign design_;
    // The Text, Colours and Fonts pages' logic and what shows it; declared after the design,
    // so destroyed before it, each page before the view it shows itself on.
    std::unique_ptr<DesignObserver> textBoxesObserver_;
    std::unique_ptr<ColorsPageView> colorsView_;
    std::unique_ptr<ColorsPage> colorsPage_;
    std::unique_ptr<FontsPageView> fontsView_;
    std::unique_ptr<FontsPage> fontsPage_;
    std::unique_ptr<FontChooser> fontDialogChooser_;
    std::unique_ptr<FileCommandUi> fileUi_;
    std::unique_ptr<FileCommands> fileCommands_;
    std::unique_ptr<DesignObserver> frameObserver_;
    // Image page (Unit1Image.cpp): after the design, so destroyed before it.
    std::unique_ptr<ImagePageView> imagePageView_;
    ImagePageWidgets *imagePageWidgets_ = nullptr; // the same object as imagePageView_
    std::unique_ptr<ImagePage> imagePage_;
    QLabel *statusPanel_ = nullptr;
    QFileDialog *openDialog_ = nullptr;
    QFileDialog *saveDialog_ = nullptr;
    bool shown_ = false;
};

// The program's main window, made at start-up and living until the program ends.
extern TForm1 *Form1;
