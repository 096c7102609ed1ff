#include "platform/failure.h"

#include "platform/message_box.h"

#include <QMessageBox>
#include <cstdio>
#include <cstdlib>

namespace platform {
namespace {

void reportAndExit(const QString& what) {
    std::fprintf(stderr, "vandrel: %s\n", qPrintable(what));
    QMessageBox box(QMessageBox::Critical, QString::fromLatin1(kApplicationTitle),
                    QStringLiteral("Vandrel has to stop: %1.").arg(what), QMessageBox::Ok);
    box.exec();
    std::exit(1);
}

FailureHandler& handler() {
    static FailureHandler current = reportAndExit;
    return current;
}

} // namespace

void fail(const QString& what) {
    handler()(what);
    // A handler that returns has not ended the run; end it here rather than carry on broken.
    std::exit(1);
}

FailureHandler setFailureHandler(FailureHandler replacement) {
    FailureHandler old = std::move(handler());
    handler() = replacement ? std::move(replacement) : FailureHandler(reportAndExit);
    return old;
}

} // namespace platform
