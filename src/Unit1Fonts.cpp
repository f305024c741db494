#include "Unit1.h"

void TForm1::buildFontsPage(QWidget *page)
{
    (void)page;
}

void TForm1::TabSheet4Show() { }
