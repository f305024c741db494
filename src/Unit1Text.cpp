#include "Unit1.h"

void TForm1::buildTextPage(QWidget *page)
{
    (void)page;
}
