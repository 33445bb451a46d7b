#include "dice.h"

namespace resonara::monkey {

// Plain modulo rather than a standard distribution, whose throws may differ
// between standard libraries; the bias is far below anything a run notices.
int Dice::Below(int n) { return static_cast<int>(engine_() % static_cast<std::uint64_t>(n)); }

}  // namespace resonara::monkey
