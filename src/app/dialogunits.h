#pragma once

// The small dialogs' sizes are given in the recorder's dialog units; at 96 DPI one unit is 1.5 pixels across
// and 1.625 pixels down.
constexpr int DuX(int units) {
    return units * 3 / 2;
}
constexpr int DuY(int units) {
    return units * 13 / 8;
}
