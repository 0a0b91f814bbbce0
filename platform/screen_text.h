#pragma once
// Store text (CP949 bytes) to screen text and back: the one place where the two meet.

#include <QString>

#include <string>
#include <string_view>

namespace kesto {

class ScreenText {
public:
    static QString fromCp949(std::string_view cp949);
    static std::string toCp949(const QString& text);
};

} // namespace kesto
