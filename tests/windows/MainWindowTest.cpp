#include "AppText.h"
#include "CommandGuard.h"
#include "Unit1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

namespace {

// What a modal message box showed, and how the test answered it.
struct SeenBox
{
    bool seen = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

using Answer = std::function<void(QWidget *)>;

// Answers the modal windows that open next, one answer each in the order they open, and
// records the message boxes among them. Make it before the action that opens them; it stops
// when it goes out of scope. A window that nobody answers is closed after a few seconds,
// failing the test, so that no test hangs.
class ModalAnswers
{
public:
    explicit ModalAnswers(std::vector<Answer> answers)
        : answers_(std::move(answers))
        , seen_(answers_.size())
    {
        deadline_.start();
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start(20);
    }

    const SeenBox &seen(std::size_t index) const { return seen_.at(index); }

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (deadline_.elapsed() > 5000) {
            ADD_FAILURE() << "a modal window was not answered";
            timer_.stop();
            if (modal)
                modal->close();
            return;
        }
        // Answered already, or not ours to answer (the deadline closes it).
        if (!modal || modal == current_.data() || next_ == answers_.size())
            return;
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            SeenBox &s = seen_[next_];
            s.seen = true;
            s.title = box->windowTitle();
            s.text = box->text();
            s.icon = box->icon();
            s.buttons = box->standardButtons();
            s.defaultButton = box->standardButton(box->defaultButton());
        }
        current_ = modal;
        answers_[next_++](modal);
    }

    std::vector<Answer> answers_;
    std::vector<SeenBox> seen_;
    std::size_t next_ = 0;
    QPointer<QWidget> current_;
    QElapsedTimer deadline_;
    QTimer timer_;
};

// Types a full path into a file dialog and presses its Open or Save button.
Answer chooseFile(const QString &path)
{
    return [path](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(path);
        static_cast<QDialog *>(dialog)->accept();
    };
}

void pressOk(QWidget *modal)
{
    static_cast<QMessageBox *>(modal)->button(QMessageBox::Ok)->click();
}

// Records which file command asked for what, in place of the dialogs.
class RecordingUi : public FileCommandUi
{
public:
    explicit RecordingUi(std::vector<std::string> &events)
        : events_(events)
    {
    }
    std::optional<std::string> openPath;
    SaveFirstAnswer askSaveFirst() override
    {
        events_.emplace_back("question");
        return SaveFirstAnswer::Cancel;
    }
    std::optional<std::string> chooseFileToOpen() override
    {
        events_.emplace_back("open dialog");
        return openPath;
    }
    std::optional<std::string> chooseFileToSave() override
    {
        events_.emplace_back("save dialog");
        return std::nullopt;
    }
    void showMessage(const std::string &text) override { events_.push_back("message " + text); }

private:
    std::vector<std::string> &events_;
};

class MainWindowTest : public ::testing::Test
{
protected:
    TForm1 form;
    std::vector<std::string> events;
    RecordingUi ui {events};

    void recordCommands()
    {
        form.fileCommands().setUi(ui);
        form.handover
            = {[this] { events.emplace_back("print"); }, [this] { events.emplace_back("preview"); },
               [this] { events.emplace_back("printer setup"); },
               [this] { events.emplace_back("about"); },
               [this] {
                   events.emplace_back("export pdf");
               }};
    }
};

TEST_F(MainWindowTest, FrameIsLaidOutAsTheFormSays)
{
    form.show();
    EXPECT_EQ(form.windowTitle(), "CD Vennix Designer");
    EXPECT_EQ(form.centralWidget()->size(), QSize(289, 438));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_EQ(form.height(), form.MainMenu1->height() + 438);
    const Qt::WindowFlags flags = form.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);

    EXPECT_EQ(form.PageControl1->geometry(), QRect(0, 0, 289, 377));
    ASSERT_EQ(form.PageControl1->count(), 4);
    const QStringList tabs {"Text", "Colors", "Image", "Fonts"};
    const QWidget *sheets[] = {form.TabSheet1, form.TabSheet2, form.TabSheet3, form.TabSheet4};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(form.PageControl1->tabText(i), tabs[i]);
        EXPECT_EQ(form.PageControl1->widget(i), sheets[i]);
    }

    struct Button
    {
        QPushButton *button;
        QRect rect;
        const char *caption;
        const char *hint;
    };
    for (const Button &b :
         {Button {form.BitBtn1, {32, 384, 57, 25}, "&Print", "Print cut out form"},
          Button {form.BitBtn2, {104, 384, 73, 25}, "Pre&view", "Preview cut out form"},
          Button {form.BitBtn3, {192, 384, 57, 25}, "E&xit", "Exit CD Vennix Designer"}}) {
        EXPECT_EQ(b.button->geometry(), b.rect) << b.caption;
        EXPECT_EQ(b.button->text(), b.caption);
        EXPECT_EQ(b.button->toolTip(), b.hint);
        EXPECT_EQ(b.button->iconSize(), QSize(16, 16));
        EXPECT_FALSE(b.button->icon().isNull()) << b.caption;
        // The glyph, a gap and the caption fit between the button's margins.
        const int margins
            = 2 * b.button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, b.button);
        const int caption
            = b.button->fontMetrics().horizontalAdvance(QString(b.caption).remove('&'));
        EXPECT_LE(margins + 16 + 4 + caption, b.rect.width()) << b.caption;
    }

    EXPECT_EQ(form.StatusBar1->geometry(), QRect(0, 416, 289, 22));
    EXPECT_FALSE(form.StatusBar1->isSizeGripEnabled());
    EXPECT_EQ(form.StatusBar1->findChildren<QLabel *>().size(), 1);
    EXPECT_EQ(QFontInfo(form.font()).pixelSize(), 11); // 8 points at 96 dots per inch
}

