#pragma once

#include <QList>
#include <QPixmap>
#include <QStringList>
#include <QWidget>
#include <thread>
#include <vector>

namespace platform {

// A numbered collection of pictures, item 1 first. It has no appearance of its own and is never
// shown; a window holds it as a control only so that it lives and dies with the window.
//
// Loading checks at once that every picture is built in. Once the window has drawn its first
// frame, worker threads decode the pictures and the GUI thread turns the decoded images into
// pixmaps when they are all there. Asking for an item before then waits for the decoding.
class ImageList : public QWidget {
    Q_OBJECT

public:
    explicit ImageList(QWidget* parent = nullptr);
    ~ImageList() override;

    void load(const QStringList& resources);

    int count() const { return static_cast<int>(resources_.size()); }
    // The picture of item position, counting from 1.
    QPixmap ListImages(int position);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void startDecoding();
    void decodeShare(std::size_t first, std::size_t step);
    void finishLoading();
    void joinWorkers();

    QStringList resources_;
    std::vector<QImage> decoded_; // each slot written by one worker only
    std::vector<std::thread> workers_;
    QList<QPixmap> pictures_;
    bool started_ = false;
};

} // namespace platform
