#pragma once

#include "CaseDesign.h"
#include "LaidOutPage.h"
#include "QRElements.h"
#include "QuickRep.h"

#include <memory>

// What the cut-out form's preview hook needs of the preview window.
class CutOutFormPreview
{
public:
    virtual ~CutOutFormPreview() = default;
    // The preview control (QRPreview1) lets go of the page set it showed and shows page 1 of
    // this one, once it is complete (TQRPageSet's changed handler says when).
    virtual void attachPageSet(std::shared_ptr<TQRPageSet> pages) = 0;
    // The preview window (Form4) is made visible, maximised and brought to the front.
    virtual void showPreviewWindow() = 0;
};

// The cut-out form: one A4 page with the folder (120 mm square) and the case paper (a 138 mm
// panel between two 6 mm spines), the marks, the heading and the note. Every run pours the
// current design into the elements first (QuickReport2BeforePrint).
class TQuickReport2 : public TQuickRep
{
public:
    // The design is read at every run; without one the start-up values of a design are used.
    explicit TQuickReport2(const DesignFields *design = nullptr);

    void setDesign(const DesignFields *design) { design_ = design; }
    const DesignFields *design() const { return design_; }
    void setPreview(CutOutFormPreview *preview) { preview_ = preview; }

    TQRShape QRShape1; // folder
    TQRShape QRShape2; // case paper between the spines
    TQRLabel QRLabel1; // folder title
    TQRMemo QRMemo1; // folder contents
    TQRShape QRShape3; // left spine
    TQRLabel QRLabel2; // case title
    TQRShape QRShape4; // right spine
    TQRMemo QRMemo2; // case contents
    TQRLabel QRLabel3; // scissors at the folder
    TQRLabel QRLabel4; // scissors at the case paper
    TQRLabel QRLabel5; // fold mark, left
    TQRLabel QRLabel6; // fold mark, right
    TQRLabel QRLabel7; // heading
    TQRLabel QRLabel8; // left side title
    TQRLabel QRLabel9; // right side title
    TQRMemo QRMemo3; // note
    TQRImage QRImage1; // picture on the folder
    TQRImage QRImage2; // picture on the case paper

    // The before-print handler: copies the design of this moment into the elements.
    // Never cancels the run (printReport stays true).
    void QuickReport2BeforePrint(TQuickRep &sender, bool &printReport);
    // The preview hook: attaches the preview control to the run's page set and shows the
    // preview window.
    void QuickReport2Preview(const std::shared_ptr<TQRPageSet> &sender);

private:
    const DesignFields *design_;
    CutOutFormPreview *preview_ = nullptr;
};

// The one cut-out form, made at start-up after the main window.
extern TQuickReport2 *QuickReport2;

// The side text of a title: each character followed by a carriage return.
QString sideText(const QString &title);
