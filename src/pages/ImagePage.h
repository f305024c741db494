#pragma once

#include "CaseDesign.h"
#include "DesignFile.h"

#include <array>
#include <functional>
#include <memory>
#include <string>

// The linked file-system controls of the Image page, in the order they are switched.
enum class FileSystemControl { DriveBox, DirectoryList, FileList };
inline constexpr std::array<FileSystemControl, 3> kFileSystemControls {
    FileSystemControl::DriveBox, FileSystemControl::DirectoryList, FileSystemControl::FileList};

// Background of the file-system controls while they can be used, and while no picture is used.
inline constexpr TColor kUsableControlColor = clWhite;
inline constexpr TColor kUnusableControlColor = clSilver;

// What selecting a file by its path did to the file list.
struct FileSelection
{
    bool reread = false; // the lists moved to another folder and the file list re-read it
    bool selected = false; // the file is now the selected entry
};

// What the Image page's logic needs of its window.
class ImagePageView
{
public:
    virtual ~ImagePageView() = default;
    virtual void setControlEnabled(FileSystemControl control, bool enabled) = 0;
    virtual void setControlColor(FileSystemControl control, TColor color) = 0;
    // Checks the placement's radio button without running the placement handler again.
    virtual void showPlacement(ImagePlacement placement) = 0;
    // The file list's selected file as a full path; empty when none is selected.
    virtual std::string selectedFilePath() const = 0;
    // Moves the drive box, directory list and file list to the path's folder when it exists
    // and selects the file there, without reporting the file list's changes.
    virtual FileSelection selectFilePath(const std::string &path) = 0;
    // The preview image; null shows it empty.
    virtual void showPicture(const std::shared_ptr<const Picture> &picture) = 0;
};

// Loads a picture from a file path; throws the reader's error with its message.
using BitmapLoader = std::function<std::shared_ptr<const Picture>(const std::string &path)>;

// The Image page: the placement and which file is the picture. It observes the design so that
// a placement applied by New or Open switches the controls as a chosen one does, and it is the
// picture step of a load.
class ImagePage : public DesignObserver, public ImageFileChooser
{
public:
    ImagePage(CaseDesign &design, ImagePageView &view, BitmapLoader loadBitmap);
    ~ImagePage() override;
    ImagePage(const ImagePage &) = delete;
    ImagePage &operator=(const ImagePage &) = delete;

    // A placement button became the checked one: switch the controls, then set modified.
    void placementChosen(ImagePlacement placement);
    // The file list changed its selection or re-read its folder: the selected file becomes
    // the picture, none empties it. Never sets modified. On a reader error the file stays
    // chosen (imagePath names it) and the previous picture stays.
    void fileListChanged();

    // Selecting by path, as Open does. An empty path changes nothing. When the file cannot
    // be selected, throws EFileError "Invalid file name - <path>" (after the lists moved to
    // its folder when that folder exists, which empties the picture). The picture itself is
    // loaded by the fileListChanged that follows.
    void selectFileByPath(const std::string &path);

    void placementApplied(ImagePlacement placement) override;

    // Both act on the design this page was made for.
    void selectImageFile(CaseDesign &design, const std::string &path) override;
    void loadChosenImage(CaseDesign &design) override;

private:
    void switchControls(ImagePlacement placement);
    void setPicture(std::shared_ptr<const Picture> picture);

    CaseDesign &design_;
    ImagePageView &view_;
    BitmapLoader loadBitmap_;
};
