#pragma once

#include <cmath>

// Stored layouts measure in twips; the screen in Qt's logical pixels, which Qt itself scales on
// high-DPI screens. One logical pixel is 15 twips, as at 96 dots per inch.
namespace platform {

inline constexpr int kTwipsPerPixel = 15;

inline int pixelsFromTwips(double twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

inline constexpr double twipsFromPixels(int pixels) {
    return static_cast<double>(pixels) * kTwipsPerPixel;
}

} // namespace platform
