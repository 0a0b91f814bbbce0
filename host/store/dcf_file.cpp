#include "host/store/dcf_file.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace kesto {
namespace {

constexpr char kVersion = 1;
constexpr std::size_t kMaxShortText = 255;

// Seven bits a byte, most significant first, the high bit set on all but the last.
void putUintvar(std::string& out, std::uint32_t value) {
    char bytes[5];
    int n = 0;
    do {
        bytes[n++] = static_cast<char>(value & 0x7Fu);
        value >>= 7;
    } while (value != 0);
    for (int i = n - 1; i >= 0; --i)
        out.push_back(static_cast<char>(bytes[i] | (i > 0 ? 0x80 : 0)));
}

// A header value stays on its line.
std::string oneLine(std::string_view text) {
    std::string line(text);
    for (char& c : line)
        if (c == '\r' || c == '\n')
            c = ' ';
    return line;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

} // namespace

std::string DcfFile::head(const Content& content, std::size_t dataLength) {
    if (content.type.empty() || content.uri.empty() || content.type.size() > kMaxShortText ||
        content.uri.size() > kMaxShortText || dataLength > UINT32_MAX)
        return {};
    std::string headers;
    for (const auto& [name, value] : content.headers)
        headers += oneLine(name) + ": " + oneLine(value) + "\r\n";
    std::string out;
    out.push_back(kVersion);
    out.push_back(static_cast<char>(content.type.size()));
    out.push_back(static_cast<char>(content.uri.size()));
    out += content.type;
    out += content.uri;
    putUintvar(out, static_cast<std::uint32_t>(headers.size()));
    putUintvar(out, static_cast<std::uint32_t>(dataLength));
    return out + headers;
}

bool DcfFile::write(const std::filesystem::path& file, std::string_view head, std::string_view data,
                    std::string& why) {
    std::string temporary = (file.parent_path() / ("." + file.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(temporary.data()); // mode 0600 whatever the umask
    if (fd < 0) {
        why = std::strerror(errno);
        return false;
    }
    const bool written = writeAll(fd, head) && writeAll(fd, data) && ::fsync(fd) == 0;
    const int error = errno;
    if (::close(fd) != 0 || !written || std::rename(temporary.c_str(), file.c_str()) != 0) {
        why = std::strerror(written ? errno : error);
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

} // namespace kesto
