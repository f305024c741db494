// The commands the main window hands over to the cut-out form (print, preview, printer
// set-up) and to the about box.
#include "ReportOperations.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"

void TForm1::printCutOutForm()
{
    reportPrint(*QuickReport2);
}

// The cut-out form's preview hook shows the preview window (Unit4) with the new page.
void TForm1::previewCutOutForm()
{
    reportPreview(*QuickReport2);
}

void TForm1::runPrinterSetup()
{
    reportPrinterSetup(*QuickReport2);
}

void TForm1::exportCutOutFormPdf()
{
    reportExportPdf(*QuickReport2);
}

void TForm1::showAboutBox()
{
    AboutBox->exec();
}
