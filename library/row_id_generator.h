#pragma once
// Row IDs of album rows: the local time as 17 digits (YYYYMMDDhhmmssmmm), strictly increasing
// per generator. When the clock has not moved past the last ID, the last ID plus one
// millisecond is issued, carrying into the next second, minute, ... day and year.

#include <functional>
#include <string>

namespace kesto {

struct LocalTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, millisecond = 0;

    static LocalTime now();
};

class RowIdGenerator {
public:
    using Clock = std::function<LocalTime()>;

    RowIdGenerator(); // the system's local time
    explicit RowIdGenerator(Clock clock);

    std::string next();
    const std::string& last() const { return last_; }
    // Issues ids after id from now on when it is a later 17-digit id than the last: ids issued
    // faster than the clock runs ahead of it, and a restart must not issue them again.
    void continueAfter(const std::string& id);
    // Today's date "YYYYMMDD" by this generator's clock.
    std::string today() const;

    static std::string format(const LocalTime& t);
    // One millisecond after the 17-digit id, calendar-correct.
    static std::string successor(const std::string& id);

private:
    Clock clock_;
    std::string last_ = "00000000000000000";
};

} // namespace kesto
