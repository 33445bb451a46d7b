#pragma once

// The widgets behind a CDialog; only dialog.cpp uses them.

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <vector>

#include "dialog_builder.h"
#include "system_menu.h"

class QMenuBar;

namespace resonara {

class CDialog;

// The top-level widget: its close box is the dialog's close request.
class DialogWindow final : public QWidget {
public:
    DialogWindow(CDialog& dialog, QWidget* parent, Qt::WindowFlags flags);
    CDialog& Dialog() const { return dialog_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CDialog& dialog_;
};

// The client area below the menu bar: the window's paint goes here, under
// the controls, and a right click on its background opens the system menu.
class ClientWidget final : public QWidget {
public:
    ClientWidget(CDialog& dialog, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    CDialog& dialog_;
};

// Watches the keys of the window and all its controls before they do.
class DialogKeys final : public QObject {
public:
    DialogKeys(CDialog& dialog, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CDialog& dialog_;
};

struct DialogParts {
    QPointer<DialogWindow> window;  // may go first when an owner's window is destroyed
    ClientWidget* client = nullptr;
    QMenuBar* menuBar = nullptr;
    std::vector<BuiltControl> controls;
    std::unique_ptr<SystemMenu> systemMenu;

    ~DialogParts();
};

}  // namespace resonara
