#include "dialog_window.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>

#include "dialog.h"
#include "qt_surface.h"

namespace resonara {

DialogWindow::DialogWindow(CDialog& dialog, QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags), dialog_(dialog) {}

// The window never closes by itself: it goes when the dialog's run is over.
void DialogWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    dialog_.OnClose();
}

ClientWidget::ClientWidget(CDialog& dialog, QWidget* parent) : QWidget(parent), dialog_(dialog) {}

void ClientWidget::paintEvent(QPaintEvent*) {
    QtSurface surface(*this);
    dialog_.OnPaint(surface);
}

// Controls that use the right button (edits) keep the event; static
// controls let it through, so it reaches here.
void ClientWidget::contextMenuEvent(QContextMenuEvent* event) {
    if (event->reason() != QContextMenuEvent::Mouse) return;
    dialog_.OpenSystemMenu(*this, event->pos().x(), event->pos().y());
}

DialogKeys::DialogKeys(CDialog& dialog, QObject* parent) : QObject(parent), dialog_(dialog) {}

bool DialogKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && dialog_.HandleKey(static_cast<const QKeyEvent&>(*event))) return true;
    return QObject::eventFilter(watched, event);
}

DialogParts::~DialogParts() {
    systemMenu.reset();
    delete window.data();
}

}  // namespace resonara
