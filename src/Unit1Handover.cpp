// The commands the main window hands over to the cut-out form (print, preview, printer
// set-up) and to the about box.
#include "Unit1.h"

void TForm1::printCutOutForm() { }

void TForm1::previewCutOutForm() { }

void TForm1::runPrinterSetup() { }

void TForm1::showAboutBox() { }
