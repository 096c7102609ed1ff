// A mouse press on an option box answers the question on the screen.

#include "support/quiz_fixture.h"

#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

Q_DECLARE_METATYPE(Qt::MouseButton)
Q_DECLARE_METATYPE(Qt::KeyboardModifiers)

namespace {

// Answer in slot 2: Japan (138); the others show Chile (137) and China (141).
std::vector<float> questionWithAnswerInSlot2() {
    return {drawing(2, 3), drawing(138, 197), drawing(141, 197), drawing(137, 197)};
}

// On the tick mark, where a press also presses the box itself.
constexpr QPoint kOnTheBox(7, 8);

} // namespace

class TestAnswerCheck : public QObject {
    Q_OBJECT

private slots:
    void answer_data();
    void answer();
    void wrongAnswerRepeatsOnSamePress();
    void scoreRisesOnlyAfterGoodIsClosed();
    void pressAfterModalBoxLeavesBoxReleased();
    void realModalBoxTakesOnePressAndLeavesBoxUp();
    void comparisonIsExact_data();
    void comparisonIsExact();
    void emptyOptionBoxIgnoresPress_data();
    void emptyOptionBoxIgnoresPress();
    void spaceAndClickStartNoCheck();
};

void TestAnswerCheck::answer_data() {
    QTest::addColumn<int>("pressed");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    const QList<QPair<const char*, Qt::MouseButton>> buttons = {
        {"left", Qt::LeftButton}, {"right", Qt::RightButton}, {"middle", Qt::MiddleButton}};
    const QList<QPair<const char*, Qt::KeyboardModifiers>> modifiers = {
        {"", Qt::NoModifier},
        {"+shift", Qt::ShiftModifier},
        {"+ctrl", Qt::ControlModifier},
        {"+alt", Qt::AltModifier},
        {"+ctrl+shift+alt", Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier}};
    for (int pressed = 1; pressed <= 3; ++pressed) {
        for (const auto& [buttonName, button] : buttons) {
            for (const auto& [modifierName, modifier] : modifiers) {
                QTest::addRow("box %d %s%s", pressed, buttonName, modifierName)
                    << pressed << button << modifier;
            }
        }
    }
}

void TestAnswerCheck::answer() {
    QFETCH(int, pressed);
    QFETCH(Qt::MouseButton, button);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    InstalledRandom<ScriptedRandom> random(questionWithAnswerInSlot2());
    QuizFixture quiz;
    quiz.newFlag();
    QCOMPARE(quiz.form.ui.Check2->text(), QStringLiteral("Japan"));

    QTest::mousePress(quiz.option(pressed), button, modifiers);

    if (pressed == 2) {
        QCOMPARE(quiz.boxes.texts, QStringList({"Good."}));
        QCOMPARE(quiz.enabled(), QList<bool>({false, false, false}));
        QCOMPARE(QApplication::focusWidget(), quiz.form.ui.Command2);
        QCOMPARE(quiz.form.ui.Label2->text(), QStringLiteral("1"));
    } else {
        QCOMPARE(quiz.boxes.texts, QStringList({"Wrong. The answer is Japan."}));
        QList<bool> onlyPressed = {false, false, false};
        onlyPressed[pressed - 1] = true;
        QCOMPARE(quiz.enabled(), onlyPressed);
        QVERIFY(QApplication::focusWidget() != quiz.form.ui.Command2);
        QCOMPARE(quiz.form.ui.Label2->text(), QStringLiteral("0"));
    }
    QCOMPARE(quiz.form.ui.Label1->text(), QStringLiteral("1"));

    // A second press anywhere: only a wrongly pressed box still answers, with the same words.
    for (int slot = 1; slot <= 3; ++slot)
        QTest::mousePress(quiz.option(slot), button, modifiers);
    QCOMPARE(quiz.boxes.texts.size(), pressed == 2 ? 1 : 2);
    if (pressed != 2)
        QCOMPARE(quiz.boxes.texts.last(), QStringLiteral("Wrong. The answer is Japan."));
    QCOMPARE(quiz.form.ui.Label2->text(), pressed == 2 ? QStringLiteral("1") : QStringLiteral("0"));
}

void TestAnswerCheck::wrongAnswerRepeatsOnSamePress() {
    InstalledRandom<ScriptedRandom> random(questionWithAnswerInSlot2());
    QuizFixture quiz;
    quiz.newFlag();
    for (int k = 0; k < 3; ++k)
        QTest::mouseClick(quiz.form.ui.Check3, Qt::LeftButton);
    QCOMPARE(quiz.boxes.texts, QStringList(3, QStringLiteral("Wrong. The answer is Japan.")));
    QCOMPARE(quiz.enabled(), QList<bool>({false, false, true}));
    QCOMPARE(quiz.form.ui.Label2->text(), QStringLiteral("0"));
}

