#pragma once

#include "DesignFile.h"

// The picture step of a load where there is no Image page (the command-line tool): the stored
// path is taken as the chosen file when the page's file list would list it (an existing
// regular file whose name ends in ".bmp" in any letter case), and the picture is read from it.
class BitmapFileChooser : public ImageFileChooser
{
public:
    // Throws EFileError "Invalid file name - <path>" for a file the list would not show.
    void selectImageFile(CaseDesign &design, const std::string &path) override;
    // Reads design.imagePath with readBitmapFile; an empty path empties the picture.
    void loadChosenImage(CaseDesign &design) override;
};
