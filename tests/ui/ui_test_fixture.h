#pragma once

#include <gtest/gtest.h>

#include <QTimer>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform_services.h"

namespace resonara::testing {

struct ShownMessageBox {
    const CDialog* owner;
    std::string text;
    std::string caption;
    unsigned flags;
};

// In-memory services: message boxes are recorded and answered from a script,
// web addresses recorded, and each modal run handed to a scripted driver that
// gets the dialog once it is up, drives it and ends it. Anything that
// appears without a script fails the running test by name instead of waiting
// for a user.
class FakeServices final : public PlatformServices {
public:
    // The answer (IDOK or IDCANCEL) of the next box not yet answered.
    void ExpectMessageBox(int answer = IDOK) { answers_.push_back(answer); }
    // The driver of the next modal run. A driver that leaves the dialog open
    // fails the test; the dialog is then cancelled.
    void ExpectModal(std::function<void(CDialog&)> driver) { drivers_.push_back(std::move(driver)); }

    const std::vector<ShownMessageBox>& MessageBoxes() const { return boxes_; }
    const std::vector<std::string>& OpenedAddresses() const { return addresses_; }

    // Fails the running test for every answer or driver left unused.
    void VerifyAllUsed() const;

    int MessageBox(const CDialog* owner, std::string_view text, std::string_view caption,
                   unsigned flags) override;
    void ShellOpen(std::string_view address) override { addresses_.emplace_back(address); }
    void RunModal(CDialog& dialog) override;

private:
    std::deque<int> answers_;
    std::deque<std::function<void(CDialog&)>> drivers_;
    std::vector<ShownMessageBox> boxes_;
    std::vector<std::string> addresses_;
};

// The name of the running test, for failure messages.
std::string CurrentTestName();

// Base of every window test: fake services in place, and a watchdog that
// fails the test by name and closes any modal window that stays open in a
// real event loop (a box or dialog that slipped past the fakes).
class UiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    FakeServices services_;

private:
    PlatformServices* previous_ = nullptr;
    QTimer watchdog_;
};

}  // namespace resonara::testing
