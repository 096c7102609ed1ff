#pragma once

#include "platform/form.h"
#include "ui_form1.h"

#include <array>
#include <optional>

// The quiz window: a flag, three option boxes, two counters, "New flag" and "New game".
class Form1 : public platform::Form {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);

    // The controls, by their stored names.
    Ui::Form1 ui;

protected:
    void Form_Load() override;

private:
    void Command2_Click();
    void Check1_MouseDown();
    void Check2_MouseDown();
    void Check3_MouseDown();
    void Command1_Click();

    void checkAnswer(platform::CheckBox* pressed);
    std::array<platform::CheckBox*, 3> optionBoxes() const;

    // The question state: which box holds the answer (1 to 3) and the catalogue index each box
    // shows, whole numbers in single precision; empty until the first question is drawn.
    std::optional<float> AnswerSlot;
    std::array<std::optional<float>, 3> Pick;
};
