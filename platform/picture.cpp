#include "platform/picture.h"

#include "platform/failure.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace platform {

QImage tryDecodeImage(const QString& resource) {
    // Only built-in resources: a plain file path here would read from disk at run time.
    QImage image;
    if (resource.startsWith(u':')) {
        QFile file(resource);
        if (file.open(QIODevice::ReadOnly)) {
            const QByteArray format = QFileInfo(resource).suffix().toLatin1();
            image.loadFromData(file.readAll(), format.isEmpty() ? nullptr : format.constData());
        }
    }
    return image;
}

QImage decodeImage(const QString& resource) {
    QImage image = tryDecodeImage(resource);
    if (image.isNull())
        fail(QStringLiteral("the built-in picture %1 is missing or cannot be decoded")
                 .arg(resource));
    return image;
}

QPixmap decodePicture(const QString& resource) {
    return QPixmap::fromImage(decodeImage(resource));
}

QIcon decodeIcon(const QString& resource) {
    QIcon icon;
    QImageReader reader(resource.startsWith(u':') ? resource : QString());
    do {
        const QImage image = reader.read();
        if (image.isNull())
            break;
        icon.addPixmap(QPixmap::fromImage(image));
    } while (reader.jumpToNextImage());
    if (icon.availableSizes().isEmpty())
        fail(QStringLiteral("the built-in icon %1 is missing or cannot be decoded").arg(resource));
    return icon;
}

} // namespace platform
