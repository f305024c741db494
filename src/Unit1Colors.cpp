#include "Unit1.h"

void TForm1::buildColorsPage(QWidget *page)
{
    (void)page;
}

void TForm1::TabSheet2Show() { }
