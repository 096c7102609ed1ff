#include "platform/accessibility.h"

#include "platform/form.h"
#include "platform/label.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <algorithm>
#include <utility>

namespace platform {
namespace {

// A window that lists only its visible controls as children, in reading order: top to bottom,
// then left to right.
class AccessibleForm : public QAccessibleWidget {
public:
    explicit AccessibleForm(QWidget* form)
        : QAccessibleWidget(form, QAccessible::Window) {}

    int childCount() const override { return static_cast<int>(shownControls().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> controls = shownControls();
        return index >= 0 && index < controls.size()
                   ? QAccessible::queryAccessibleInterface(controls[index])
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child == nullptr ? -1 : static_cast<int>(shownControls().indexOf(child->object()));
    }

private:
    QList<QWidget*> shownControls() const {
        QList<QWidget*> controls;
        for (QObject* object : widget()->children()) {
            auto* control = qobject_cast<QWidget*>(object);
            if (control != nullptr && !control->isWindow() && control->isVisibleTo(widget()))
                controls.append(control);
        }
        std::stable_sort(controls.begin(), controls.end(), [](QWidget* a, QWidget* b) {
            return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
        });
        return controls;
    }
};

// A label; a counter says its meaning, then its figure ("Right answers: 3").
class AccessibleCounter : public QAccessibleWidget {
public:
    explicit AccessibleCounter(QLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override {
        const auto* label = static_cast<const QLabel*>(widget());
        const QString caption = label->property("accessibleCaption").toString();
        if (kind != QAccessible::Name)
            return QAccessibleWidget::text(kind);
        if (!label->accessibleName().isEmpty())
            return label->accessibleName();
        return caption.isEmpty() ? label->text() : caption + QStringLiteral(": ") + label->text();
    }
};

QAccessibleInterface* factory(const QString&, QObject* object) {
    if (auto* form = qobject_cast<Form*>(object))
        return new AccessibleForm(form);
    // Asked while the label is still being built, before its stored properties are set: the
    // caption is looked up each time the name is read.
    if (auto* label = qobject_cast<Label*>(object))
        return new AccessibleCounter(label);
    return nullptr;
}

} // namespace

void installAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace platform
