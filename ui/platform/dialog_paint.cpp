#include "dialog.h"

#include <QColor>
#include <QCoreApplication>
#include <QEvent>
#include <QIcon>
#include <QImage>
#include <QPalette>
#include <QWidget>
#include <chrono>
#include <cstdio>

#include "qt_surface.h"

namespace resonara {
namespace {

// Start-up measurement (scripts/measure-startup.sh): with RESONARA_EXIT_AFTER_FIRST_PAINT=1 the program
// prints the steady clock in nanoseconds and its window's size once the first paint is on screen, then quits.
class FirstPaintExit final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto* widget = qobject_cast<const QWidget*>(watched);
        if (event->type() != QEvent::Paint || widget == nullptr || done_) return false;
        done_ = true;
        const QSize size = widget->window()->size();
        // Queued, so it runs after the whole window has been painted and flushed.
        QMetaObject::invokeMethod(this, [size] {
            const auto now = std::chrono::steady_clock::now().time_since_epoch();
            std::printf("first-paint-ns %lld window %dx%d\n",
                        static_cast<long long>(std::chrono::nanoseconds(now).count()), size.width(), size.height());
            std::fflush(stdout);
            QCoreApplication::exit(0);
        }, Qt::QueuedConnection);
        return false;
    }

private:
    bool done_ = false;
};

void WatchForFirstPaint() {
    if (qEnvironmentVariableIntValue("RESONARA_EXIT_AFTER_FIRST_PAINT") != 1) return;
    QCoreApplication* app = QCoreApplication::instance();
    app->installEventFilter(new FirstPaintExit(app));
}
Q_COREAPP_STARTUP_FUNCTION(WatchForFirstPaint)

}  // namespace

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
