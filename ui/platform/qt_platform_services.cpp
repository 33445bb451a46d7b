#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>
#include <QString>
#include <QUrl>

#include "dialog.h"
#include "platform_services.h"
#include "qt_text.h"

namespace resonara {
namespace {

struct IconRow {
    unsigned flag;
    QMessageBox::Icon icon;
};

constexpr IconRow kIcons[] = {
    {MB_ICONERROR, QMessageBox::Critical},
    {MB_ICONQUESTION, QMessageBox::Question},
    {MB_ICONEXCLAMATION, QMessageBox::Warning},
    {MB_ICONINFORMATION, QMessageBox::Information},
};

QMessageBox::Icon IconFor(unsigned flags) {
    for (const IconRow& row : kIcons) {
        if ((flags & kMessageBoxIconMask) == row.flag) return row.icon;
    }
    return QMessageBox::NoIcon;
}

class QtServices final : public PlatformServices {
public:
    int MessageBox(const CDialog* owner, std::string_view text, std::string_view caption,
                   unsigned flags) override {
        QWidget* parent = owner != nullptr ? owner->Window() : nullptr;
        QMessageBox box(IconFor(flags), ToQString(caption), ToQString(text), QMessageBox::NoButton, parent);
        box.setTextFormat(Qt::PlainText);
        box.setWindowModality(Qt::ApplicationModal);
        QPushButton* ok = box.addButton(QMessageBox::Ok);
        QPushButton* cancel = nullptr;
        if ((flags & kMessageBoxButtonsMask) == MB_OKCANCEL) cancel = box.addButton(QMessageBox::Cancel);
        box.setDefaultButton(ok);
        box.setEscapeButton(cancel != nullptr ? cancel : ok);
        box.exec();
        return cancel != nullptr && box.clickedButton() == cancel ? IDCANCEL : IDOK;
    }

    void ShellOpen(std::string_view address) override { QDesktopServices::openUrl(QUrl(ToQString(address))); }

    void RunModal(CDialog& dialog) override { dialog.RunModalLoop(); }
};

}  // namespace

PlatformServices& RealServices() {
    static QtServices services;
    return services;
}

}  // namespace resonara
