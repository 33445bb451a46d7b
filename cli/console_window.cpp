#include "console_window.h"

namespace resonara {

// Every box of a run has the caption "Warning"; only the text tells them apart.
void ConsoleWindow::ShowError(const std::string& text, const std::string&) { messages_.push_back(text); }

}  // namespace resonara
