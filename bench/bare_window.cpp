// The yardstick for start-up: the barest Qt Widgets program with a window of the quiz's size.

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.resize(515, 227);
    window.show();
    return QApplication::exec();
}
