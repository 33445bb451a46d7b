#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "command_table.h"
#include "data_exchange.h"
#include "dialog_template.h"
#include "platform_services.h"
#include "system_menu.h"

class QAction;
class QEventLoop;
class QIcon;
class QImage;
class QKeyEvent;
class QWidget;

namespace resonara {

class QtSurface;
struct DialogParts;

// A dialog built from a template: the base of every window.
//
// The object outlives its window: the window (top-level widget, optional menu
// bar, client area with the controls) is built by Create() or DoModal() and
// destroyed by DestroyWindow() or at the end of DoModal(), so each run starts
// from the template. Between runs the object keeps its own data.
//
// Routing: a click on a button or check box and a menu choice send the
// control's or item's id to SendCommand(), which looks the id up in the
// window's CommandTable(); ids 1 and 2 not in the table run OnOK() and
// OnCancel(). Enter sends the command of the focused push button, or else of
// the default button (1 without one); Esc and the close box (through
// OnClose()) send 2; none of them does anything while the control of that id
// exists and is disabled. System menu choices reach OnSysCommand().
//
// Everything runs on the user-interface thread.
class CDialog {
public:
    // REQUIRES: `dialogTemplate` is static data; `owner`, if any, outlives every run.
    explicit CDialog(const DialogTemplate& dialogTemplate, CDialog* owner = nullptr);
    virtual ~CDialog();
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Builds and initialises the window, shows it centred over the owner's
    // window (or the screen) with every other window blocked, runs it through
    // Services().RunModal() and destroys it. Returns the end code: IDOK,
    // IDCANCEL or what EndDialog() was given; -1 if the window already
    // exists or the run returned without the dialog ending.
    int DoModal();

    // The steps of DoModal() for callers that drive the window themselves
    // (tests, the modal loop). Create() builds the window and runs the
    // initialisation, unshown; false if the window already exists.
    bool Create();
    void ShowWindow();
    // The real modal loop: returns once the dialog ends. REQUIRES: shown.
    void RunModalLoop();
    void DestroyWindow();
    bool HasWindow() const { return parts_ != nullptr; }

    // Ends the run with `code` and hides the window; the window itself goes
    // when the run is over.
    void EndDialog(int code);
    bool IsEnded() const { return ended_; }
    int EndCode() const { return endCode_; }

    // Data exchange over DoDataExchange(): true moves the controls' texts into
    // the fields, false the fields into the controls. Returns false when a
    // field did not parse (see DataExchange).
    bool UpdateData(bool saveAndValidate = true);

    // As a click on the control or a choice of the menu item with this id.
    void SendCommand(int id);
    // As a choice in the system menu.
    void SendSysCommand(unsigned id);
    // As the close box or Alt+F4.
    void RequestClose();

    // Controls, by template id; null, empty or false without such a control.
    // The first control in template order wins when ids repeat.
    QWidget* GetDlgItem(int id) const;
    std::string GetDlgItemText(int id) const;
    void SetDlgItemText(int id, std::string_view text);
    bool IsDlgButtonChecked(int id) const;
    void CheckDlgButton(int id, bool checked);
    // Moves the focus to the control and selects an edit's whole text.
    void GotoDlgCtrl(int id);
    // The id of the control that has (or will have, while the window is not
    // active) the focus; kNoControlId if none.
    int GetFocusId() const;

    // The menu bar item with this command id, or null.
    QAction* FindMenuItem(int command) const;
    // Null without a window or when the frame has no system menu.
    SystemMenu* GetSystemMenu() const;

    // Repaints the whole client area, its background erased first.
    void Invalidate();
    bool IsIconic() const;
    void SetIcon(const QIcon& icon, bool big);
    // Fills the whole client area with the window's background colour, as is
    // done before every paint; a minimised window's paint uses it behind its icon.
    void EraseBackground(QtSurface& surface) const;
    // What the paint hook draws on a freshly erased client area, as an image.
    QImage PaintClientToImage();

    // A message box owned by this window, through Services().
    int MessageBox(std::string_view text, std::string_view caption, unsigned flags = MB_OK);

    // The top-level widget and the client area below the menu bar; null without a window.
    QWidget* Window() const;
    QWidget* ClientArea() const;
    CDialog* Owner() const { return owner_; }
    const DialogTemplate& Template() const { return template_; }
    // The dialog whose top-level widget `window` is, or null.
    static CDialog* FromWindow(const QWidget* window);

protected:
    // The base does one data exchange out. Return true to have the focus put
    // on the first control in template order that is shown, enabled and a tab stop.
    virtual bool OnInitDialog();
    // The base exchanges nothing.
    virtual void DoDataExchange(DataExchange& dx);
    // Data exchange in; ends with IDOK only when it succeeds.
    virtual void OnOK();
    // Ends with IDCANCEL; no exchange.
    virtual void OnCancel();
    // The close request: sends command 2 as Esc does.
    virtual void OnClose();
    // SC_CLOSE is the close request, SC_MINIMIZE and SC_RESTORE act on the window; others are ignored.
    virtual void OnSysCommand(unsigned id);
    // Paints the client area, already erased, under the controls. The base draws nothing.
    virtual void OnPaint(QtSurface& surface);
    // The window's (id, handler) table; the base has none.
    virtual std::span<const CommandEntry> CommandTable() const;

private:
    friend class DialogWindow;
    friend class ClientWidget;
    friend class DialogKeys;

    // Alt+Space, Enter and Esc; true when the key was the dialog's.
    bool HandleKey(const QKeyEvent& event);
    void SendUnlessDisabled(int id);
    int EnterCommand() const;
    int DefaultButtonId() const;
    void OpenSystemMenu(const QWidget& at, int x, int y);
    void FocusFirstTabStop();
    void CenterWindow();

    const DialogTemplate& template_;
    CDialog* owner_;
    std::unique_ptr<DialogParts> parts_;
    bool ended_ = false;
    int endCode_ = 0;
    QEventLoop* modalLoop_ = nullptr;
};

}  // namespace resonara
