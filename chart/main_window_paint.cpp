#include "main_window_paint.h"

#include "response_chart.h"

namespace resonara {

Point IconPosition(const Rect& client, Point iconSize) {
    return {(client.Width() - iconSize.x + 1) / 2, (client.Height() - iconSize.y + 1) / 2};
}

void PaintMainWindow(PaintedWindow& window, Surface& surface, const BoxDesign& design) {
    if (window.IsMinimised()) {
        window.EraseIconBackground(surface);
        window.DrawIcon(surface, IconPosition(surface.ClientRect(), window.IconSize()));
        return;
    }
    DrawResponseChart(surface, design);
    window.PaintDefault(surface);
}

}  // namespace resonara
