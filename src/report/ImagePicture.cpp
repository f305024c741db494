#include "ImagePicture.h"

#include <utility>

ImagePicture::ImagePicture(QImage image)
    : image_(std::move(image))
{
}

int ImagePicture::width() const
{
    return image_.width();
}

int ImagePicture::height() const
{
    return image_.height();
}

QImage ImagePicture::imageOf(const Picture *picture)
{
    if (const auto *image = dynamic_cast<const ImagePicture *>(picture))
        return image->image();
    return {};
}
