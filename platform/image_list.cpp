#include "platform/image_list.h"

#include "platform/failure.h"
#include "platform/picture.h"

namespace platform {

ImageList::ImageList(QWidget* parent)
    : QWidget(parent) {
    setVisible(false);
}

void ImageList::load(const QStringList& resources) {
    pictures_.clear();
    pictures_.reserve(resources.size());
    for (const QString& resource : resources)
        pictures_.append(decodePicture(resource));
}

QPixmap ImageList::ListImages(int position) const {
    if (position < 1 || position > count())
        fail(QStringLiteral("the picture list %1 has no item %2").arg(objectName()).arg(position));
    return pictures_[position - 1];
}

} // namespace platform
