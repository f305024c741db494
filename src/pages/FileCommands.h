#pragma once

#include "CaseDesign.h"
#include "DesignFile.h"

#include <functional>
#include <optional>
#include <string>

// The answers of the save-first question of New.
enum class SaveFirstAnswer { Yes, No, Cancel };

// What the file commands need of the windowing system. The main window answers with its
// message boxes and file dialogs; tests answer with scripted values. The status bar is not
// here: it follows the design's file name through DesignObserver::fileNameShown.
class FileCommandUi
{
public:
    virtual ~FileCommandUi() = default;
    // "Do you want to save first?" with Yes, No and Cancel (Escape and the close box: Cancel).
    virtual SaveFirstAnswer askSaveFirst() = 0;
    // The open dialog: a full path, or nothing when cancelled. A name that does not exist is
    // accepted.
    virtual std::optional<std::string> chooseFileToOpen() = 0;
    // The save dialog: a full path, or nothing when cancelled. No question for an existing name.
    virtual std::optional<std::string> chooseFileToSave() = 0;
    // A plain message box with the application title as caption.
    virtual void showMessage(const std::string &text) = 0;
};

// New, Open, Save and Save As on the one current design, and the two operations under them:
// Sejva (write under the current name) and Ny (make the design new). Errors of the design
// file are not caught here; they end the command and reach the window's error box.
class FileCommands
{
public:
    using Reader = std::function<void(CaseDesign &, const std::string &, ImageFileChooser *)>;
    using Writer = std::function<void(const CaseDesign &, const std::string &)>;

    FileCommands(CaseDesign &design, FileCommandUi &ui);

    // The Image page's part of a load (moving its file lists, loading the picture).
    void setImageFileChooser(ImageFileChooser *chooser) { images_ = chooser; }
    // The design file reader and writer; readDesignFile and writeDesignFile unless replaced.
    void setReader(Reader reader) { read_ = std::move(reader); }
    void setWriter(Writer writer) { write_ = std::move(writer); }
    void setUi(FileCommandUi &ui) { ui_ = &ui; }

    void New();
    void Open();
    void Save();
    void SaveAs();
    void Sejva();
    void Ny();

private:
    CaseDesign &design_;
    FileCommandUi *ui_;
    ImageFileChooser *images_ = nullptr;
    Reader read_;
    Writer write_;
};
