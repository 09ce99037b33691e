#include "records/DailySeed.h"

namespace dusk {

std::uint32_t dailySeed(const CalendarDate& date) {
    return static_cast<std::uint32_t>(date.year) * 10000u +
           static_cast<std::uint32_t>(date.month) * 100u + static_cast<std::uint32_t>(date.day);
}

}  // namespace dusk
