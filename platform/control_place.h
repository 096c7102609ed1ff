#pragma once

#include "platform/twips.h"

#include <QWidget>

// A control's place and size in twips, measured from its window's client area.
namespace platform {

inline double Width(const QWidget* control) {
    return twipsFromPixels(control->width());
}
inline double Height(const QWidget* control) {
    return twipsFromPixels(control->height());
}
inline void setLeft(QWidget* control, double twips) {
    control->move(pixelsFromTwips(twips), control->y());
}
inline void setTop(QWidget* control, double twips) {
    control->move(control->x(), pixelsFromTwips(twips));
}

} // namespace platform
