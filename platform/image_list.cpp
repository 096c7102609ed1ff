#include "platform/image_list.h"

#include "platform/failure.h"
#include "platform/picture.h"

#include <QEvent>
#include <QFile>
#include <algorithm>
#include <sys/resource.h>
#include <unistd.h>

namespace platform {

ImageList::ImageList(QWidget* parent)
    : QWidget(parent) {
    setVisible(false);
}

ImageList::~ImageList() {
    joinWorkers();
}

void ImageList::load(const QStringList& resources) {
    joinWorkers();
    pictures_.clear();
    started_ = false;
    resources_ = resources;
    // A missing picture ends the run now, before any window is shown.
    for (const QString& resource : resources_) {
        if (!resource.startsWith(u':') || !QFile::exists(resource))
            fail(QStringLiteral("the built-in picture %1 is missing").arg(resource));
    }
    decoded_.assign(static_cast<std::size_t>(resources_.size()), QImage());
    // Decoding waits for the window's first frame, so that the player sees the window as soon
    // as a bare one would; an item asked for before then starts it at once.
    window()->installEventFilter(this);
}

bool ImageList::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window() && event->type() == QEvent::Paint) {
        window()->removeEventFilter(this);
        QMetaObject::invokeMethod(
            this, [this] { startDecoding(); }, Qt::QueuedConnection);
    }
    return false;
}

void ImageList::startDecoding() {
    if (started_ || resources_.isEmpty())
        return;
    started_ = true;
    const std::size_t threads = std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, 4);
    for (std::size_t w = 0; w < threads; ++w)
        workers_.emplace_back(&ImageList::decodeShare, this, w, threads);
    // Once the decoding is done and the GUI thread idle, it takes the decoded images over.
    QMetaObject::invokeMethod(
        this, [this] { finishLoading(); }, Qt::QueuedConnection);
}

void ImageList::decodeShare(std::size_t first, std::size_t step) {
    // Below the GUI thread, so that decoding does not hold up the window's first frame.
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 19);
    for (std::size_t k = first; k < decoded_.size(); k += step) {
        // at(), not operator[]: the list may share its data, and a detach here would race.
        QImage image = tryDecodeImage(resources_.at(static_cast<qsizetype>(k)));
        // Three bytes a pixel instead of four: the flags are opaque.
        if (!image.isNull())
            image.convertTo(QImage::Format_RGB888);
        decoded_[k] = std::move(image);
    }
}

void ImageList::joinWorkers() {
    for (std::thread& worker : workers_)
        worker.join();
    workers_.clear();
}

void ImageList::finishLoading() {
    if (!pictures_.isEmpty() || resources_.isEmpty())
        return;
    startDecoding();
    joinWorkers();
    QList<QPixmap> pictures;
    pictures.reserve(resources_.size());
    for (std::size_t k = 0; k < decoded_.size(); ++k) {
        if (decoded_[k].isNull())
            fail(QStringLiteral("the built-in picture %1 cannot be decoded")
                     .arg(resources_.at(static_cast<qsizetype>(k))));
        pictures.append(QPixmap::fromImage(std::move(decoded_[k]), Qt::NoFormatConversion));
    }
    decoded_.clear();
    pictures_ = std::move(pictures);
}

QPixmap ImageList::ListImages(int position) {
    if (position < 1 || position > count())
        fail(QStringLiteral("the picture list %1 has no item %2").arg(objectName()).arg(position));
    finishLoading();
    return pictures_[position - 1];
}

} // namespace platform
