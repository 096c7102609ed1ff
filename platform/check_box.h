#pragma once

#include <QCheckBox>

namespace platform {

// A check box that raises MouseDown the moment any mouse button goes down on it, whatever the
// modifier keys. A disabled box gets no press and so raises nothing.
class CheckBox : public QCheckBox {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)

public:
    using QCheckBox::QCheckBox;

    QString Caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }
    // 0 unchecked, 1 checked.
    void setValue(int value) { setChecked(value != 0); }

signals:
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

} // namespace platform
