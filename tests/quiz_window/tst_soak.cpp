// 100,000 random player actions in one window, with what must always hold checked after each:
// the counters, the names on the boxes, the answer field and the enabled states.

#include "support/quiz_fixture.h"

#include <QRegularExpression>
#include <random>

Q_DECLARE_METATYPE(Qt::MouseButton)

namespace {

enum class Action { Press, NewFlag, NewGame, Tab, Space };

// What the window must show, kept by the rules of the game alone.
struct Expected {
    int flags = 0;
    int score = 0;
    std::array<bool, 3> enabled{true, true, true};
};

int actionsToRun() {
    bool ok = false;
    const int fromEnvironment = qEnvironmentVariableIntValue("VANDREL_SOAK_ACTIONS", &ok);
    return ok && fromEnvironment > 0 ? fromEnvironment : 100000;
}

} // namespace

class TestSoak : public QObject {
    Q_OBJECT

private slots:
    void randomActionsKeepTheRules();
};

void TestSoak::randomActionsKeepTheRules() {
    QuizFixture quiz;
    std::mt19937 random(20261210);
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
    const Qt::KeyboardModifiers modifiers[] = {Qt::NoModifier, Qt::ShiftModifier,
                                               Qt::ControlModifier, Qt::AltModifier};
    const QRegularExpression wholeNumber(QStringLiteral("^(0|[1-9][0-9]*)$"));
    Expected expected;
    const int actions = actionsToRun();

    for (int step = 0; step < actions; ++step) {
        ++quiz.clock.reading;
        const auto action = static_cast<Action>(pick(5));
        const qsizetype messagesBefore = quiz.boxes.texts.size();
        QString expectedMessage;

        auto drawn = [&] {
            ++expected.flags;
            expected.enabled = {true, true, true};
        };
        auto newGame = [&] {
            expected.flags = 0;
            expected.score = 0;
            expected.enabled = {true, true, true};
        };

        switch (action) {
        case Action::Press: {
            const int slot = pick(3) + 1;
            platform::CheckBox* box = quiz.option(slot);
            const bool answers = box->isEnabled() && !box->text().isEmpty();
            const bool right = box->text() == quiz.form.ui.Text1->text();
            if (answers && right) {
                expected.enabled = {false, false, false};
                ++expected.score;
                expectedMessage = QStringLiteral("Good.");
            } else if (answers) {
                expected.enabled = {false, false, false};
                expected.enabled[static_cast<size_t>(slot - 1)] = true;
                expectedMessage = QStringLiteral("Wrong. The answer is ") +
                                  quiz.form.ui.Text1->text() + QStringLiteral(".");
            }
            const Qt::MouseButton button = buttons[pick(3)];
            const Qt::KeyboardModifiers modifier = modifiers[pick(4)];
            QTest::mousePress(box, button, modifier, QPoint(7, 8));
            QTest::mouseRelease(box, button, modifier, QPoint(7, 8));
            if (answers && right)
                QCOMPARE(QApplication::focusWidget(), quiz.form.ui.Command2);
            break;
        }
        case Action::NewFlag:
            drawn();
            quiz.newFlag();
            break;
        case Action::NewGame:
            newGame();
            quiz.newGame();
            break;
        case Action::Tab:
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            break;
        case Action::Space: {
            // Space activates a focused button and ticks a focused box, nothing more.
            QWidget* focused = QApplication::focusWidget();
            if (focused == quiz.form.ui.Command2)
                drawn();
            else if (focused == quiz.form.ui.Command1)
                newGame();
            QTest::keyClick(focused, Qt::Key_Space);
            break;
        }
        }

        const QString where = QStringLiteral("step %1, action %2").arg(step).arg(int(action));
        QVERIFY2(wholeNumber.match(quiz.form.ui.Label1->text()).hasMatch(), qPrintable(where));
        QVERIFY2(wholeNumber.match(quiz.form.ui.Label2->text()).hasMatch(), qPrintable(where));
        QCOMPARE(quiz.form.ui.Label1->text().toInt(), expected.flags);
        QCOMPARE(quiz.form.ui.Label2->text().toInt(), expected.score);
        QCOMPARE(quiz.enabled(), QList<bool>(expected.enabled.begin(), expected.enabled.end()));
        if (expectedMessage.isEmpty()) {
            QVERIFY2(quiz.boxes.texts.size() == messagesBefore, qPrintable(where));
        } else {
            QVERIFY2(quiz.boxes.texts.size() == messagesBefore + 1, qPrintable(where));
            QCOMPARE(quiz.boxes.texts.last(), expectedMessage);
        }
        const QString a = quiz.form.ui.Check1->text();
        const QString b = quiz.form.ui.Check2->text();
        const QString c = quiz.form.ui.Check3->text();
        if (!a.isEmpty()) { // a question is on the screen
            QVERIFY2(a != b && a != c && b != c, qPrintable(where));
            QVERIFY2(quiz.answerSlot() != 0, qPrintable(where));
        } else {
            QVERIFY2(b.isEmpty() && c.isEmpty(), qPrintable(where));
        }
        QVERIFY2(!quiz.form.ui.Check1->isDown() && !quiz.form.ui.Check2->isDown() &&
                     !quiz.form.ui.Check3->isDown(),
                 qPrintable(where));
        if (quiz.boxes.texts.size() > 64)
            quiz.boxes.texts.remove(0, 32); // keep the log short
    }
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
