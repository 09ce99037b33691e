#pragma once
// Today's forest: every player who starts the game with --daily on the same
// UTC day plays the same trees and kids.
#include <cstdint>

#include "records/CalendarDate.h"

namespace dusk {

// The seed of the day's forest: the date's digits as one number,
// 2026-12-08 -> 20261208. The date must be valid().
std::uint32_t dailySeed(const CalendarDate& date);

}  // namespace dusk
