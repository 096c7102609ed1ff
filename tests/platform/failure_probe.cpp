// Reports a failure through the platform's real report, the way an unexpected failure would,
// and answers its message box from a timer, printing what the box said.

#include "platform/failure.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QTimer::singleShot(0, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            std::printf("%s|%s\n", qPrintable(box->windowTitle()), qPrintable(box->text()));
            std::fflush(stdout);
            box->accept();
        }
    });
    platform::fail(QStringLiteral("the probe's own failure"));
}
