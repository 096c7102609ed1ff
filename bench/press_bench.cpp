// Median cost of one "New flag" press and of one answer check, message box answered in-process.
// Prints figures; asserts nothing.

#include "platform/clock.h"
#include "platform/message_box.h"
#include "quiz_window/form1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double median(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    platform::setMessageBoxPresenter([](const QString&) {});
    platform::setClock({[] { return QDate(2026, 12, 11); }, {}}); // no notice window
    Form1 form;
    form.Show();

    const int rounds = 20000;
    std::vector<double> draws, checks;
    draws.reserve(rounds);
    checks.reserve(rounds);
    QElapsedTimer timer;
    for (int k = 0; k < rounds; ++k) {
        timer.start();
        form.ui.Command2->click();
        draws.push_back(static_cast<double>(timer.nsecsElapsed()) / 1000.0);
        platform::CheckBox* box = k % 3 == 0   ? form.ui.Check1
                                  : k % 3 == 1 ? form.ui.Check2
                                               : form.ui.Check3;
        timer.start();
        QTest::mousePress(box, Qt::LeftButton);
        checks.push_back(static_cast<double>(timer.nsecsElapsed()) / 1000.0);
    }
    std::printf("presses: %d each\n", rounds);
    std::printf("\"New flag\" press: median %.2f us\n", median(draws));
    std::printf("answer check:     median %.2f us\n", median(checks));
    return 0;
}
