#pragma once

// What assistive tools see of the windows: only the controls a player can see (hidden ones,
// such as a window's answer field, are left out entirely), and counters read with their
// meaning: a platform::Label whose "accessibleCaption" property is set reads as "caption: text".
namespace platform {

void installAccessibility();

} // namespace platform
