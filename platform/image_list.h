#pragma once

#include <QList>
#include <QPixmap>
#include <QStringList>
#include <QWidget>

namespace platform {

// A numbered collection of pictures, item 1 first. It has no appearance of its own and is never
// shown; a window holds it as a control only so that it lives and dies with the window.
class ImageList : public QWidget {
    Q_OBJECT

public:
    explicit ImageList(QWidget* parent = nullptr);

    // Decodes the pictures, in order, as items 1 to resources.size().
    void load(const QStringList& resources);

    int count() const { return static_cast<int>(pictures_.size()); }
    // The picture of item position, counting from 1.
    QPixmap ListImages(int position) const;

private:
    QList<QPixmap> pictures_;
};

} // namespace platform
