#pragma once

#include <span>
#include <string_view>

#include "surface.h"

namespace resonara {

// A text and its reference point, for tables of labels.
struct PlacedText {
    Point at;
    std::string_view text;
};

// Each text in order, with the surface's current alignment and background.
void DrawTexts(Surface& surface, std::span<const PlacedText> texts);

}  // namespace resonara
