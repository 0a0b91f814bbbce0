#pragma once
// What the log pane and the status line never show: the values of the form fields that carry
// the account's secrets, and those secrets themselves wherever they turn up.

#include <string>
#include <string_view>

namespace kesto {

class LogMask {
public:
    static constexpr std::string_view kHidden = "***";

    // A secret of this run (the account's password, its log-in key); empty ones are ignored.
    static void keepSecret(std::string_view secret);
    // The line with every secret field's value and every kept secret replaced by kHidden.
    static std::string masked(std::string_view line);
};

} // namespace kesto
