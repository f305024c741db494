#include "BitmapFileChooser.h"

#include "BitmapReader.h"

#include <QFileInfo>
#include <QString>

void BitmapFileChooser::selectImageFile(CaseDesign &design, const std::string &path)
{
    const QFileInfo info(QString::fromStdString(path));
    if (!info.isFile() || !info.fileName().endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive))
        throw EFileError("Invalid file name - " + path);
    design.imagePath = info.absoluteFilePath().toStdString();
}

void BitmapFileChooser::loadChosenImage(CaseDesign &design)
{
    if (design.imagePath.empty()) {
        design.picture.reset();
        return;
    }
    design.picture = readBitmapFile(design.imagePath);
}
