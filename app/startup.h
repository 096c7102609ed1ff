#pragma once

#include <QApplication>
#include <memory>

// Creates the application object. Where no graphical display can be opened, it prints one line
// that says so and ends the run with status 1, instead of letting Qt abort.
std::unique_ptr<QApplication> startApplication(int& argc, char** argv);
