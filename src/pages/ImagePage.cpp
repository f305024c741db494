#include "ImagePage.h"

#include <utility>

ImagePage::ImagePage(CaseDesign &design, ImagePageView &view, BitmapLoader loadBitmap)
    : design_(design)
    , view_(view)
    , loadBitmap_(std::move(loadBitmap))
{
    design_.addObserver(this);
}

ImagePage::~ImagePage()
{
    design_.removeObserver(this);
}

void ImagePage::placementChosen(ImagePlacement placement)
{
    if (placement != design_.imagePlacement) {
        design_.applyPlacement(placement); // switches the controls through placementApplied
        return;
    }
    // The design already holds it (the button and the design were out of step): the handler
    // still does both of its steps.
    switchControls(placement);
    design_.modified = true;
}

void ImagePage::placementApplied(ImagePlacement placement)
{
    view_.showPlacement(placement);
    switchControls(placement);
}

void ImagePage::switchControls(ImagePlacement placement)
{
    const bool usable = placement != ImagePlacement::None;
    for (FileSystemControl control : kFileSystemControls) {
        view_.setControlEnabled(control, usable);
        view_.setControlColor(control, usable ? kUsableControlColor : kUnusableControlColor);
    }
}

void ImagePage::setPicture(std::shared_ptr<const Picture> picture)
{
    design_.picture = std::move(picture);
    view_.showPicture(design_.picture);
}

void ImagePage::fileListChanged()
{
    const std::string path = view_.selectedFilePath();
    design_.imagePath = path;
    if (path.empty()) {
        setPicture(nullptr);
        return;
    }
    setPicture(loadBitmap_(path));
}

void ImagePage::selectFileByPath(const std::string &path)
{
    if (path.empty())
        return;
    const FileSelection selection = view_.selectFilePath(path);
    if (selection.reread) { // the re-read's change report, with nothing selected yet
        design_.imagePath.clear();
        setPicture(nullptr);
    }
    if (!selection.selected)
        throw EFileError("Invalid file name - " + path);
    design_.imagePath = view_.selectedFilePath();
}

void ImagePage::selectImageFile(CaseDesign &, const std::string &path)
{
    selectFileByPath(path);
}

void ImagePage::loadChosenImage(CaseDesign &)
{
    fileListChanged();
}
