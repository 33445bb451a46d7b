#pragma once

#include <cstddef>

#include "box_design.h"
#include "data_exchange.h"

namespace resonara {

// The main window's exchange table, in its order: a field that does not
// parse stops the exchange there, so the order decides what is taken.
inline constexpr std::size_t kEnclosureExchangeRows = 28;
extern const ExchangeRow<BoxDesign> kEnclosureExchange[kEnclosureExchangeRows];

}  // namespace resonara
