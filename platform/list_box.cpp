#include "platform/list_box.h"

#include "platform/failure.h"

namespace platform {

void ListBox::AddItem(const QString& item) {
    const int before = count();
    addItem(item);
    if (count() != before + 1)
        fail(QStringLiteral("an item could not be added to the list %1").arg(objectName()));
}

QString ListBox::List(int position) const {
    const QListWidgetItem* entry = item(position);
    if (entry == nullptr)
        fail(QStringLiteral("the list %1 has no item at position %2")
                 .arg(objectName())
                 .arg(position));
    return entry->text();
}

} // namespace platform
