#include "qt_surface.h"

#include <QColor>
#include <QIcon>
#include <QPaintDevice>
#include <QPixmap>
#include <QRectF>

#include "line_raster.h"
#include "program_icon.h"
#include "qt_text.h"

namespace resonara {
namespace {

constexpr const char* kSurfaceFontFamily = "DejaVu Sans";
// About the cell height of a classic bold system font.
constexpr int kSurfaceFontSize_px = 13;
constexpr Color kTextColor{0, 0, 0};

// Alignment bits of the horizontal reference; centre includes the right bit.
constexpr unsigned kHorizontalAlignMask = TA_CENTER;

QColor ToQColor(Color color) { return QColor(color.r, color.g, color.b); }

// The left edge of a text cell `width` pixels wide placed at `x` by `align`.
int CellLeft(int x, unsigned align, int width) {
    switch (align & kHorizontalAlignMask) {
        case TA_CENTER: return x - width / 2;
        case TA_RIGHT: return x - width;
        default: return x;
    }
}

// True when `next` continues `held` sideways or downwards with the same extent across.
bool Continues(const QRect& held, const QRect& next) {
    const bool sideways = next.top() == held.top() && next.height() == held.height() && next.left() == held.right() + 1;
    const bool downwards = next.left() == held.left() && next.width() == held.width() && next.top() == held.bottom() + 1;
    return sideways || downwards;
}

}  // namespace

QtSurface::QtSurface(QPaintDevice& device)
    : painter_(&device), client_{0, 0, device.width(), device.height()}, metrics_(DefaultFont(), &device) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, false);
    painter_.setFont(DefaultFont());
}

QtSurface::~QtSurface() { FlushFill(); }

QFont QtSurface::DefaultFont() {
    QFont font(kSurfaceFontFamily);
    font.setPixelSize(kSurfaceFontSize_px);
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

void QtSurface::FillRect(const Rect& rect, Color color) {
    Fill(QRect(rect.left, rect.top, rect.Width(), rect.Height()), color);
}

void QtSurface::DrawIcon(Point topLeft, const QIcon& icon) {
    FlushFill();
    painter_.drawPixmap(topLeft.x, topLeft.y, icon.pixmap(QSize(kIconSize_px, kIconSize_px), 1.0));
}

void QtSurface::Fill(const QRect& rect, Color color) {
    if (!pendingRect_.isEmpty() && color == pendingColor_ && Continues(pendingRect_, rect)) {
        pendingRect_ = pendingRect_.united(rect);
        return;
    }
    FlushFill();
    pendingRect_ = rect;
    pendingColor_ = color;
}

void QtSurface::FlushFill() {
    if (pendingRect_.isEmpty()) return;
    painter_.fillRect(pendingRect_, ToQColor(pendingColor_));
    pendingRect_ = QRect();
}

// Every line becomes a few filled rectangles: far cheaper than stroking, and
// exact about which pixels it covers.
void QtSurface::DoLine(Point from, Point to, const Pen& pen) {
    const int width = pen.width > 1 ? pen.width : 1;
    RasterizeLine(from, to, width > 1, [&](const PixelRun& run) {
        Fill(run.horizontal ? QRect(run.x, run.y, run.length, width) : QRect(run.x, run.y, width, run.length),
             pen.color);
    });
}

void QtSurface::DoEllipse(const Rect& bounds, const Pen& pen, const Brush& brush) {
    FlushFill();
    const int width = pen.width > 1 ? pen.width : 1;
    const double inset = width / 2.0;
    painter_.setPen(QPen(ToQColor(pen.color), width));
    painter_.setBrush(ToQColor(brush.color));
    painter_.drawEllipse(QRectF(bounds.left + inset, bounds.top + inset, bounds.Width() - width,
                                bounds.Height() - width));
    painter_.setBrush(Qt::NoBrush);
}

void QtSurface::DoText(Point reference, unsigned align, Color background, std::string_view text) {
    FlushFill();
    const QString qtext = ToQString(text);
    const int width = metrics_.horizontalAdvance(qtext);
    const int left = CellLeft(reference.x, align, width);
    painter_.fillRect(left, reference.y, width, metrics_.height(), ToQColor(background));
    painter_.setPen(ToQColor(kTextColor));
    painter_.drawText(left, reference.y + metrics_.ascent(), qtext);
}

}  // namespace resonara
