// Vandrel: a quiz on the flags of 197 countries.

#include "app/startup.h"
#include "quiz_window/form1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    // The program takes no arguments: Qt is handed the program name alone, so that nothing on
    // the command line (Qt's own options included) changes a run.
    int qtArgc = argc > 0 ? 1 : 0;
    char* qtArgv[] = {argc > 0 ? argv[0] : nullptr, nullptr};

    const std::unique_ptr<QApplication> app = startApplication(qtArgc, qtArgv);
    Form1 quiz;
    quiz.Show();
    return QApplication::exec();
}
