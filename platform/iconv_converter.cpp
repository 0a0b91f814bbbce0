#include "platform/iconv_converter.h"

#include <cerrno>

namespace kesto {
namespace {

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

bool isAscii(std::string_view text) {
    for (unsigned char c : text)
        if (c >= 0x80)
            return false;
    return true;
}

} // namespace

IconvConverter::IconvConverter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}

IconvConverter::~IconvConverter() {
    if (valid())
        iconv_close(cd_);
}

bool IconvConverter::valid() const {
    return cd_ != kNoConverter;
}

bool IconvConverter::convert(std::string_view text, std::string& out, std::size_t& stoppedAt) {
    if (!valid()) {
        // Without a converter only ASCII passes, as it reads the same on both sides.
        stoppedAt = 0;
        if (!isAscii(text))
            return false;
        out.append(text);
        return true;
    }
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char* src = const_cast<char*>(text.data());
    std::size_t srcLeft = text.size();
    char buffer[1024];
    while (srcLeft > 0) {
        char* dst = buffer;
        std::size_t dstLeft = sizeof buffer;
        const std::size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
        const int err = errno;
        out.append(buffer, sizeof buffer - dstLeft);
        if (rc == static_cast<std::size_t>(-1) && err != E2BIG) {
            stoppedAt = text.size() - srcLeft;
            return false;
        }
    }
    return true;
}

} // namespace kesto
