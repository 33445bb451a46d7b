#include "random_services.h"

#include <string_view>

#include "application.h"
#include "dialog.h"
#include "messages.h"

namespace resonara::monkey {
namespace {

constexpr std::string_view kSpeakerPage = "http://www.resonara.example/speaker/index.php";

constexpr unsigned kWarningFlags = MB_OK | MB_ICONERROR;
constexpr unsigned kHelpFlags = MB_OKCANCEL | MB_ICONINFORMATION;
constexpr unsigned kEnterNumberFlags = MB_OK | MB_ICONEXCLAMATION;

struct ExpectedBox {
    std::string_view text;
    std::string_view caption;  // empty: the application's name, as the platform's own box has it
    unsigned flags;
};

// Every box the main window and the Box Calculator can show.
constexpr ExpectedBox kExpectedBoxes[] = {
    {kEnterNumberMessage, "", kEnterNumberFlags},
    {kQtsZeroMessage, kWarningCaption, kWarningFlags},
    {kQesZeroMessage, kWarningCaption, kWarningFlags},
    {kVasZeroMessage, kWarningCaption, kWarningFlags},
    {kFsZeroMessage, kWarningCaption, kWarningFlags},
    {kPmaxZeroMessage, kWarningCaption, kWarningFlags},
    {kDiameterZeroMessage, kWarningCaption, kWarningFlags},
    {kXmaxZeroMessage, kWarningCaption, kWarningFlags},
    {kPortWarningMessage, kWarningCaption, kWarningFlags},
    {"Click OK to go to Online help.  If you cannot access online help from this box goto:\n"
     " http://www.resonara.example/",
     "Online Help", kHelpFlags},
    {"Click OK to go to www.resonara.example.  If you cannot access from this box goto:\n"
     " http://www.resonara.example/",
     "Website: www.resonara.example", kHelpFlags},
};

const ExpectedBox* FindExpected(std::string_view text) {
    for (const ExpectedBox& box : kExpectedBoxes) {
        if (box.text == text) return &box;
    }
    return nullptr;
}

std::string FirstLine(std::string_view text) { return std::string(text.substr(0, text.find('\n'))); }

}  // namespace

RandomServices::RandomServices(Dice& dice, Findings& findings, std::function<void(CDialog&)> driveModal)
    : dice_(dice), findings_(findings), driveModal_(std::move(driveModal)) {}

int RandomServices::MessageBox(const CDialog* owner, std::string_view text, std::string_view caption,
                               unsigned flags) {
    ++boxesShown_[FirstLine(text)];
    const ExpectedBox* expected = FindExpected(text);
    if (expected == nullptr) {
        findings_.Add("unexpected message box \"" + std::string(text) + "\"");
    } else {
        const std::string expectedCaption =
            expected->caption.empty() ? ApplicationName() : std::string(expected->caption);
        if (caption != expectedCaption || flags != expected->flags) {
            findings_.Add("message box \"" + FirstLine(text) + "\" with caption \"" + std::string(caption) +
                          "\" and flags " + std::to_string(flags));
        }
    }
    if (owner == nullptr || owner->Window() == nullptr) {
        findings_.Add("message box \"" + FirstLine(text) + "\" without an owning window");
    }
    const bool offersCancel = (flags & kMessageBoxButtonsMask) == MB_OKCANCEL;
    const int answer = offersCancel && dice_.Chance(50) ? IDCANCEL : IDOK;
    pageOwed_ = offersCancel && answer == IDOK;
    return answer;
}

void RandomServices::ShellOpen(std::string_view address) {
    ++pagesOpened_;
    if (!pageOwed_) findings_.Add("page " + std::string(address) + " opened without OK in a help box");
    if (address != kSpeakerPage) findings_.Add("page " + std::string(address) + " opened instead of the speaker page");
    pageOwed_ = false;
}

void RandomServices::RunModal(CDialog& dialog) {
    driveModal_(dialog);
    if (!dialog.IsEnded()) {
        findings_.Add("modal window \"" + std::string(dialog.Template().caption) + "\" left open");
        dialog.EndDialog(IDCANCEL);
    }
}

}  // namespace resonara::monkey
