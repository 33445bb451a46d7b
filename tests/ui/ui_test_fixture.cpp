#include "ui_test_fixture.h"

#include <QApplication>
#include <QDialog>
#include <QWidget>

#include "dialog.h"

namespace resonara::testing {
namespace {

// How long a modal window may stay open in a real event loop.
constexpr int kWatchdogInterval_ms = 2000;

// Closes whatever modal window is open, however it was made.
void CloseModalWindow(QWidget& window) {
    if (CDialog* dialog = CDialog::FromWindow(&window)) {
        dialog->EndDialog(IDCANCEL);
    } else if (auto* box = qobject_cast<QDialog*>(&window)) {
        box->done(QDialog::Rejected);
    } else {
        window.hide();
    }
}

void FailOpenModalWindows() {
    while (QWidget* window = QApplication::activeModalWidget()) {
        ADD_FAILURE() << "modal window \"" << window->windowTitle().toStdString() << "\" left open in "
                      << CurrentTestName();
        CloseModalWindow(*window);
    }
}

}  // namespace

std::string CurrentTestName() {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    return test != nullptr ? std::string(test->test_suite_name()) + "." + test->name() : "(no test)";
}

void FakeServices::VerifyAllUsed() const {
    EXPECT_TRUE(answers_.empty()) << answers_.size() << " expected message box(es) never shown";
    EXPECT_TRUE(drivers_.empty()) << drivers_.size() << " expected modal run(s) never started";
}

int FakeServices::MessageBox(const CDialog* owner, std::string_view text, std::string_view caption,
                             unsigned flags) {
    boxes_.push_back({owner, std::string(text), std::string(caption), flags});
    if (answers_.empty()) {
        ADD_FAILURE() << "unexpected message box \"" << text << "\" in " << CurrentTestName();
        return (flags & kMessageBoxButtonsMask) == MB_OKCANCEL ? IDCANCEL : IDOK;
    }
    const int answer = answers_.front();
    answers_.pop_front();
    return answer;
}

void FakeServices::RunModal(CDialog& dialog) {
    const std::string caption(dialog.Template().caption);
    if (drivers_.empty()) {
        ADD_FAILURE() << "unexpected modal dialog \"" << caption << "\" in " << CurrentTestName();
        dialog.EndDialog(IDCANCEL);
        return;
    }
    const std::function<void(CDialog&)> driver = std::move(drivers_.front());
    drivers_.pop_front();
    driver(dialog);
    if (!dialog.IsEnded()) {
        ADD_FAILURE() << "modal dialog \"" << caption << "\" left open by its driver in " << CurrentTestName();
        dialog.EndDialog(IDCANCEL);
    }
}

void UiTest::SetUp() {
    previous_ = SetServices(&services_);
    watchdog_.setInterval(kWatchdogInterval_ms);
    QObject::connect(&watchdog_, &QTimer::timeout, &watchdog_, FailOpenModalWindows);
    watchdog_.start();
}

void UiTest::TearDown() {
    watchdog_.stop();
    SetServices(previous_);
    services_.VerifyAllUsed();
}

}  // namespace resonara::testing