TEST_F(MainWindowTest, OpensOnTheTextPageShowingUntitled)
{
    form.PageControl1->setCurrentWidget(form.TabSheet4);
    EXPECT_EQ(form.statusPanelText(), "");
    form.show();
    EXPECT_EQ(form.PageControl1->currentWidget(), form.TabSheet1);
    EXPECT_EQ(form.statusPanelText(), "Untitled");
    EXPECT_EQ(form.design().fileName, kUntitled);
    EXPECT_FALSE(form.design().modified);
}

TEST_F(MainWindowTest, MenuHasItsItemsInOrderWithoutShortcuts)
{
    QStringList items;
    for (const QAction *action : form.File1->actions())
        items << (action->isSeparator() ? QStringLiteral("-") : action->text());
    EXPECT_EQ(items,
              QStringList({"&New", "&Open...", "&Save", "Save &As...", "-", "Pre&view...",
                           "Printer S&etup...", "&Print...", "Export P&DF...", "-", "E&xit"}));
    const QList<QAction *> bar = form.MainMenu1->actions();
    ASSERT_EQ(bar.size(), 2);
    EXPECT_EQ(bar[0], form.File1->menuAction());
    EXPECT_EQ(bar[0]->text(), "&File");
    EXPECT_EQ(bar[1], form.About1);
    EXPECT_EQ(form.About1->text(), "&About");
    EXPECT_EQ(form.About1->menu(), nullptr); // runs at once, no menu drops down
    for (const QAction *action : form.File1->actions())
        EXPECT_TRUE(action->shortcut().isEmpty()) << action->text().toStdString();
}

TEST_F(MainWindowTest, TabOrderRunsThroughTheButtonsToThePages)
{
    QWidget *pages
        = form.PageControl1->focusProxy() ? form.PageControl1->focusProxy() : form.PageControl1;
    EXPECT_EQ(form.BitBtn1->nextInFocusChain(), form.BitBtn2);
    EXPECT_EQ(form.BitBtn2->nextInFocusChain(), form.BitBtn3);
    EXPECT_TRUE(form.BitBtn3->nextInFocusChain() == form.PageControl1
                || form.BitBtn3->nextInFocusChain() == pages);
}

// Wiring: which control runs which handler

struct WiringCase
{
    const char *name;
    std::function<void(TForm1 &)> activate;
    const char *event;
};

class Wiring : public MainWindowTest, public ::testing::WithParamInterface<WiringCase>
{
};

TEST_P(Wiring, ControlRunsItsHandler)
{
    recordCommands();
    form.show();
    form.design().modified = true; // so that New asks
    GetParam().activate(form);
    if (std::string(GetParam().event) == "closed") {
        EXPECT_TRUE(events.empty());
        EXPECT_FALSE(form.isVisible()); // no question about the modified design
    } else {
        EXPECT_EQ(events, std::vector<std::string> {GetParam().event});
        EXPECT_TRUE(form.isVisible());
    }
}

