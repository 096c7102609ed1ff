// "New game": both counters to "0", the boxes emptied and usable, the world map back in view.

#include "support/quiz_fixture.h"

class TestNewGame : public QObject {
    Q_OBJECT

private slots:
    void resets_data();
    void resets();
    void firstFlagAfterNewGameCountsOne();
};

void TestNewGame::resets_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("newGames");
    QTest::newRow("after a right answer") << "right" << 1;
    QTest::newRow("after a wrong answer") << "wrong" << 1;
    QTest::newRow("twice in a row") << "wrong" << 2;
    QTest::newRow("at start") << "nothing" << 1;
}

void TestNewGame::resets() {
    QFETCH(QString, before);
    QFETCH(int, newGames);
    QuizFixture quiz;
    if (before != u"nothing") {
        quiz.newFlag();
        const int right = quiz.answerSlot();
        const int pressed = before == u"right" ? right : right % 3 + 1;
        QTest::mousePress(quiz.option(pressed), Qt::LeftButton);
    }
    const QString answer = quiz.form.ui.Text1->text();
    quiz.form.ui.Check3->setChecked(true);
    const int labelsBefore = quiz.boxes.texts.size();

    for (int k = 0; k < newGames; ++k)
        quiz.newGame();

    QCOMPARE(quiz.form.ui.Label1->text(), QStringLiteral("0"));
    QCOMPARE(quiz.form.ui.Label2->text(), QStringLiteral("0"));
    QCOMPARE(quiz.enabled(), QList<bool>({true, true, true}));
    for (platform::CheckBox* box : quiz.options())
        QCOMPARE(box->text(), QString());
    QCOMPARE(quiz.form.ui.Text1->text(), answer); // left as it was
    QVERIFY(quiz.form.ui.Check3->isChecked());    // ticks survive
    QCOMPARE(quiz.form.ui.Image1->Picture().cacheKey(), quiz.form.ui.Image2->Picture().cacheKey());
    QCOMPARE(quiz.form.ui.Image1->size(), QSize(214, 120));
    QCOMPARE(quiz.form.ui.Image1->pos(), QPoint(272, 56));
    QCOMPARE(quiz.boxes.texts.size(), labelsBefore); // no message
}

void TestNewGame::firstFlagAfterNewGameCountsOne() {
    QuizFixture quiz;
    quiz.newFlag();
    quiz.newFlag();
    quiz.newGame();
    quiz.newFlag();
    QCOMPARE(quiz.form.ui.Label1->text(), QStringLiteral("1"));
    QCOMPARE(quiz.form.ui.Image1->size(), quiz.form.ui.Image1->Picture().size());
    QVERIFY(quiz.answerSlot() != 0);
}

QTEST_MAIN(TestNewGame)
#include "tst_new_game.moc"
