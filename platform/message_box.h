#pragma once

#include <QString>
#include <functional>

namespace platform {

inline constexpr char kApplicationTitle[] = "Vandrel";

// Shows text in an application-modal box with one OK button, no icon and the application's
// title, and returns when the player has closed it.
void MsgBox(const QString& text);

// How many message boxes have been opened so far. A control that must know whether a modal
// loop ran inside one of its handlers compares two readings.
unsigned long messageBoxesShown();

// Tests answer boxes in-process: the presenter is called instead of opening a real box.
using MessageBoxPresenter = std::function<void(const QString& text)>;
MessageBoxPresenter setMessageBoxPresenter(MessageBoxPresenter presenter);

} // namespace platform
