#pragma once
// CP949 bytes of a UTF-8 literal, converted on first use and kept.

#include <string>

namespace kesto::service {

class KoreanText {
public:
    // `utf8` must be a literal: the conversion is cached by its address.
    static const std::string& of(const char* utf8);
};

} // namespace kesto::service