void TestAnswerCheck::scoreRisesOnlyAfterGoodIsClosed() {
    InstalledRandom<ScriptedRandom> random(questionWithAnswerInSlot2());
    QStringList scoreWhileOpen;
    Form1* form = nullptr;
    QuizFixture quiz([&](const QString&) { scoreWhileOpen << form->ui.Label2->text(); });
    form = &quiz.form;
    quiz.form.ui.Label2->setText(QStringLiteral("9"));
    quiz.newFlag();
    QTest::mousePress(quiz.form.ui.Check2, Qt::LeftButton);
    QCOMPARE(scoreWhileOpen, QStringList({"9"}));
    QCOMPARE(quiz.form.ui.Label2->text(), QStringLiteral("10"));
}

// A real modal box takes the release of the press that opened it: the box must not stay drawn
// as held down, and one click must give one message.
void TestAnswerCheck::pressAfterModalBoxLeavesBoxReleased() {
    InstalledRandom<ScriptedRandom> random(questionWithAnswerInSlot2());
    QuizFixture quiz;
    quiz.newFlag();
    platform::CheckBox* box = quiz.form.ui.Check1;
    QTest::mouseClick(box, Qt::LeftButton, {}, kOnTheBox);
    QCOMPARE(quiz.boxes.texts.size(), 1);
    QVERIFY(!box->isDown());
    QVERIFY(!box->isChecked());
    QTest::mouseClick(box, Qt::LeftButton, {}, kOnTheBox);
    QCOMPARE(quiz.boxes.texts.size(), 2);
    QVERIFY(!box->isDown());
}

void TestAnswerCheck::realModalBoxTakesOnePressAndLeavesBoxUp() {
    InstalledRandom<ScriptedRandom> random(questionWithAnswerInSlot2());
    QuizFixture quiz;
    quiz.newFlag();
    // The real box this time, closed from a timer the way a player presses its OK button.
    auto stub = platform::setMessageBoxPresenter(nullptr);
    QStringList shown;
    auto closeBoxSoon = [&] {
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            shown << box->text();
            box->button(QMessageBox::Ok)->click();
        });
    };
    platform::CheckBox* box = quiz.form.ui.Check3;
    for (int click = 1; click <= 2; ++click) {
        closeBoxSoon();
        QTest::mouseClick(box, Qt::LeftButton, {}, kOnTheBox);
        QCOMPARE(shown.size(), click);
        QVERIFY(!box->isDown());
        QVERIFY(!box->isChecked());
    }
    platform::setMessageBoxPresenter(std::move(stub));
    QCOMPARE(shown, QStringList(2, QStringLiteral("Wrong. The answer is Japan.")));
}

void TestAnswerCheck::comparisonIsExact_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("right");
    QTest::newRow("same") << "Japan" << true;
    QTest::newRow("case differs") << "japan" << false;
    QTest::newRow("trailing space") << "Japan " << false;
    QTest::newRow("leading space") << " Japan" << false;
}

void TestAnswerCheck::comparisonIsExact() {
    QFETCH(QString, answer);
    QFETCH(bool, right);
    InstalledRandom<ScriptedRandom> random(questionWithAnswerInSlot2());
    QuizFixture quiz;
    quiz.newFlag();
    quiz.form.ui.Text1->setText(answer);
    QTest::mousePress(quiz.form.ui.Check2, Qt::LeftButton);
    QCOMPARE(quiz.boxes.texts.value(0),
             right ? QStringLiteral("Good.")
                   : QStringLiteral("Wrong. The answer is ") + answer + u'.');
}

void TestAnswerCheck::emptyOptionBoxIgnoresPress_data() {
    QTest::addColumn<bool>("questionDrawnBefore");
    QTest::newRow("before any question") << false;
    QTest::newRow("after New game") << true;
}

// An empty box shows no country, so a press on it answers nothing: no message, no score and
// no change of enabled state or focus.
void TestAnswerCheck::emptyOptionBoxIgnoresPress() {
    QFETCH(bool, questionDrawnBefore);
    InstalledRandom<ScriptedRandom> random(questionWithAnswerInSlot2());
    QuizFixture quiz;
    if (questionDrawnBefore) {
        quiz.newFlag();
        quiz.newGame();
    }
    for (int slot = 1; slot <= 3; ++slot) {
        QTest::mousePress(quiz.option(slot), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), quiz.option(slot));
    }
    QCOMPARE(quiz.boxes.texts.size(), 0);
    QCOMPARE(quiz.enabled(), QList<bool>({true, true, true}));
    QCOMPARE(quiz.form.ui.Label2->text(), QStringLiteral("0"));
}

void TestAnswerCheck::spaceAndClickStartNoCheck() {
    InstalledRandom<ScriptedRandom> random(questionWithAnswerInSlot2());
    QuizFixture quiz;
    quiz.newFlag();
    platform::SetFocus(quiz.form.ui.Check2);
    QTest::keyClick(quiz.form.ui.Check2, Qt::Key_Space);
    QVERIFY(quiz.form.ui.Check2->isChecked());
    quiz.form.ui.Check1->click();
    QCOMPARE(quiz.boxes.texts.size(), 0);
    QCOMPARE(quiz.enabled(), QList<bool>({true, true, true}));
    QCOMPARE(quiz.form.ui.Label2->text(), QStringLiteral("0"));
}

QTEST_MAIN(TestAnswerCheck)
#include "tst_answer_check.moc"
