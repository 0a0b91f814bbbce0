#include "host/session/cp949_text.h"

#include <iconv.h>

#include <cerrno>
#include <cstring>

namespace kesto {
namespace {

std::string convert(std::string_view in, const char* to, const char* from, std::string_view badByte) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::string(in);
    std::string out;
    char buffer[512];
    char* src = const_cast<char*>(in.data());
    std::size_t left = in.size();
    while (left > 0) {
        char* dst = buffer;
        std::size_t room = sizeof buffer;
        const std::size_t done = iconv(cd, &src, &left, &dst, &room);
        out.append(buffer, static_cast<std::size_t>(dst - buffer));
        if (done == static_cast<std::size_t>(-1) && errno != E2BIG) {
            // One byte that does not convert is replaced and the rest goes on.
            out.append(badByte);
            ++src;
            --left;
        }
    }
    iconv_close(cd);
    return out;
}

bool isLeadByte(unsigned char byte) {
    return byte >= 0x81 && byte <= 0xFE;
}

} // namespace

std::string Cp949Text::toUtf8(std::string_view cp949) {
    return convert(cp949, "UTF-8", "CP949", "\xEF\xBF\xBD");
}

std::string Cp949Text::fromUtf8(std::string_view utf8) {
    return convert(utf8, "CP949", "UTF-8", "?");
}

void Cp949Text::copyInto(char* field, std::size_t capacity, std::string_view cp949) {
    if (capacity == 0)
        return;
    std::size_t length = 0;
    while (length < cp949.size()) {
        const std::size_t step = isLeadByte(static_cast<unsigned char>(cp949[length])) ? 2 : 1;
        if (length + step > capacity - 1 || length + step > cp949.size())
            break;
        length += step;
    }
    std::memcpy(field, cp949.data(), length);
    field[length] = '\0';
}

} // namespace kesto
