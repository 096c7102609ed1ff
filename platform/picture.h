#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

// Pictures are built into the binary as resources and decoded when their window is created.
namespace platform {

// Decodes a built-in picture. A picture that is missing or cannot be decoded is a failure:
// it is reported, never shown as a blank.
QImage decodeImage(const QString& resource);
// The same without the report: a null image when the picture is missing or undecodable. Safe on
// any thread once the application object exists.
QImage tryDecodeImage(const QString& resource);
QPixmap decodePicture(const QString& resource);
// Every image of an icon file, each at its own size.
QIcon decodeIcon(const QString& resource);

} // namespace platform
