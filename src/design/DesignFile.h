#pragma once

#include "CaseDesign.h"
#include "FileError.h"

#include <string>

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

// A design holds at most this many contents lines. A file whose "no" in section "cont" says
// more fails to load (EFileError) instead of exhausting memory, and a design with more fails
// to save before anything is written, so every saved design can be opened again.
inline constexpr int kMaxContentsLines = 1048576;

// Writes the design to fileName in one atomic step; the previous file stays intact when
// the save fails (EFileError "Unable to write to <fileName>").
void writeDesignFile(const CaseDesign &design, const std::string &fileName);

// Loads fileName into the design in the order of the reader's eleven steps. A failure ends the
// load at its step (EConvertError, EFileError or the chooser's error) with earlier steps applied.
// Without a chooser the picture step only records the stored path (a non-empty "imgpath",
// or "(none)" when the key is missing) in imagePath and leaves the picture as it is, so a
// design can be inspected without the pictures it names being present.
void readDesignFile(CaseDesign &design, const std::string &fileName,
                    ImageFileChooser *images = nullptr);

class ProfileFile;
// The two halves of the above without the file itself: the writer's ten steps applied to a
// profile in memory, and the reader's eleven steps taken from one.
void writeDesignProfile(const CaseDesign &design, ProfileFile &profile);
void readDesignProfile(CaseDesign &design, const ProfileFile &profile,
                       ImageFileChooser *images = nullptr);
