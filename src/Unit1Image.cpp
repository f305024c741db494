#include "ApplicationSetup.h"
#include "BitmapReader.h"
#include "CommandGuard.h"
#include "DirectoryListBox.h"
#include "DriveComboBox.h"
#include "FileListBox.h"
#include "FileSystemControl.h"
#include "ImagePicture.h"
#include "ScreenLook.h"
#include "Unit1.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QRadioButton>
#include <QSignalBlocker>

namespace {

// Positions in pixels at 96 dots per inch: the panel within the page, the next eight within
// the panel, the three file-system controls within the page.
constexpr QRect kPanelRect(0, 8, 281, 137);
constexpr QRect kHintLabelRect(8, 8, 137, 57);
constexpr QRect kPlacementRects[4] {
    {8, 64, 113, 17}, {8, 80, 153, 17}, {8, 96, 145, 17}, {8, 112, 129, 17}};
constexpr QRect kPreviewFrameRect(168, 8, 105, 121);
constexpr QRect kPreviewLabelRect(176, 14, 89, 13);
constexpr QRect kPreviewRect(176, 32, 89, 89);

constexpr QPoint kDriveBoxAt(0, 160);
constexpr int kDriveBoxWidth = 137;
constexpr QRect kDirectoryListRect(144, 160, 137, 177);
constexpr QRect kFileListRect(0, 184, 137, 153);

constexpr ImagePlacement kPlacements[4] {ImagePlacement::None, ImagePlacement::FolderOnly,
                                         ImagePlacement::CaseOnly, ImagePlacement::Both};

// The picture stretched into the preview square at the screen's resolution, made once, so that
// the label keeps no full-size copy of a large picture.
QImage squareThumbnail(const QImage &image)
{
    const QSize square = kPreviewRect.size() * 2; // room for a screen of twice the density
    return image.scaled(square, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QLabel *tealLabel(const QString &text, const QRect &rect, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(rect);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setFont(formFont());
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, screenColor(clTeal));
    label->setPalette(palette);
    return label;
}

} // namespace

// The page's widgets as its logic sees them.
class ImagePageWidgets : public ImagePageView
{
public:
    explicit ImagePageWidgets(TForm1 &form)
        : form_(form)
    {
    }

    // While the logic selects by path, the file list's change reports are its own business.
    bool selectingByPath = false;

    void setControlEnabled(FileSystemControl control, bool enabled) override
    {
        widget(control)->setEnabled(enabled);
    }
    void setControlColor(FileSystemControl control, TColor color) override
    {
        setFileSystemControlBackground(widget(control), screenColor(color));
    }
    void showPlacement(ImagePlacement placement) override
    {
        QRadioButton *buttons[4] {form_.RadioButton9, form_.RadioButton10, form_.RadioButton11,
                                  form_.RadioButton12};
        const QSignalBlocker b0(buttons[0]), b1(buttons[1]), b2(buttons[2]), b3(buttons[3]);
        buttons[static_cast<int>(placement)]->setChecked(true);
    }
    std::string selectedFilePath() const override
    {
        return form_.FileListBox1->fileName().toStdString();
    }
    FileSelection selectFilePath(const std::string &path) override
    {
        selectingByPath = true;
        const QString before = form_.FileListBox1->directory();
        FileSelection result;
        result.selected = form_.FileListBox1->setFileName(QString::fromStdString(path));
        result.reread = form_.FileListBox1->directory() != before;
        selectingByPath = false;
        return result;
    }
    void showPicture(const std::shared_ptr<const Picture> &picture) override
    {
        const QImage image = ImagePicture::imageOf(picture.get());
        if (image.isNull())
            form_.Image1->clear();
        else
            form_.Image1->setPixmap(QPixmap::fromImage(squareThumbnail(image)));
    }

private:
    QWidget *widget(FileSystemControl control) const
    {
        switch (control) {
        case FileSystemControl::DriveBox:
            return form_.DriveComboBox1;
        case FileSystemControl::DirectoryList:
            return form_.DirectoryListBox1;
        case FileSystemControl::FileList:
            break;
        }
        return form_.FileListBox1;
    }

