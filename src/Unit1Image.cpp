#include "Unit1.h"

void TForm1::buildImagePage(QWidget *page)
{
    (void)page;
}

ImageFileChooser *TForm1::imageFileChooser()
{
    return nullptr;
}
