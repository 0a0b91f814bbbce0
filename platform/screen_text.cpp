#include "platform/screen_text.h"

#include "platform/cp949.h"

namespace kesto {

QString ScreenText::fromCp949(std::string_view cp949) {
    return QString::fromStdString(Cp949::toUtf8(cp949));
}

std::string ScreenText::toCp949(const QString& text) {
    return Cp949::fromUtf8(text.toStdString());
}

} // namespace kesto
