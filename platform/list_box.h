#pragma once

#include <QListWidget>

namespace platform {

// A list box that keeps its items in the order they were added; it never sorts.
class ListBox : public QListWidget {
    Q_OBJECT

public:
    using QListWidget::QListWidget;

    // Appends item at the end of the list.
    void AddItem(const QString& item);
    // The text at a 0-based position.
    QString List(int position) const;
};

} // namespace platform
