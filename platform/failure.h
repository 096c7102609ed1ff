#pragma once

#include <QString>
#include <functional>
#include <stdexcept>

// The report of an unexpected failure. Nothing in the program traps an error: a failed call
// ends up here, the user is told what failed, and the run ends with exit status 1.
namespace platform {

using FailureHandler = std::function<void(const QString& what)>;

// Reports the failure and ends the run; never returns.
[[noreturn]] void fail(const QString& what);

// Tests replace the report, typically with one that throws Failure, and get the old one back.
FailureHandler setFailureHandler(FailureHandler handler);

struct Failure : std::runtime_error {
    explicit Failure(const QString& what)
        : std::runtime_error(what.toStdString()) {}
};

} // namespace platform
