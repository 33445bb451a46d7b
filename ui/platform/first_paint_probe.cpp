#include "first_paint_probe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QSize>
#include <QWidget>
#include <chrono>
#include <cstdio>

namespace resonara {
namespace {

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


}  // namespace

void WatchForFirstPaintIfAsked(QCoreApplication& app) {
    if (qEnvironmentVariableIntValue("RESONARA_EXIT_AFTER_FIRST_PAINT") != 1) return;
    app.installEventFilter(new FirstPaintExit(&app));
}

}  // namespace resonara
