#include "FileCommands.h"

#include <utility>

FileCommands::FileCommands(CaseDesign &design, FileCommandUi &ui)
    : design_(design)
    , ui_(&ui)
    , read_([](CaseDesign &d, const std::string &name, ImageFileChooser *images) {
        readDesignFile(d, name, images);
    })
    , write_([](const CaseDesign &d, const std::string &name) { writeDesignFile(d, name); })
{
}

void FileCommands::New()
{
    if (design_.modified) {
        switch (ui_->askSaveFirst()) {
        case SaveFirstAnswer::Yes:
            Save();
            // Still modified: the save dialog was cancelled, so the edits stay.
            if (design_.modified)
                return;
            break;
        case SaveFirstAnswer::No:
            break;
        case SaveFirstAnswer::Cancel:
            return;
        }
    }
    Ny();
}

void FileCommands::Open()
{
    const std::optional<std::string> path = ui_->chooseFileToOpen();
    if (!path)
        return;
    // The status bar keeps the old name until the load is complete.
    design_.fileName = *path;
    try {
        read_(design_, design_.fileName, images_);
    } catch (...) {
        // The design is now half loaded. Under the chosen name a later Save would overwrite
        // the user's good file with it, so the design loses its name and Save asks for one.
        design_.setFileName(kUntitled);
        throw;
    }
    design_.showFileName();
    design_.modified = false;
}

void FileCommands::Save()
{
    if (design_.fileName == kUntitled)
        SaveAs();
    else
        Sejva();
}

void FileCommands::SaveAs()
{
    const std::optional<std::string> path = ui_->chooseFileToSave();
    if (!path)
        return;
    const std::string previousName = design_.fileName;
    design_.fileName = *path;
    try {
        Sejva();
    } catch (...) {
        // Nothing was saved under the new name: Save keeps writing where it wrote before.
        design_.fileName = previousName;
        throw;
    }
    design_.showFileName();
}

void FileCommands::Sejva()
{
    if (design_.fileName == kUntitled) {
        ui_->showMessage("No filename selected");
        return;
    }
    write_(design_, design_.fileName);
    design_.modified = false;
}

void FileCommands::Ny()
{
    design_.resetToNew();
}
