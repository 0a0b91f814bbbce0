#pragma once
// One value for a statement format (see SqlStatementCache): a text for a quoted '%s', a number
// for '%d' or %d.

#include <string_view>

namespace kesto {

struct SqlValue {
    // Not a view of a temporary: the value must outlive the call it is passed to.
    static SqlValue text(std::string_view value) { return {true, value, 0}; }
    static SqlValue number(int value) { return {false, {}, value}; }

    bool isText = false;
    std::string_view textValue;
    int numberValue = 0;
};

} // namespace kesto
