#pragma once

namespace resonara {

class CDialog;

// A window's command handler: a member function without arguments.
using CommandHandler = void (CDialog::*)();

// One row of a window's command table: a control or menu id and its handler.
struct CommandEntry {
    int id;
    CommandHandler handler;
};

// Turns a handler of a window class into a table entry's handler:
//     const CommandEntry CMyDlg::kCommands[] = {{1012, Handler(&CMyDlg::OnCalculate)}, ...};
// Defining the table as a static member of the window keeps private handlers private.
// REQUIRES: the table is only used by objects of Window.
template <class Window>
constexpr CommandHandler Handler(void (Window::*handler)()) {
    return static_cast<CommandHandler>(handler);
}

}  // namespace resonara
