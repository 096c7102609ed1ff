#pragma once

// A shown quiz window on an ordinary day, with its message boxes answered in-process.

#include "quiz_window/form1.h"
#include "support/seams.h"

#include <QApplication>
#include <QTest>
#include <array>

struct QuizFixture {
    explicit QuizFixture(std::function<void(const QString&)> onMessage = {})
        : boxes(std::move(onMessage)) {
        form.Show();
        if (!QTest::qWaitForWindowActive(&form))
            qWarning("quiz window did not become active");
    }

    std::array<platform::CheckBox*, 3> options() const {
        return {form.ui.Check1, form.ui.Check2, form.ui.Check3};
    }
    platform::CheckBox* option(int slot) const { return options()[static_cast<size_t>(slot - 1)]; }
    void newFlag() { QTest::mouseClick(form.ui.Command2, Qt::LeftButton); }
    void newGame() { QTest::mouseClick(form.ui.Command1, Qt::LeftButton); }
    // The slot whose caption is the answer, 0 if none.
    int answerSlot() const {
        for (int slot = 1; slot <= 3; ++slot) {
            if (option(slot)->text() == form.ui.Text1->text())
                return slot;
        }
        return 0;
    }
    QList<bool> enabled() const {
        return {form.ui.Check1->isEnabled(), form.ui.Check2->isEnabled(),
                form.ui.Check3->isEnabled()};
    }

    FrozenClock clock;
    AnsweredMessageBoxes boxes;
    Form1 form;
};

// A random number that the draw turns into the whole number n of 1 to count.
inline float drawing(int n, int count) {
    return (static_cast<float>(n) - 0.5f) / static_cast<float>(count);
}
