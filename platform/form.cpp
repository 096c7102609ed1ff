#include "platform/form.h"

#include "platform/picture.h"
#include "platform/twips.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>

namespace platform {

namespace {

// Stored layouts name the faces of the platform they were made on. MS Sans Serif is not on a
// Linux desktop; naming its stand-in here spares fontconfig a slow search for a family that is
// not there (Arial is matched to Liberation Sans by fontconfig itself).
void substituteFonts() {
    static const bool done = [] {
        QFont::insertSubstitution(QStringLiteral("MS Sans Serif"),
                                  QStringLiteral("Liberation Sans"));
        return true;
    }();
    Q_UNUSED(done);
}

} // namespace

Form::Form(QWidget* parent)
    : QWidget(parent, Qt::Window) {
    substituteFonts();
}

Form::~Form() {
    if (modalLoop_ != nullptr)
        modalLoop_->quit();
}

void Form::applyStoredLayout() {
    QList<QWidget*> controls = findChildren<QWidget*>();
    controls.prepend(this);
    for (QWidget* control : controls) {
        const QVariant size = control->property("fontPointSize");
        if (size.isValid()) {
            QFont font = control->font();
            font.setPointSizeF(size.toDouble());
            control->setFont(font);
        }
    }
    const QString icon = property("iconResource").toString();
    if (!icon.isEmpty())
        setWindowIcon(decodeIcon(icon));
    const QString border = property("borderStyle").toString();
    if (border == u"none") {
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    } else if (border == u"fixedSingle") {
        // A thin fixed frame: title, icon, close box and minimise, but no maximise and no resize.
        setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                       Qt::WindowCloseButtonHint);
        setFixedSize(size());
    }
}

void Form::Show(int modal) {
    if (unloaded_)
        return;
    if (!loaded_) {
        loaded_ = true;
        Form_Load();
        if (unloaded_)
            return;
    }
    centreOnScreen();
    if (modal != 1) {
        show();
        return;
    }
    setWindowModality(Qt::ApplicationModal);
    show();
    QEventLoop loop;
    modalLoop_ = &loop;
    loop.exec(QEventLoop::DialogExec);
    modalLoop_ = nullptr;
}

void Form::Unload() {
    close();
}

void Form::closeEvent(QCloseEvent* event) {
    event->accept();
    unloaded_ = true;
    if (modalLoop_ != nullptr)
        modalLoop_->quit();
}

QSize Form::frameExtra() const {
    return frameGeometry().size() - geometry().size();
}

double Form::Width() const {
    return twipsFromPixels(frameGeometry().width());
}

double Form::Height() const {
    return twipsFromPixels(frameGeometry().height());
}

void Form::setWidth(double twips) {
    resize(pixelsFromTwips(twips) - frameExtra().width(), height());
}

void Form::setHeight(double twips) {
    resize(width(), pixelsFromTwips(twips) - frameExtra().height());
}

void Form::centreOnScreen() {
    const QScreen* target = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    if (target == nullptr)
        return;
    setGeometry(
        QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), target->availableGeometry()));
}

void SetFocus(QWidget* control) {
    control->setFocus(Qt::OtherFocusReason);
}

} // namespace platform
