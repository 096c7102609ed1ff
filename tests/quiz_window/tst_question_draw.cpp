// "New flag": a random flag, its name in a random box, two other names in the others.

#include "content/catalogue.h"
#include "support/quiz_fixture.h"

#include <QHash>
#include <QSet>
#include <cmath>

class TestQuestionDraw : public QObject {
    Q_OBJECT

private slots:
    void manyPressesKeepTheQuestionWhole();
    void retryRedrawsTheWholeTry();
    void firstAndLastIndex_data();
    void firstAndLastIndex();
    void pressReopensAndUnticksBoxes();
    void frozenClockStillFinishesEveryPress();
    void counterCarries();
};

void TestQuestionDraw::manyPressesKeepTheQuestionWhole() {
    QuizFixture quiz;
    quiz.clock.reading = 1; // moved on by one at every press
    const int presses = 6000;
    std::array<int, 3> slotCounts{};
    QSet<QString> answers;
    QHash<QString, int> indexOf;
    for (int index = 1; index <= content::kCountryCount; ++index)
        indexOf.insert(quiz.form.ui.List1->List(index - 1), index);
    for (int press = 1; press <= presses; ++press) {
        ++quiz.clock.reading;
        quiz.newFlag();
        const QString answer = quiz.form.ui.Text1->text();
        const int slot = quiz.answerSlot();
        QVERIFY(slot != 0);
        ++slotCounts[static_cast<size_t>(slot - 1)];
        const QString a = quiz.form.ui.Check1->text();
        const QString b = quiz.form.ui.Check2->text();
        const QString c = quiz.form.ui.Check3->text();
        QVERIFY2(a != b && a != c && b != c, qPrintable(a + '|' + b + '|' + c));
        const int index = indexOf.value(answer);
        QVERIFY(index >= 1);
        QCOMPARE(quiz.form.ui.Image1->Picture().cacheKey(),
                 quiz.form.ui.im1->ListImages(index).cacheKey());
        QCOMPARE(quiz.form.ui.Image1->size(), quiz.form.ui.im1->ListImages(index).size());
        answers.insert(answer);
        if (press % 1000 == 0)
            QCOMPARE(quiz.form.ui.Label1->text(), QString::number(press));
    }
    QCOMPARE(answers.size(), content::kCountryCount);
    // Chi-square with 2 degrees of freedom: 13.8 is the 99.9th percentile.
    double chi2 = 0;
    for (int n : slotCounts)
        chi2 += (n - presses / 3.0) * (n - presses / 3.0) / (presses / 3.0);
    QVERIFY2(chi2 < 13.8, qPrintable(QString::number(chi2)));
    QCOMPARE(quiz.form.ui.Label2->text(), QStringLiteral("0"));
}

// A try with a repeated index is thrown away whole, the answer included, after a re-seed.
void TestQuestionDraw::retryRedrawsTheWholeTry() {
    InstalledRandom<ScriptedRandom> random(std::vector<float>{
        drawing(1, 3), drawing(50, 197), drawing(50, 197), drawing(60, 197), // a repeat
        drawing(20, 197), drawing(30, 197), drawing(40, 197)});
    QuizFixture quiz;
    quiz.newFlag();
    QCOMPARE(random.installed->reseeds, 2);
    QCOMPARE(quiz.form.ui.Check1->text(), QStringLiteral("Singapore"));    // 20
    QCOMPARE(quiz.form.ui.Check2->text(), QStringLiteral("Ethiopia"));     // 30
    QCOMPARE(quiz.form.ui.Check3->text(), QStringLiteral("South Africa")); // 40
    QCOMPARE(quiz.form.ui.Text1->text(), QStringLiteral("Singapore"));
    QCOMPARE(quiz.form.ui.Image1->Picture().cacheKey(),
             quiz.form.ui.im1->ListImages(20).cacheKey());
    QCOMPARE(quiz.form.ui.Label1->text(), QStringLiteral("1"));
}

void TestQuestionDraw::firstAndLastIndex_data() {
    QTest::addColumn<float>("number");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::newRow("0 draws index 1") << 0.0f << 1 << "Afghanistan";
    QTest::newRow("just below 1 draws index 197")
        << std::nextafter(1.0f, 0.0f) << 197 << "Saudi Arabia";
}

void TestQuestionDraw::firstAndLastIndex() {
    QFETCH(float, number);
    QFETCH(int, index);
    QFETCH(QString, name);
    InstalledRandom<ScriptedRandom> random(
        std::vector<float>{drawing(3, 3), number, drawing(5, 197), drawing(6, 197)});
    QuizFixture quiz;
    quiz.newFlag();
    QCOMPARE(quiz.form.ui.Check3->text(), name);
    QCOMPARE(quiz.form.ui.Text1->text(), name);
    QCOMPARE(quiz.form.ui.Image1->Picture().cacheKey(),
             quiz.form.ui.im1->ListImages(index).cacheKey());
    QCOMPARE(quiz.form.ui.Check1->text(), QStringLiteral("Albania"));
    QCOMPARE(quiz.form.ui.Check2->text(), QStringLiteral("Egypt"));
}

void TestQuestionDraw::pressReopensAndUnticksBoxes() {
    QuizFixture quiz;
    for (platform::CheckBox* box : quiz.options()) {
        box->setChecked(true);
        box->setEnabled(false);
    }
    quiz.newFlag();
    for (platform::CheckBox* box : quiz.options()) {
        QVERIFY(box->isEnabled());
        QVERIFY(!box->isChecked());
    }
}

void TestQuestionDraw::frozenClockStillFinishesEveryPress() {
    QuizFixture quiz; // its clock never moves
    QSet<QString> answers;
    for (int press = 0; press < 500; ++press) {
        quiz.newFlag();
        answers.insert(quiz.form.ui.Text1->text());
        QVERIFY(quiz.answerSlot() != 0);
    }
    QVERIFY2(answers.size() > 150, qPrintable(QString::number(answers.size())));
}

void TestQuestionDraw::counterCarries() {
    QuizFixture quiz;
    quiz.form.ui.Label1->setText(QStringLiteral("9"));
    quiz.newFlag();
    QCOMPARE(quiz.form.ui.Label1->text(), QStringLiteral("10"));
    quiz.newFlag();
    QCOMPARE(quiz.form.ui.Label1->text(), QStringLiteral("11"));
}

QTEST_MAIN(TestQuestionDraw)
#include "tst_question_draw.moc"
