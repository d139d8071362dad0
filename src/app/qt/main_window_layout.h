// Where the main window's controls go for a given outer size of the window
// (frame included). Kept free of Qt so it can be checked with plain numbers.
#pragma once

#include <algorithm>

namespace hexia {

struct MainWindowLayout {
    int logWidth;
    int logHeight;
    int buttonLeft;
    int buttonTop;
};

// The log keeps its place at 0, 0 and the button its size. A window smaller
// than 60 x 75 would give negative values; they stop at 0.
constexpr MainWindowLayout MainWindowLayoutFor(int outerWidth, int outerHeight) {
    return {std::max(0, outerWidth - 15), std::max(0, outerHeight - 75), std::max(0, outerWidth - 60),
            std::max(0, outerHeight - 70)};
}

} // namespace hexia
