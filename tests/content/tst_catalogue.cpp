#include "content/catalogue.h"

#include <QSet>
#include <QTest>
#include <algorithm>

namespace {

QString nameAt(int index) {
    const std::string_view name = content::countryName(index);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace

class TestCatalogue : public QObject {
    Q_OBJECT

private slots:
    void entries_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::newRow("first") << 1 << "Afghanistan";
        QTest::newRow("second") << 2 << "Ecuador";
        QTest::newRow("7") << 7 << "Lithuania";
        QTest::newRow("11") << 11 << "Luxembourg";
        QTest::newRow("longest") << 64 << "St Vincent and the Grenadines";
        QTest::newRow("100") << 100 << "Thailand";
        QTest::newRow("176") << 176 << "Vietnam";
        QTest::newRow("196") << 196 << "Libya";
        QTest::newRow("last") << 197 << "Saudi Arabia";
    }
    void entries() {
        QFETCH(int, index);
        QFETCH(QString, name);
        QCOMPARE(nameAt(index), name);
    }

    void hasExactly197() {
        QCOMPARE(content::kCountryCount, 197);
        QCOMPARE(content::kCountries.size(), std::size_t(197));
    }

    void namesAreDistinctIgnoringCase() {
        QSet<QString> seen;
        for (int i = 1; i <= content::kCountryCount; ++i)
            seen.insert(nameAt(i).toLower());
        QCOMPARE(seen.size(), content::kCountryCount);
    }

    void namesAreLettersAndSingleSpaces() {
        int withSpaces = 0;
        for (int i = 1; i <= content::kCountryCount; ++i) {
            const QString name = nameAt(i);
            QVERIFY2(name.size() >= 4 && name.size() <= 29, qPrintable(name));
            QVERIFY2(!name.startsWith(u' ') && !name.endsWith(u' '), qPrintable(name));
            QVERIFY2(!name.contains(QStringLiteral("  ")), qPrintable(name));
            for (QChar c : name)
                QVERIFY2(c == u' ' || (c.unicode() < 128 && c.isLetter()), qPrintable(name));
            withSpaces += name.contains(u' ') ? 1 : 0;
        }
        QCOMPARE(withSpaces, 35);
    }

    void index64IsTheOnlyLongest() {
        for (int i = 1; i <= content::kCountryCount; ++i) {
            if (i != 64)
                QVERIFY2(nameAt(i).size() < nameAt(64).size(), qPrintable(nameAt(i)));
        }
    }

    void orderIsNotAlphabetical() {
        QVERIFY(!std::is_sorted(content::kCountries.begin(), content::kCountries.end()));
    }
};

QTEST_APPLESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
