#include "svg_font_metrics.h"

#include <algorithm>
#include <optional>

namespace resonara {
namespace {

constexpr int kSubpixelsPerPixel = 64;
constexpr char kUnknownGlyph = '?';

bool IsUtf8Continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

char Measured(char c) { return c >= kFirstPrintable && c <= kLastPrintable ? c : kUnknownGlyph; }

int Advance_64ths(const FontMetricsTable& font, char c) {
    return font.advance_64ths[static_cast<std::size_t>(c - kFirstPrintable)];
}

int Kerning_64ths(const FontMetricsTable& font, char left, char right) {
    const auto before = [](const KerningPair& pair, std::pair<char, char> key) {
        return std::pair(pair.left, pair.right) < key;
    };
    const auto found = std::lower_bound(font.kerning.begin(), font.kerning.end(), std::pair(left, right), before);
    const bool hit = found != font.kerning.end() && found->left == left && found->right == right;
    return hit ? found->adjust_64ths : 0;
}

}  // namespace

int TextWidth_px(const FontMetricsTable& font, std::string_view text) {
    int width_64ths = 0;
    std::optional<char> previous;
    for (const char byte : text) {
        if (IsUtf8Continuation(byte)) continue;
        const char c = Measured(byte);
        width_64ths += Advance_64ths(font, c);
        if (previous) width_64ths += Kerning_64ths(font, *previous, c);
        previous = c;
    }
    return (width_64ths + kSubpixelsPerPixel / 2) / kSubpixelsPerPixel;
}

}  // namespace resonara
