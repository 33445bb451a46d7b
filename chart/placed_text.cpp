#include "placed_text.h"

namespace resonara {

void DrawTexts(Surface& surface, std::span<const PlacedText> texts) {
    for (const PlacedText& each : texts) surface.TextOut(each.at.x, each.at.y, each.text);
}

}  // namespace resonara
