#pragma once

#include <QLabel>

namespace platform {

// A label. Its own class lets assistive tools read a counter with its meaning: when the
// "accessibleCaption" property is set, it reads as "caption: text".
class Label : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;
};

} // namespace platform
