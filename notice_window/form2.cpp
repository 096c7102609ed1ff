#include "notice_window/form2.h"

#include "platform/control_place.h"
#include "platform/failure.h"

#include <cmath>

Form2::Form2(QWidget* parent)
    : platform::Form(parent) {
    ui.setupUi(this);
    applyStoredLayout();
    // The buttons lie above the picture, which is created after them.
    ui.Command1->raise();
    ui.Command2->raise();
    connect(ui.Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
}

// The picture moves to the corner and the window takes its size; Command2 goes out of sight.
void Form2::Form_Load() {
    platform::setLeft(ui.Image1, static_cast<double>(QStringLiteral("0").toFloat()));
    platform::setTop(ui.Image1, static_cast<double>(QStringLiteral("0").toFloat()));
    setWidth(platform::Width(ui.Image1));
    setHeight(platform::Height(ui.Image1));
    const float below = static_cast<float>(Height() + 1000.0);
    if (!std::isfinite(below))
        platform::fail(QStringLiteral("the notice window's height could not be read"));
    platform::setTop(ui.Command2, static_cast<double>(below));
}

void Form2::Command1_Click() {
    Unload();
}
