// The notice window that start-up shows first on the 5th, 10th, ... 30th of a month.

#include "notice_window/form2.h"
#include "notice_window/notice_step.h"
#include "quiz_window/form1.h"
#include "support/seams.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// Remembers the name of every window that is shown.
class ShownWindows : public QObject {
public:
    ShownWindows() { qApp->installEventFilter(this); }
    ~ShownWindows() override { qApp->removeEventFilter(this); }
    QStringList names;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow())
            names << watched->objectName();
        return false;
    }
};

Form2* shownNotice() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* notice = qobject_cast<Form2*>(window); notice && notice->isVisible())
            return notice;
    }
    return nullptr;
}

} // namespace

class TestNotice : public QObject {
    Q_OBJECT

private slots:
    void noticeDays_data();
    void noticeDays();
    void februaryHasFiveNoticeDays_data();
    void februaryHasFiveNoticeDays();
    void noticeComesFirstAndXGoesOn_data();
    void noticeComesFirstAndXGoesOn();
    void ordinaryDayShowsNoNotice();
    void dateIsReadOnce();
};

void TestNotice::noticeDays_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<bool>("notice");
    for (int day = 1; day <= 31; ++day)
        QTest::addRow("December %d", day) << QDate(2026, 12, day) << (day % 5 == 0);
}

void TestNotice::noticeDays() {
    QFETCH(QDate, date);
    QFETCH(bool, notice);
    QCOMPARE(isNoticeDay(date), notice);
}

void TestNotice::februaryHasFiveNoticeDays_data() {
    QTest::addColumn<int>("year");
    QTest::newRow("leap year 2028") << 2028;
    QTest::newRow("common year 2027") << 2027;
}

void TestNotice::februaryHasFiveNoticeDays() {
    QFETCH(int, year);
    int notices = 0;
    for (QDate day(year, 2, 1); day.month() == 2; day = day.addDays(1))
        notices += isNoticeDay(day) ? 1 : 0;
    QCOMPARE(notices, 5);
}

void TestNotice::noticeComesFirstAndXGoesOn_data() {
    QTest::addColumn<bool>("byX");
    QTest::newRow("closed by X") << true;
    QTest::newRow("closed by the window system") << false;
}

void TestNotice::noticeComesFirstAndXGoesOn() {
    QFETCH(bool, byX);
    FrozenClock clock(QDate(2026, 12, 10));
    Form1 quiz;
    bool checked = false;
    QTimer::singleShot(0, [&] {
        Form2* notice = shownNotice();
        QVERIFY(notice != nullptr);
        QVERIFY(notice->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(notice->windowTitle(), QString());
        QVERIFY(notice->windowIcon().availableSizes().isEmpty());
        QCOMPARE(notice->size(), QSize(685, 361));
        QCOMPARE(notice->ui.Image1->geometry(), QRect(0, 0, 685, 361));
        QCOMPARE(notice->ui.Command1->geometry(), QRect(8, 8, 21, 21));
        QCOMPARE(notice->ui.Command2->y(), 428); // 5415 + 1000 twips, below the lower edge
        QCOMPARE(notice->windowModality(), Qt::ApplicationModal);
        // The button lies above the picture and takes the mouse.
        QCOMPARE(notice->childAt(18, 18), notice->ui.Command1);
        QVERIFY(!quiz.isVisible());
        QCOMPARE(quiz.ui.List1->count(), 0);
        checked = true;
        if (byX)
            QTest::mouseClick(notice->ui.Command1, Qt::LeftButton);
        else
            notice->close();
    });
    quiz.Show();
    QVERIFY(checked);
    QVERIFY(shownNotice() == nullptr);
    QVERIFY(quiz.isVisible());
    QCOMPARE(quiz.ui.List1->count(), 197);
    QCOMPARE(clock.datesRead, 1);
}

void TestNotice::ordinaryDayShowsNoNotice() {
    FrozenClock clock(QDate(2026, 12, 31));
    ShownWindows shown;
    Form1 quiz;
    quiz.Show();
    QCOMPARE(shown.names, QStringList({"Form1"}));
}

void TestNotice::dateIsReadOnce() {
    FrozenClock clock(QDate(2026, 12, 9));
    AnsweredMessageBoxes boxes;
    ShownWindows shown;
    Form1 quiz;
    quiz.Show();
    clock.date = QDate(2026, 12, 10); // past midnight, into a notice day
    for (int k = 0; k < 5; ++k) {
        QTest::mouseClick(quiz.ui.Command2, Qt::LeftButton);
        QTest::mousePress(quiz.ui.Check1, Qt::LeftButton);
        QTest::mouseClick(quiz.ui.Command1, Qt::LeftButton);
    }
    QCOMPARE(clock.datesRead, 1);
    QCOMPARE(shown.names, QStringList({"Form1"}));
}

QTEST_MAIN(TestNotice)
#include "tst_notice.moc"
