#pragma once
// Writing Unicode code points as UTF-8.

#include <cstdint>
#include <string>

namespace kesto {

class Utf8 {
public:
    // Appends the code point (at most U+10FFFF) in its UTF-8 form.
    static void append(std::string& out, std::uint32_t codePoint);
};

} // namespace kesto
