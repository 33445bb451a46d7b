#include "dialog.h"

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QPalette>
#include <QWidget>

#include "qt_surface.h"

namespace resonara {

void CDialog::Invalidate() {
    if (QWidget* client = ClientArea()) client->update();
}

bool CDialog::IsIconic() const {
    const QWidget* window = Window();
    return window != nullptr && window->isMinimized();
}

// One icon carries both sizes, so the big and the small icon are the same call.
void CDialog::SetIcon(const QIcon& icon, bool /*big*/) {
    if (QWidget* window = Window()) window->setWindowIcon(icon);
}

void CDialog::EraseBackground(QtSurface& surface) const {
    const QWidget* client = ClientArea();
    if (client == nullptr) return;
    const QColor background = client->palette().color(QPalette::Window);
    surface.FillRect(surface.ClientRect(), {static_cast<std::uint8_t>(background.red()),
                                            static_cast<std::uint8_t>(background.green()),
                                            static_cast<std::uint8_t>(background.blue())});
}

QImage CDialog::PaintClientToImage() {
    QWidget* client = ClientArea();
    if (client == nullptr) return {};
    QImage image(client->size(), QImage::Format_RGB32);
    {
        QtSurface surface(image);
        EraseBackground(surface);
        OnPaint(surface);
    }
    return image;
}

void CDialog::OnPaint(QtSurface&) {}

}  // namespace resonara
