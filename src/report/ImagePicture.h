#pragma once

#include "Picture.h"

#include <QImage>

// The design's picture as the layers above the design make it: a decoded bitmap. The design
// holds it as a shared Picture; the report elements and the image page cast back to this.
class ImagePicture : public Picture
{
public:
    explicit ImagePicture(QImage image);

    int width() const override;
    int height() const override;
    const QImage &image() const { return image_; }

    // The image of a design picture, or a null image when there is none or when the picture
    // was not made by this layer.
    static QImage imageOf(const Picture *picture);

private:
    QImage image_;
};
