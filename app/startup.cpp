#include "app/startup.h"

#include "platform/accessibility.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdio>
#include <cstdlib>

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

QList<HeldMessage>* held = nullptr;

// While the platform plugin starts, Qt's messages are held back: on success they are passed on
// as they came; when no display can be opened they are replaced by one plain line.
void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        std::fputs("vandrel: needs a graphical display, and none could be opened\n", stderr);
        std::_Exit(1);
    }
    if (held != nullptr)
        held->append({type, QByteArray(context.category), text});
}

} // namespace

std::unique_ptr<QApplication> startApplication(int& argc, char** argv) {
    QList<HeldMessage> messages;
    held = &messages;
    const QtMessageHandler previous = qInstallMessageHandler(holdMessage);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    held = nullptr;
    for (const HeldMessage& message : messages) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        qt_message_output(message.type, context, message.text);
    }
    QApplication::setApplicationName(QStringLiteral("Vandrel"));
    // Ties the windows to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vandrel.Vandrel"));
    platform::installAccessibility();
    return app;
}
