// The real message box, answered from a timer as a player would.

#include "platform/message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TestMessageBox : public QObject {
    Q_OBJECT

private slots:
    void isApplicationModalWithTextOnlyAndOneOkButton() {
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::Warning;
        int buttons = -1;
        Qt::WindowModality modality = Qt::NonModal;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = static_cast<int>(box->buttons().size());
            modality = box->windowModality();
            QTest::keyClick(box, Qt::Key_Return);
        });
        const unsigned long before = platform::messageBoxesShown();
        platform::MsgBox(QStringLiteral("Wrong. The answer is <b>Japan</b>."));
        QCOMPARE(platform::messageBoxesShown(), before + 1);
        QCOMPARE(title, QStringLiteral("Vandrel"));
        QCOMPARE(text, QStringLiteral("Wrong. The answer is <b>Japan</b>."));
        QCOMPARE(icon, QMessageBox::NoIcon);
        QCOMPARE(buttons, 1);
        QCOMPARE(modality, Qt::ApplicationModal);
    }

    void presenterReplacesTheBoxAndIsPutBack() {
        QStringList seen;
        auto old = platform::setMessageBoxPresenter([&](const QString& t) { seen << t; });
        platform::MsgBox(QStringLiteral("Good."));
        platform::setMessageBoxPresenter(std::move(old));
        QCOMPARE(seen, QStringList({"Good."}));
    }
};

QTEST_MAIN(TestMessageBox)
#include "tst_message_box.moc"