INSTANTIATE_TEST_SUITE_P(
    MainWindow, Wiring,
    ::testing::Values(
        WiringCase {"menu_new", [](TForm1 &f) { f.New1->trigger(); }, "question"},
        WiringCase {"menu_open", [](TForm1 &f) { f.Open1->trigger(); }, "open dialog"},
        WiringCase {"menu_save_untitled", [](TForm1 &f) { f.Save1->trigger(); }, "save dialog"},
        WiringCase {"menu_save_as", [](TForm1 &f) { f.SaveAs1->trigger(); }, "save dialog"},
        WiringCase {"menu_preview", [](TForm1 &f) { f.Preview1->trigger(); }, "preview"},
        WiringCase {"button_preview", [](TForm1 &f) { f.BitBtn2->click(); }, "preview"},
        WiringCase {"menu_printer_setup", [](TForm1 &f) { f.Printersettings1->trigger(); },
                    "printer setup"},
        WiringCase {"menu_print", [](TForm1 &f) { f.Print1->trigger(); }, "print"},
        WiringCase {"button_print", [](TForm1 &f) { f.BitBtn1->click(); }, "print"},
        WiringCase {"menu_about", [](TForm1 &f) { f.About1->trigger(); }, "about"},
        WiringCase {"menu_export_pdf", [](TForm1 &f) { f.ExportPDF1->trigger(); }, "export pdf"},
        WiringCase {"menu_exit", [](TForm1 &f) { f.Exit1->trigger(); }, "closed"},
        WiringCase {"button_exit", [](TForm1 &f) { f.BitBtn3->click(); }, "closed"},
        WiringCase {"close_box", [](TForm1 &f) { f.close(); }, "closed"}),
    [](const auto &info) { return std::string(info.param.name); });

// Errors and messages

TEST_F(MainWindowTest, AnErrorEndsTheCommandInTheErrorBoxAndTheProgramGoesOn)
{
    recordCommands();
    form.show();
    form.handover.print = [] {
        throw std::runtime_error("Printer on fire");
    };
    ModalAnswers modals({pressOk});
    form.BitBtn1->click();
    const SeenBox &box = modals.seen(0);
    ASSERT_TRUE(box.seen);
    EXPECT_EQ(box.text, "Printer on fire.");
    EXPECT_EQ(box.title, "CD Vennix Case 2000");
    EXPECT_EQ(box.icon, QMessageBox::Critical);
    EXPECT_EQ(box.buttons, QMessageBox::Ok);

    form.BitBtn2->click();
    EXPECT_EQ(events, std::vector<std::string> {"preview"});
}

TEST_F(MainWindowTest, ErrorBoxShowsMarkupAsPlainText)
{
    ModalAnswers modals({[](QWidget *modal) {
        EXPECT_EQ(static_cast<QMessageBox *>(modal)->textFormat(), Qt::PlainText);
        pressOk(modal);
    }});
    runGuarded([] { throw std::runtime_error("'<b>x</b>' is not a valid integer value"); });
    EXPECT_EQ(modals.seen(0).text, "'<b>x</b>' is not a valid integer value.");
}

TEST_F(MainWindowTest, SejvaOnAnUntitledDesignShowsAPlainMessage)
{
    ModalAnswers modals({pressOk});
    form.Sejva();
    const SeenBox &box = modals.seen(0);
    ASSERT_TRUE(box.seen);
    EXPECT_EQ(box.text, "No filename selected");
    EXPECT_EQ(box.title, "CD Vennix Case 2000");
    EXPECT_EQ(box.icon, QMessageBox::NoIcon);
    EXPECT_EQ(box.buttons, QMessageBox::Ok);
}

struct QuestionCase
{
    const char *name;
    std::function<void(QMessageBox *)> answer;
    bool resets;
};

class SaveFirstQuestion : public MainWindowTest, public ::testing::WithParamInterface<QuestionCase>
{
};

