#pragma once
// A day of the calendar, as the records keep it ("2026-12-08") and as the
// daily forest is chosen by.
#include <ctime>
#include <optional>
#include <string>

namespace dusk {

struct CalendarDate {
    int year = 1970;
    int month = 1;  // 1 .. 12
    int day = 1;    // 1 .. the days of that month

    // Whether the day exists (Gregorian calendar, years 1 to 9999).
    bool valid() const;
    // "YYYY-MM-DD".
    std::string text() const;
    // The date of "YYYY-MM-DD" exactly; nothing for any other text or a day
    // that does not exist.
    static std::optional<CalendarDate> parse(const std::string& text);
    // The day of the moment in UTC, the same for every player at once.
    static CalendarDate utcOf(std::time_t moment);
    static CalendarDate todayUtc();
    // Today where the player is (for the date of a best time).
    static CalendarDate todayLocal();

    bool operator==(const CalendarDate& other) const {
        return year == other.year && month == other.month && day == other.day;
    }
    bool operator!=(const CalendarDate& other) const { return !(*this == other); }
};

}  // namespace dusk
