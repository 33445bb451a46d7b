#include "startup_messages.h"

#include <QMessageLogContext>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace resonara {
namespace {

struct HeldMessage {
    QtMsgType type;
    std::string category;
    QString text;
};

// Qt's message handler is a plain function, so its state lives here.
struct StartupState {
    bool active = false;
    std::string programName;
    QtMessageHandler previous = nullptr;
    std::vector<HeldMessage> held;
};

StartupState state;

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s: cannot open a display; set DISPLAY or QT_QPA_PLATFORM\n", state.programName.c_str());
        std::fflush(stderr);
        std::_Exit(kNoDisplayExitStatus);
    }
    state.held.push_back({type, context.category != nullptr ? context.category : "", text});
}

}  // namespace

StartupMessages::StartupMessages(std::string programName) {
    state.active = true;
    state.programName = std::move(programName);
    state.held.clear();
    state.previous = qInstallMessageHandler(HoldMessage);
}

StartupMessages::~StartupMessages() { Release(); }

void StartupMessages::Release() {
    if (!state.active) return;
    state.active = false;
    qInstallMessageHandler(state.previous);
    std::vector<HeldMessage> held = std::move(state.held);
    state.held.clear();
    for (const HeldMessage& message : held) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.c_str());
        qt_message_output(message.type, context, message.text);
    }
}

}  // namespace resonara
