#include "platform/counter.h"

#include <QTest>

class TestCounter : public QObject {
    Q_OBJECT

private slots:
    void leadingNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("zero") << "0" << 0.0;
        QTest::newRow("digits") << "41" << 41.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("not a number") << "abc" << 0.0;
        QTest::newRow("number then text") << "12abc" << 12.0;
        QTest::newRow("leading blanks") << "  7" << 7.0;
        QTest::newRow("sign") << "-3" << -3.0;
        QTest::newRow("fraction") << "2.5" << 2.5;
        QTest::newRow("exponent") << "1e3" << 1000.0;
        QTest::newRow("dangling exponent") << "4e" << 4.0;
        QTest::newRow("lone sign") << "-" << 0.0;
        QTest::newRow("lone point") << "." << 0.0;
        QTest::newRow("overflow") << "1e999" << 0.0;
    }
    void leadingNumber() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(platform::leadingNumber(text), value);
    }

    void plusOne_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("next");
        QTest::newRow("0") << "0"
                           << "1";
        QTest::newRow("9 carries") << "9"
                                   << "10";
        QTest::newRow("99 carries") << "99"
                                    << "100";
        QTest::newRow("large, no grouping or exponent") << "999999"
                                                        << "1000000";
        QTest::newRow("garbage reads as 0") << "x"
                                            << "1";
        QTest::newRow("empty reads as 0") << ""
                                          << "1";
        QTest::newRow("negative to zero, no sign") << "-1"
                                                   << "0";
    }
    void plusOne() {
        QFETCH(QString, caption);
        QFETCH(QString, next);
        QCOMPARE(platform::counterPlusOne(caption), next);
    }
};

QTEST_APPLESS_MAIN(TestCounter)
#include "tst_counter.moc"
