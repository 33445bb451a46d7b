#pragma once

namespace resonara {

// Dialog templates place controls in dialog units: a horizontal unit is a
// quarter of the dialog font's average character width, a vertical unit an
// eighth of its height. The dialog font is fixed, so the base is fixed too.
inline constexpr int kDialogBaseWidth_px = 6;
inline constexpr int kDialogBaseHeight_px = 13;
inline constexpr int kHorizontalUnitsPerBase = 4;
inline constexpr int kVerticalUnitsPerBase = 8;

// a * b / c rounded to the nearest integer, halves away from zero.
// REQUIRES: c > 0 and a * b fits an int.
constexpr int MulDiv(int a, int b, int c) {
    const int product = a * b;
    const int half = c / 2;
    return product >= 0 ? (product + half) / c : -((-product + half) / c);
}

// Each coordinate and each extent is converted on its own, so a control's
// pixel width is not always right minus left of its converted corners.
constexpr int HorizontalUnitsToPixels(int units) {
    return MulDiv(units, kDialogBaseWidth_px, kHorizontalUnitsPerBase);
}
constexpr int VerticalUnitsToPixels(int units) { return MulDiv(units, kDialogBaseHeight_px, kVerticalUnitsPerBase); }

// A rectangle in dialog units, relative to the client area's top-left corner.
struct DialogRect {
    int x = 0, y = 0, width = 0, height = 0;
};

}  // namespace resonara
