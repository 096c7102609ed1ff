// The report of an unexpected failure: a message box titled "Vandrel" that says what failed,
// then exit status 1.

#include <QProcess>
#include <QTest>

class TestFailureReport : public QObject {
    Q_OBJECT

private slots:
    void saysWhatFailedAndExitsWithOne() {
        QProcess probe;
        probe.start(QStringLiteral(FAILURE_PROBE), {});
        QVERIFY(probe.waitForFinished(30000));
        QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
        QCOMPARE(probe.exitCode(), 1);
        QCOMPARE(QString::fromUtf8(probe.readAllStandardOutput()).trimmed(),
                 QStringLiteral("Vandrel|Vandrel has to stop: the probe's own failure."));
        QVERIFY(probe.readAllStandardError().contains("vandrel: the probe's own failure"));
    }
};

QTEST_GUILESS_MAIN(TestFailureReport)
#include "tst_failure_report.moc"
