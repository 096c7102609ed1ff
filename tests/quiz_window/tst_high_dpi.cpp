// The quiz window at a scale factor of 2: twice the size in device pixels, the same layout in
// logical pixels, every text inside its control.

#include "content/catalogue.h"
#include "support/quiz_fixture.h"

#include <QStyle>

class TestHighDpi : public QObject {
    Q_OBJECT

private slots:
    void windowIsTwiceTheSize() {
        QuizFixture quiz;
        QCOMPARE(quiz.form.devicePixelRatioF(), 2.0);
        QCOMPARE(quiz.form.size() * quiz.form.devicePixelRatioF(), QSize(1030, 454));
        QCOMPARE(quiz.form.ui.Check1->geometry(), QRect(27, 80, 233, 17));
        QCOMPARE(quiz.form.ui.Image1->geometry(), QRect(272, 56, 214, 120));
    }

    void everyTextFits() {
        QuizFixture quiz;
        // The longest country name in every option box, three-digit counts.
        const std::string_view longest = content::countryName(64);
        for (platform::CheckBox* box : quiz.options())
            box->setText(QString::fromLatin1(longest.data(), qsizetype(longest.size())));
        quiz.form.ui.Label1->setText(QStringLiteral("888"));
        quiz.form.ui.Label2->setText(QStringLiteral("888"));

        const int indicator = quiz.form.style()->pixelMetric(QStyle::PM_IndicatorWidth) +
                              quiz.form.style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
        const QList<QWidget*> controls = {
            quiz.form.ui.Command1, quiz.form.ui.Command2, quiz.form.ui.Check1, quiz.form.ui.Check2,
            quiz.form.ui.Check3,   quiz.form.ui.Label1,   quiz.form.ui.Label2};
        for (QWidget* control : controls) {
            const QString text = control->property("text").toString();
            const QFontMetrics metrics = control->fontMetrics();
            const int room = control->width() - (qobject_cast<QCheckBox*>(control) ? indicator : 0);
            QVERIFY2(metrics.horizontalAdvance(text) <= room, qPrintable(control->objectName()));
            QVERIFY2(metrics.height() <= control->height(), qPrintable(control->objectName()));
        }
    }
};

int main(int argc, char* argv[]) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestHighDpi test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_high_dpi.moc"
