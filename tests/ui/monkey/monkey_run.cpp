#include "monkey_run.h"

#include <QCoreApplication>

#include "enclosure_dlg.h"
#include "hang_guard.h"
#include "monkey.h"
#include "record_invariants.h"
#include "window_invariants.h"

namespace resonara::monkey {
namespace {

// How many of the last events a report shows.
constexpr std::size_t kRecentEvents = 12;

// An event that has not returned after this long means a window that stopped responding.
constexpr int kHangLimit_s = 60;

// Puts the run's services in place for its length.
class ServicesInPlace {
public:
    explicit ServicesInPlace(PlatformServices& services) : previous_(SetServices(&services)) {}
    ~ServicesInPlace() { SetServices(previous_); }
    ServicesInPlace(const ServicesInPlace&) = delete;
    ServicesInPlace& operator=(const ServicesInPlace&) = delete;

private:
    PlatformServices* previous_;
};

}  // namespace

Monkey::Monkey(std::uint64_t seed)
    : dice_(seed), services_(dice_, findings_, [this](CDialog& dialog) { DriveModal(dialog); }) {
    report_.seed = seed;
}

Monkey::~Monkey() = default;

MonkeyReport Monkey::Run(int events) {
    ServicesInPlace inPlace(services_);
    HangGuard guard(report_.seed, kHangLimit_s);
    for (int i = 0; i < events; ++i) {
        guard.Starting(i);
        if (main_ == nullptr) OpenMainWindow();
        const MainEvent& event = PickEvent();
        current_ = event.kind;
        ++report_.eventsByKind[event.kind];
        before_ = main_->Design();
        (this->*event.act)();
        CheckAfter(event);
        FinishEvent(i);
        if (findings_.Any()) break;
    }
    main_.reset();
    QCoreApplication::processEvents();
    report_.boxesShown = services_.BoxesShown();
    report_.pagesOpened = services_.PagesOpened();
    return report_;
}

void Monkey::OpenMainWindow() {
    main_ = std::make_unique<CEnclosureDlg>();
    main_->Create();
    main_->ShowWindow();
    QCoreApplication::processEvents();
    wasCalculated_ = false;
}

void Monkey::Note(const std::string& what) { current_ += "; " + what; }

void Monkey::CheckAfter(const MainEvent& event) {
    QCoreApplication::processEvents();
    if (services_.PageOwed()) {
        findings_.Add("OK in a help box opened no page");
        services_.ForgivePage();
    }
    if (main_->IsEnded()) {
        Note("the main window ended");
        if ((event.traits & kMayEndWindow) == 0) findings_.Add(std::string("the main window ended on ") + event.kind);
        if (main_->EndCode() != IDOK) findings_.Add("the main window ended with " + std::to_string(main_->EndCode()));
        ++report_.windowsEnded;
        main_.reset();
        QCoreApplication::processEvents();
        CheckNoOtherWindowOpen(nullptr, findings_);
        return;
    }
    CheckMainWindow(*main_, findings_);
    if ((event.traits & kEndsWithExchangeOut) != 0) CheckMainFieldsReadBack(*main_, findings_);
    if ((event.traits & kKeepsRecord) != 0) CheckRecordUnchanged(before_, main_->Design(), findings_);
    const int calculated = main_->Design().calculated;
    if (calculated != 0 && calculated != 1) findings_.Add("calculated flag " + std::to_string(calculated));
    if (wasCalculated_ && calculated != 1) findings_.Add("calculated flag back to " + std::to_string(calculated));
    wasCalculated_ = calculated == 1;
    if (main_->BoxCalculator().HasWindow()) findings_.Add("the Box Calculator's window outlived its run");
    CheckNoOtherWindowOpen(main_->Window(), findings_);
}

void Monkey::FinishEvent(int index) {
    recent_.push_back("#" + std::to_string(index) + " " + current_);
    if (recent_.size() > kRecentEvents) recent_.pop_front();
    report_.eventsRun = index + 1;
    if (!findings_.Any()) return;
    report_.failedEvent = index;
    report_.broken = findings_.All();
    report_.recentEvents.assign(recent_.begin(), recent_.end());
}

MonkeyReport RunMonkey(std::uint64_t seed, int events) { return Monkey(seed).Run(events); }

}  // namespace resonara::monkey
