#include "library/row_id_generator.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <string_view>
#include <utility>

namespace kesto {

namespace {

int digits(std::string_view text, std::size_t pos, std::size_t len) {
    int value = 0;
    for (std::size_t i = pos; i < pos + len && i < text.size(); ++i)
        if (text[i] >= '0' && text[i] <= '9')
            value = value * 10 + (text[i] - '0');
    return value;
}

bool isLeapYear(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int daysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 31;
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

void addOneSecond(LocalTime& t) {
    if (++t.second < 60)
        return;
    t.second = 0;
    if (++t.minute < 60)
        return;
    t.minute = 0;
    if (++t.hour < 24)
        return;
    t.hour = 0;
    if (++t.day <= daysInMonth(t.year, t.month))
        return;
    t.day = 1;
    if (++t.month <= 12)
        return;
    t.month = 1;
    ++t.year;
}

} // namespace

LocalTime LocalTime::now() {
    const auto now = std::chrono::system_clock::now();
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    std::tm tm{};
    localtime_r(&seconds, &tm);
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday,          tm.tm_hour,
            tm.tm_min,         tm.tm_sec,     static_cast<int>(ms)};
}

RowIdGenerator::RowIdGenerator() : clock_(&LocalTime::now) {}

RowIdGenerator::RowIdGenerator(Clock clock) : clock_(std::move(clock)) {}

std::string RowIdGenerator::format(const LocalTime& t) {
    char text[40];
    std::snprintf(text, sizeof text, "%04d%02d%02d%02d%02d%02d%03d", t.year, t.month, t.day, t.hour, t.minute,
                  t.second, t.millisecond);
    return text;
}

std::string RowIdGenerator::successor(const std::string& id) {
    LocalTime t{digits(id, 0, 4),  digits(id, 4, 2),  digits(id, 6, 2), digits(id, 8, 2),
                digits(id, 10, 2), digits(id, 12, 2), digits(id, 14, 3)};
    if (++t.millisecond > 999) {
        t.millisecond -= 1000;
        addOneSecond(t);
    }
    return format(t);
}

void RowIdGenerator::continueAfter(const std::string& id) {
    constexpr std::size_t kIdLength = 17;
    if (id.size() == kIdLength && id.find_first_not_of("0123456789") == std::string::npos && id > last_)
        last_ = id;
}

std::string RowIdGenerator::next() {
    std::string id = format(clock_());
    if (id <= last_)
        id = successor(last_);
    last_ = id;
    return id;
}

std::string RowIdGenerator::today() const {
    const LocalTime t = clock_();
    char text[24];
    std::snprintf(text, sizeof text, "%04d%02d%02d", t.year, t.month, t.day);
    return text;
}

} // namespace kesto
