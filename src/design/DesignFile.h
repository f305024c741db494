#pragma once

#include "CaseDesign.h"

#include <stdexcept>
#include <string>

// A file that cannot be written ("Unable to write to %s") or read.
class EFileError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// What a load needs of the Image page for its picture step: the page moves its file lists to
// the stored file and loads the picture from it, as when the user picks a file.
class ImageFileChooser
{
public:
    virtual ~ImageFileChooser() = default;
    // Makes a non-empty path the chosen picture file. Throws the page's file error when no
    // such file exists (the lists have then moved to its folder when that folder exists).
    virtual void selectImageFile(CaseDesign &design, const std::string &path) = 0;
    // Loads the picture from the chosen file into design.picture and sets design.imagePath;
    // with no file chosen both become empty. Throws the bitmap reader's error.
    virtual void loadChosenImage(CaseDesign &design) = 0;
};

// Writes the design to fileName in one atomic step; the previous file stays intact when
// the save fails (EFileError "Unable to write to <fileName>").
void writeDesignFile(const CaseDesign &design, const std::string &fileName);

// Loads fileName into the design in the order of the reader's eleven steps. A failure ends the
// load at its step (EConvertError, EFileError or the chooser's error) with earlier steps applied.
// Without a chooser the picture step only records the stored path.
void readDesignFile(CaseDesign &design, const std::string &fileName,
    ImageFileChooser *images = nullptr);
