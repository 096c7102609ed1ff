#include "platform/image_control.h"

#include "platform/picture.h"

namespace platform {

ImageControl::ImageControl(QWidget* parent)
    : QLabel(parent) {
    setScaledContents(false);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void ImageControl::setPicture(const QPixmap& picture) {
    picture_ = picture;
    setPixmap(picture_);
    resize(picture_.deviceIndependentSize().toSize());
}

void ImageControl::setPictureResource(const QString& resource) {
    resource_ = resource;
    setPicture(decodePicture(resource));
}

} // namespace platform
