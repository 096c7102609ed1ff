#include "platform/message_box.h"

#include <QMessageBox>

namespace platform {
namespace {

void showModalBox(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kApplicationTitle), text,
                    QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

MessageBoxPresenter& presenter() {
    static MessageBoxPresenter current = showModalBox;
    return current;
}

unsigned long shownCount = 0;

} // namespace

void MsgBox(const QString& text) {
    ++shownCount;
    presenter()(text);
}

unsigned long messageBoxesShown() {
    return shownCount;
}

MessageBoxPresenter setMessageBoxPresenter(MessageBoxPresenter replacement) {
    MessageBoxPresenter old = std::move(presenter());
    presenter() = replacement ? std::move(replacement) : MessageBoxPresenter(showModalBox);
    return old;
}

} // namespace platform
