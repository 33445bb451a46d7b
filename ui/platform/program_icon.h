#pragma once

class QIcon;
class QImage;

namespace resonara {

// The program's icon resource.
inline constexpr int kProgramIconId = 128;

// The desktop's icon size, width and height.
inline constexpr int kIconSize_px = 32;

// The picture of one size of the program icon: black, with a red upright bar
// over its whole height and a black slot near the top of the bar. Column and
// row ranges include both ends.
struct IconPicture {
    int size_px;
    int barFirstColumn, barLastColumn;
    int slotFirstRow, slotLastRow;
    int slotFirstColumn, slotLastColumn;
};

// The picture of icon 128 at `size_px` (32 or 16), or null for another size.
const IconPicture* FindProgramIconPicture(int size_px);

// Paints one picture into an opaque image of its size.
QImage PaintIconPicture(const IconPicture& picture);

// The icon resource `id` with every size it has; an unknown id gives a null icon.
QIcon LoadIcon(int id);

}  // namespace resonara
