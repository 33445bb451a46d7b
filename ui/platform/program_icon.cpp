#include "program_icon.h"

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QRect>

namespace resonara {
namespace {

constexpr IconPicture kProgramIconPictures[] = {
    {32, 7, 25, 2, 5, 9, 23},
    {16, 3, 12, 2, 3, 5, 10},
};

const QColor kIconBackground(0, 0, 0);
const QColor kIconBar(255, 0, 0);

QRect Span(int firstColumn, int lastColumn, int firstRow, int lastRow) {
    return QRect(QPoint(firstColumn, firstRow), QPoint(lastColumn, lastRow));
}

}  // namespace

const IconPicture* FindProgramIconPicture(int size_px) {
    for (const IconPicture& picture : kProgramIconPictures) {
        if (picture.size_px == size_px) return &picture;
    }
    return nullptr;
}

QImage PaintIconPicture(const IconPicture& picture) {
    QImage image(picture.size_px, picture.size_px, QImage::Format_RGB32);
    image.fill(kIconBackground);
    QPainter painter(&image);
    painter.fillRect(Span(picture.barFirstColumn, picture.barLastColumn, 0, picture.size_px - 1), kIconBar);
    painter.fillRect(Span(picture.slotFirstColumn, picture.slotLastColumn, picture.slotFirstRow, picture.slotLastRow),
                     kIconBackground);
    painter.end();
    return image;
}

QIcon LoadIcon(int id) {
    QIcon icon;
    if (id != kProgramIconId) return icon;
    for (const IconPicture& picture : kProgramIconPictures) icon.addPixmap(QPixmap::fromImage(PaintIconPicture(picture)));
    return icon;
}

}  // namespace resonara