TEST_P(SaveFirstQuestion, AnswersAsTheUserChose)
{
    form.show();
    form.design().title = "My CD";
    form.design().modified = true;
    ModalAnswers modals({[](QWidget *modal) {
        GetParam().answer(static_cast<QMessageBox *>(modal));
    }});
    form.New1->trigger();
    const SeenBox &box = modals.seen(0);
    ASSERT_TRUE(box.seen);
    EXPECT_EQ(box.title, "New...");
    EXPECT_EQ(box.text, "Do you want to save first?");
    EXPECT_EQ(box.icon, QMessageBox::Question);
    EXPECT_EQ(box.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(box.defaultButton, QMessageBox::Yes);
    EXPECT_EQ(form.design().title.empty(), GetParam().resets);
    EXPECT_EQ(form.design().modified, !GetParam().resets);
}

INSTANTIATE_TEST_SUITE_P(
    MainWindow, SaveFirstQuestion,
    ::testing::Values(
        QuestionCase {"no_resets", [](QMessageBox *b) { b->button(QMessageBox::No)->click(); },
                      true},
        QuestionCase {"cancel_keeps",
                      [](QMessageBox *b) { b->button(QMessageBox::Cancel)->click(); }, false},
        QuestionCase {"escape_is_cancel",
                      [](QMessageBox *b) { QTest::keyClick(b, Qt::Key_Escape); }, false},
        QuestionCase {"close_box_is_cancel", [](QMessageBox *b) { b->close(); }, false}),
    [](const auto &info) { return std::string(info.param.name); });

// File dialogs and files

TEST_F(MainWindowTest, FileDialogsFilterDesignFiles)
{
    QFileDialog *open = form.OpenDialog1();
    EXPECT_EQ(open->acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(open->fileMode(), QFileDialog::AnyFile); // a name that does not exist is accepted
    EXPECT_EQ(open->defaultSuffix(), "vnx");
    EXPECT_EQ(open->nameFilters(), QStringList {"CD Vennix Designer Files (*.vnx)"});
    QFileDialog *save = form.SaveDialog1();
    EXPECT_EQ(save->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(save->defaultSuffix(), "vnx");
    EXPECT_EQ(save->nameFilters(), QStringList {"CD Vennix Designer File (*.vnx)"});
    EXPECT_TRUE(save->testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_EQ(form.OpenDialog1(), open); // one dialog each, remembering the last name
}

TEST_F(MainWindowTest, OpenOfANameThatDoesNotExistGivesADefaultDesignUnderThatName)
{
    QTemporaryDir dir;
    form.show();
    form.design().title = "My CD";
    form.design().modified = true;
    ModalAnswers modals({chooseFile(dir.filePath("fresh"))});
    form.Open1->trigger();
    const QString expected = dir.filePath("fresh.vnx"); // the dialog adds the extension
    EXPECT_EQ(form.statusPanelText(), expected);
    EXPECT_EQ(form.design().fileName, expected.toStdString());
    EXPECT_TRUE(form.design().title.empty());
    EXPECT_FALSE(form.design().modified);
    EXPECT_FALSE(QFileInfo::exists(expected));
}

TEST_F(MainWindowTest, FailedOpenShowsTheErrorAndLeavesTheDesignUntitled)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("broken.vnx").toStdString();
    std::ofstream(path) << "[title]\ntext=Loaded\n[ftf]\nsize=big\n";
    recordCommands();
    ui.openPath = path;
    form.show();
    ModalAnswers modals({pressOk});
    form.Open1->trigger();
    const SeenBox &box = modals.seen(0);
    ASSERT_TRUE(box.seen);
    EXPECT_EQ(box.text, "'big' is not a valid integer value.");
    EXPECT_EQ(box.icon, QMessageBox::Critical);
    EXPECT_EQ(form.design().title, "Loaded");
    EXPECT_EQ(form.statusPanelText(), "Untitled");
}

TEST_F(MainWindowTest, SaveAsWritesTheFileAndFailedSaveAsKeepsTheName)
{
    QTemporaryDir dir;
    const QString good = dir.filePath("good.vnx");
    form.show();
    form.design().title = "My CD";
    {
        ModalAnswers modals({chooseFile(good)});
        form.SaveAs1->trigger();
    }
    EXPECT_TRUE(QFileInfo::exists(good));
    // The dialog offers the name last chosen in it.
    EXPECT_EQ(form.SaveDialog1()->selectedFiles().value(0), good);
    EXPECT_EQ(form.statusPanelText(), good);

    ModalAnswers modals({chooseFile(dir.filePath("no-such-folder/bad.vnx")), pressOk});
    form.SaveAs1->trigger();
    const SeenBox &box = modals.seen(1);
    ASSERT_TRUE(box.seen);
    EXPECT_EQ(box.icon, QMessageBox::Critical);
    EXPECT_EQ(box.text, "Unable to write to " + dir.filePath("no-such-folder/bad.vnx") + ".");
    EXPECT_EQ(form.statusPanelText(), good);
    EXPECT_EQ(form.design().fileName, good.toStdString());
}

TEST(ImageList1, HoldsTheColourSquaresAndGlyphs)
{
    const ImageList images;
    ASSERT_EQ(images.count(), 23);
    const QColor squares[] = {Qt::black,
                              QColor(128, 0, 0),
                              QColor(0, 128, 0),
                              QColor(128, 128, 0),
                              QColor(0, 0, 128),
                              QColor(128, 0, 128),
                              QColor(0, 128, 128),
                              QColor(128, 128, 128),
                              QColor(192, 192, 192),
                              Qt::red,
                              Qt::green,
                              Qt::yellow,
                              Qt::blue,
                              Qt::magenta,
                              Qt::cyan,
                              Qt::white};
    for (int i = 0; i < images.count(); ++i) {
        const QImage image = images.pixmap(i).toImage();
        EXPECT_EQ(images.pixmap(i).deviceIndependentSize(), QSizeF(16, 16)) << i;
        if (i < 16)
            EXPECT_EQ(image.pixelColor(image.width() / 2, image.height() / 2), squares[i]) << i;
        else
            EXPECT_GT(image.pixelColor(image.width() / 2, image.height() / 2).alpha()
                          + image.pixelColor(4, 4).alpha(),
                      0)
                << "glyph " << i << " is empty";
    }
}

} // namespace
