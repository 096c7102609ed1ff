// The quiz window as laid out: controls, places, texts, fonts, tab order and start-up.

#include "content/catalogue.h"
#include "quiz_window/form1.h"
#include "support/seams.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class TestQuizLayout : public QObject {
    Q_OBJECT

private slots:
    void controls_data();
    void controls();
    void controlsAreCreatedInStoredOrder();
    void windowHasFixedFrameAndClientSize();
    void startUpFillsListInCatalogueOrder();
    void startUpLeavesEverythingElseAsStored();
    void focusStartsOnFirstOptionAndTabCycles();
    void tabSkipsDisabledOptionBox();
    void closingTheWindowUnloadsIt();

private:
    FrozenClock clock_; // an ordinary day: no notice window
};

void TestQuizLayout::controls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("family");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("visible");

    const QString arial = QStringLiteral("Arial");
    const QString sans = QStringLiteral("MS Sans Serif");
    // Twips divided by 15.
    QTest::newRow("Command1") << "Command1"
                              << "QPushButton" << QRect(331, 184, 97, 25) << "New game" << arial
                              << true << 9.0 << true;
    QTest::newRow("Text1") << "Text1"
                           << "QLineEdit" << QRect(296, 240, 121, 25) << "" << sans << false << 8.25
                           << false;
    QTest::newRow("Command2") << "Command2"
                              << "QPushButton" << QRect(331, 16, 97, 25) << "New flag" << arial
                              << true << 9.0 << true;
    QTest::newRow("Check3") << "Check3"
                            << "platform::CheckBox" << QRect(27, 128, 233, 17) << "" << arial
                            << true << 9.75 << true;
    QTest::newRow("Check2") << "Check2"
                            << "platform::CheckBox" << QRect(27, 104, 233, 17) << "" << arial
                            << true << 9.75 << true;
    QTest::newRow("Check1") << "Check1"
                            << "platform::CheckBox" << QRect(27, 80, 233, 17) << "" << arial << true
                            << 9.75 << true;
    QTest::newRow("List1") << "List1"
                           << "platform::ListBox" << QRect(24, 16, 17, 30) << "" << sans << false
                           << 8.25 << false;
    QTest::newRow("Label2") << "Label2"
                            << "platform::Label" << QRect(80, 16, 25, 25) << "0" << arial << true
                            << 9.75 << true;
    QTest::newRow("Label1") << "Label1"
                            << "platform::Label" << QRect(120, 16, 25, 25) << "0" << arial << true
                            << 9.75 << true;
}

void TestQuizLayout::controls() {
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QRect, place);
    QFETCH(QString, text);
    QFETCH(QString, family);
    QFETCH(bool, bold);
    QFETCH(double, points);
    QFETCH(bool, visible);

    Form1 form;
    form.Show();
    auto* control = form.findChild<QWidget*>(name);
    QVERIFY(control != nullptr);
    QCOMPARE(QString::fromLatin1(control->metaObject()->className()), kind);
    QCOMPARE(control->geometry(), place);
    QString shown;
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        shown = button->text();
    else if (auto* label = qobject_cast<QLabel*>(control))
        shown = label->text();
    else if (auto* edit = qobject_cast<QLineEdit*>(control))
        shown = edit->text();
    QCOMPARE(shown, text);
    QCOMPARE(control->font().family(), family);
    QCOMPARE(control->font().bold(), bold);
    QCOMPARE(control->font().pointSizeF(), points);
    QVERIFY(!control->font().italic() && !control->font().underline() &&
            !control->font().strikeOut());
    QCOMPARE(control->isVisible(), visible);
    QVERIFY(control->isEnabled());
}

void TestQuizLayout::controlsAreCreatedInStoredOrder() {
    Form1 form;
    QStringList order;
    for (QObject* child : form.children()) {
        if (child->isWidgetType())
            order << child->objectName();
    }
    QCOMPARE(order, QStringList({"Command1", "Text1", "Command2", "Check3", "Check2", "Check1",
                                 "List1", "im1", "Image2", "Label2", "Label1", "Image1"}));
}

void TestQuizLayout::windowHasFixedFrameAndClientSize() {
    Form1 form;
    form.Show();
    QCOMPARE(form.windowTitle(), QStringLiteral("Vandrel"));
    QCOMPARE(form.size(), QSize(515, 227));
    QCOMPARE(form.minimumSize(), QSize(515, 227));
    QCOMPARE(form.maximumSize(), QSize(515, 227));
    QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(form.windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!(form.windowFlags() & Qt::FramelessWindowHint));
    form.resize(800, 600);
    QCOMPARE(form.size(), QSize(515, 227));
    // Centred on the screen.
    const QRect screen = form.screen()->availableGeometry();
    QVERIFY(qAbs(form.geometry().center().x() - screen.center().x()) <= 1);
    QVERIFY(qAbs(form.geometry().center().y() - screen.center().y()) <= 1);
}

void TestQuizLayout::startUpFillsListInCatalogueOrder() {
    Form1 form;
    QCOMPARE(form.ui.List1->count(), 0);
    form.Show();
    QCOMPARE(form.ui.List1->count(), content::kCountryCount);
    for (int position = 0; position < content::kCountryCount; ++position) {
        const std::string_view name = content::countryName(position + 1);
        QCOMPARE(form.ui.List1->List(position),
                 QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    }
    QVERIFY(!form.ui.List1->isSortingEnabled());
}

void TestQuizLayout::startUpLeavesEverythingElseAsStored() {
    Form1 form;
    form.Show();
    QCOMPARE(form.ui.Label1->text(), QStringLiteral("0"));
    QCOMPARE(form.ui.Label2->text(), QStringLiteral("0"));
    QCOMPARE(form.ui.Text1->text(), QString());
    for (const auto* box : {form.ui.Check1, form.ui.Check2, form.ui.Check3}) {
        QCOMPARE(box->text(), QString());
        QVERIFY(!box->isChecked());
        QVERIFY(box->isEnabled());
    }
    QCOMPARE(form.ui.Label1->alignment(), Qt::AlignCenter);
    QVERIFY(form.ui.Image1->isVisible());
    QVERIFY(!form.ui.Image2->isVisible());
    QCOMPARE(form.ui.Image1->pos(), QPoint(272, 56));
    QCOMPARE(form.ui.Image2->pos(), QPoint(80, 176));
}

void TestQuizLayout::focusStartsOnFirstOptionAndTabCycles() {
    Form1 form;
    form.Show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(QApplication::focusWidget(), form.ui.Check1);
    const QList<QWidget*> expected = {form.ui.Check2, form.ui.Check3, form.ui.Command2,
                                      form.ui.Command1, form.ui.Check1};
    for (QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
}

void TestQuizLayout::tabSkipsDisabledOptionBox() {
    Form1 form;
    form.Show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.ui.Check2->setEnabled(false);
    QTest::keyClick(form.ui.Check1, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), form.ui.Check3);
}

void TestQuizLayout::closingTheWindowUnloadsIt() {
    Form1 form;
    form.Show();
    QVERIFY(form.close());
    QVERIFY(form.isUnloaded());
    QVERIFY(!form.isVisible());
}

QTEST_MAIN(TestQuizLayout)
#include "tst_quiz_layout.moc"
