#include "QRElements.h"

#include "ReportUnits.h"

#include <algorithm>
#include <utility>

TQRElement::TQRElement(QString name, const QRectF &boxMm)
    : name_(std::move(name))
    , box_(boxMm)
{
}

TQRElement::~TQRElement() = default;

void TQRShape::setFillColor(const QColor &color)
{
    fill_ = color;
    solid_ = true;
}

void TQRShape::setClearFill()
{
    fill_ = QColor();
    solid_ = false;
}

void TQRCustomLabel::setFont(const TQRFont &font)
{
    font_ = font;
    font_.size = std::clamp(font.size, kMinFontPoints, kMaxFontPoints);
}

void TQRMemo::setHeight(double mm)
{
    QRectF b = box();
    b.setHeight(mm);
    setBox(b);
}
