#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "platform_services.h"
#include "ui_test_fixture.h"

namespace resonara::testing {
namespace {

constexpr int kCloseDelay_ms = 50;

using RealMessageBoxTest = UiTest;

// The one run of the real box: shown modally, closed by a timer through its
// Cancel button. The fixture's watchdog closes it if the timer misses.
TEST_F(RealMessageBoxTest, OkCancelInformationBoxShowsItsTextAndAnswersCancel) {
    QString text, caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    QTimer::singleShot(kCloseDelay_ms, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        text = box->text();
        caption = box->windowTitle();
        icon = box->icon();
        buttons = static_cast<int>(box->buttons().size());
        box->button(QMessageBox::Cancel)->click();
    });

    const int answer = RealServices().MessageBox(nullptr, "Click OK to go.\n x", "Online Help", MB_OKCANCEL | MB_ICONINFORMATION);

    EXPECT_EQ(answer, IDCANCEL);
    EXPECT_EQ(text, "Click OK to go.\n x");
    EXPECT_EQ(caption, "Online Help");
    EXPECT_EQ(icon, QMessageBox::Information);
    EXPECT_EQ(buttons, 2);
}

}  // namespace
}  // namespace resonara::testing
