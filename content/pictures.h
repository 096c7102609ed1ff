#pragma once

#include <QString>
#include <QStringList>

// The table of built-in pictures, by resource name. Flag i belongs to catalogue index i.
namespace content {

inline const QString kPlaceholderPicture = QStringLiteral(":/pictures/world.jpg");
inline const QString kWindowIcon = QStringLiteral(":/pictures/vandrel.ico");
inline const QString kNoticePicture = QStringLiteral(":/pictures/notice.bmp");

// The flag of catalogue index 1 to 197.
QString flagPicture(int index);
// All 197 flags, index 1 first.
QStringList flagPictures();

} // namespace content
