#pragma once

#include "platform/form.h"
#include "ui_form2.h"

// The notice window: one picture without a frame, and an "X" that closes it.
class Form2 : public platform::Form {
    Q_OBJECT

public:
    explicit Form2(QWidget* parent = nullptr);

    Ui::Form2 ui;

protected:
    void Form_Load() override;

private:
    void Command1_Click();
};
