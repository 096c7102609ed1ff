#include "platform/check_box.h"

#include "platform/message_box.h"

#include <QMouseEvent>
#include <QPointer>

namespace platform {

void CheckBox::mousePressEvent(QMouseEvent* event) {
    const QPointer<CheckBox> self(this);
    const unsigned long boxesBefore = messageBoxesShown();
    const QPoint at = event->position().toPoint();
    emit MouseDown(event->button(), event->modifiers(), at.x(), at.y());
    if (!self)
        return;
    // A message box opened by the handler took the release; handing this press on to the button
    // would leave it drawn as held down with no release to come.
    if (messageBoxesShown() != boxesBefore || !isEnabled()) {
        event->accept();
        return;
    }
    QCheckBox::mousePressEvent(event);
}

} // namespace platform
