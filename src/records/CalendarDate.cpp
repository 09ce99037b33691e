#include "records/CalendarDate.h"

#include <cstdio>

namespace dusk {

namespace {

int daysIn(int year, int month) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

bool digits(const std::string& text, size_t from, size_t count, int& into) {
    into = 0;
    for (size_t i = from; i < from + count; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return false;
        }
        into = into * 10 + (text[i] - '0');
    }
    return true;
}

CalendarDate fromTm(const std::tm& parts) {
    return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday};
}

}  // namespace

bool CalendarDate::valid() const {
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= daysIn(year, month);
}

std::string CalendarDate::text() const {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", year, month, day);
    return buffer;
}

std::optional<CalendarDate> CalendarDate::parse(const std::string& text) {
    CalendarDate date;
    if (text.size() != 10 || text[4] != '-' || text[7] != '-' || !digits(text, 0, 4, date.year) ||
        !digits(text, 5, 2, date.month) || !digits(text, 8, 2, date.day) || !date.valid()) {
        return std::nullopt;
    }
    return date;
}

CalendarDate CalendarDate::utcOf(std::time_t moment) {
    std::tm parts{};
    gmtime_r(&moment, &parts);
    return fromTm(parts);
}

CalendarDate CalendarDate::todayUtc() { return utcOf(std::time(nullptr)); }

CalendarDate CalendarDate::todayLocal() {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    localtime_r(&now, &parts);
    return fromTm(parts);
}

}  // namespace dusk