    TForm1 &form_;
};

void TForm1::buildImagePage(QWidget *page)
{
    Panel1 = new QFrame(page);
    Panel1->setGeometry(kPanelRect);
    // A lowered outer and a raised inner bevel: Qt draws that pair as a sunken box.
    Panel1->setFrameStyle(QFrame::Box | QFrame::Sunken);

    Label15 = tealLabel(QStringLiteral("Remember that images will be stretched in to a square. "
                                       "For best result use images in square format."),
                        kHintLabelRect, Panel1);
    Label15->setWordWrap(true);

    const QString captions[4] {
        QStringLiteral("&Don't use image"), QStringLiteral("Image &on folder paper only"),
        QStringLiteral("Image o&n case paper only"), QStringLiteral("Image on bot&h")};
    QRadioButton **buttons[4] {&RadioButton9, &RadioButton10, &RadioButton11, &RadioButton12};
    for (int i = 0; i < 4; ++i) {
        auto *button = new QRadioButton(captions[i], Panel1);
        button->setGeometry(kPlacementRects[i]);
        *buttons[i] = button;
    }
    RadioButton9->setChecked(true);
    for (QRadioButton **button : buttons) {
        connect(*button, &QRadioButton::toggled, this, [this](bool checked) {
            if (checked)
                RadioButton9Click();
        });
    }

    Bevel3 = new QFrame(Panel1);
    Bevel3->setGeometry(kPreviewFrameRect);
    Bevel3->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Label11 = tealLabel(QStringLiteral("Current image:"), kPreviewLabelRect, Panel1);
    Image1 = new QLabel(Panel1);
    Image1->setGeometry(kPreviewRect);
    Image1->setScaledContents(true); // stretched to the square, aspect not kept

    DriveComboBox1 = new DriveComboBox(page);
    DriveComboBox1->move(kDriveBoxAt);
    DriveComboBox1->resize(kDriveBoxWidth, DriveComboBox1->sizeHint().height());
    DirectoryListBox1 = new DirectoryListBox(page);
    DirectoryListBox1->setGeometry(kDirectoryListRect);
    FileListBox1 = new FileListBox(page);
    FileListBox1->setGeometry(kFileListRect);
    DriveComboBox1->setDirList(DirectoryListBox1);
    DirectoryListBox1->setFileList(FileListBox1);
    connect(FileListBox1, &FileListBox::changed, this, &TForm1::FileListBox1Change);

    auto view = std::make_unique<ImagePageWidgets>(*this);
    imagePageWidgets_ = view.get();
    imagePage_ = std::make_unique<ImagePage>(
        design_, *view, [](const std::string &path) -> std::shared_ptr<const Picture> {
            return readBitmapFile(path);
        });
    imagePageView_ = std::move(view);
    // At start-up no picture is used: the three controls are disabled and silver.
    for (FileSystemControl control : kFileSystemControls) {
        imagePageView_->setControlEnabled(control, false);
        imagePageView_->setControlColor(control, kUnusableControlColor);
    }
}

ImageFileChooser *TForm1::imageFileChooser()
{
    return imagePage_.get();
}

void TForm1::RadioButton9Click()
{
    runGuarded([this] {
        const QRadioButton *buttons[4] {RadioButton9, RadioButton10, RadioButton11, RadioButton12};
        for (int i = 0; i < 4; ++i) {
            if (buttons[i]->isChecked())
                imagePage_->placementChosen(kPlacements[i]);
        }
    });
}

void TForm1::FileListBox1Change()
{
    if (!imagePage_ || imagePageWidgets_->selectingByPath)
        return;
    runGuarded([this] { imagePage_->fileListChanged(); });
}
