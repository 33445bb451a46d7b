// RESONARA_EXIT_AFTER_FIRST_PAINT=1 for the empty dialog, as resonara's
// platform honours it: once the first paint is on screen, print
//     first-paint-ns <steady clock> window <width>x<height>
// and quit. It registers itself with every QCoreApplication of the program.
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <chrono>
#include <cstdio>

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

void WatchForFirstPaint() {
    if (qEnvironmentVariableIntValue("RESONARA_EXIT_AFTER_FIRST_PAINT") != 1) return;
    QCoreApplication* app = QCoreApplication::instance();
    app->installEventFilter(new FirstPaintExit(app));
}
Q_COREAPP_STARTUP_FUNCTION(WatchForFirstPaint)

}  // namespace
