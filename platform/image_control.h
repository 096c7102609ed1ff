#pragma once

#include <QLabel>
#include <QPixmap>

namespace platform {

// An image control that does not stretch: it takes the size of the picture it holds, its
// top-left corner fixed. Setting a picture hands over the picture itself (shared, not copied).
class ImageControl : public QLabel {
    Q_OBJECT
    Q_PROPERTY(QString pictureResource READ pictureResource WRITE setPictureResource)

public:
    explicit ImageControl(QWidget* parent = nullptr);

    QPixmap Picture() const { return picture_; }
    void setPicture(const QPixmap& picture);

    // The stored layout names its picture by resource; it is decoded at once.
    QString pictureResource() const { return resource_; }
    void setPictureResource(const QString& resource);

private:
    QPixmap picture_;
    QString resource_;
};

} // namespace platform
