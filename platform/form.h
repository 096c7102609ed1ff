#pragma once

#include <QWidget>

class QEventLoop;

namespace platform {

// A window built from its stored layout. The subclass builds its controls from the Designer
// layout in its constructor and then calls applyStoredLayout(); the platform runs Form_Load once,
// before the window is first shown.
//
// Stored layouts carry three settings that a .ui file has no words for, as dynamic properties:
// "borderStyle" on the window ("none" or "fixedSingle"), "iconResource" on the window (decoded
// like every other built-in picture, so that a missing icon is reported) and "fontPointSize" on
// any control whose font size is fractional (Designer stores whole points only).
class Form : public QWidget {
    Q_OBJECT

public:
    explicit Form(QWidget* parent = nullptr);
    ~Form() override;

    // Loads the window if it is not loaded yet, then shows it centred on the screen. With modal 1
    // it returns only once the window has been unloaded, serving a nested event loop meanwhile.
    void Show(int modal = 0);
    // Hides the window for good; a modal Show waiting on it returns.
    void Unload();

    bool isUnloaded() const { return unloaded_; }

    // The window's outer size, frame included, in twips.
    double Width() const;
    double Height() const;
    void setWidth(double twips);
    void setHeight(double twips);

protected:
    virtual void Form_Load() {}
    void applyStoredLayout();
    // Every close the window system offers is an unload.
    void closeEvent(QCloseEvent* event) override;

private:
    QSize frameExtra() const;
    void centreOnScreen();

    bool loaded_ = false;
    bool unloaded_ = false;
    QEventLoop* modalLoop_ = nullptr;
};

// Moves the keyboard focus to a control.
void SetFocus(QWidget* control);

} // namespace platform
