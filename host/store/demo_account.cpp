#include "host/store/demo_account.h"

#include "host/session/private_files.h"

#include <fcntl.h>
#include <sys/random.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <fstream>

namespace kesto {
namespace {

constexpr std::string_view kAlphabet = "ABCDEFGHJKLMNPQRSTUVWXYZabcdefghijkmnopqrstuvwxyz23456789";

std::optional<std::string> randomPassword() {
    std::array<unsigned char, DemoAccount::kPasswordLength> bytes{};
    if (getrandom(bytes.data(), bytes.size(), 0) != static_cast<ssize_t>(bytes.size()))
        return std::nullopt;
    std::string out;
    for (unsigned char byte : bytes)
        out += kAlphabet[byte % kAlphabet.size()];
    return out;
}

std::optional<std::string> readKept(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::string line;
    if (!in || !std::getline(in, line) || line.empty())
        return std::nullopt;
    return line;
}

} // namespace

std::optional<std::string> DemoAccount::password(const std::filesystem::path& dataFolder, std::string& why) {
    const std::filesystem::path file = dataFolder / kPasswordFile;
    std::error_code status;
    // A kept file is used only when it is ours, and made private if it was not.
    if (std::filesystem::exists(std::filesystem::symlink_status(file, status))) {
        if (!PrivateFiles::file(file, why))
            return std::nullopt;
        if (auto kept = readKept(file))
            return kept;
    }
    const auto made = randomPassword();
    if (!made) {
        why = "no random bytes from the system";
        return std::nullopt;
    }
    // Made with its mode at once: the password is never readable by others, not even briefly.
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        const int error = errno;
        why = "cannot make " + file.string() + ": " + std::strerror(error);
        // Another start made it a moment ago: use theirs, if it is ours.
        return error == EEXIST && PrivateFiles::file(file, why) ? readKept(file) : std::nullopt;
    }
    const std::string line = *made + '\n';
    const bool written = ::write(fd, line.data(), line.size()) == static_cast<ssize_t>(line.size());
    ::close(fd);
    if (!written) {
        why = "cannot write " + file.string();
        std::filesystem::remove(file);
        return std::nullopt;
    }
    return made;
}

} // namespace kesto
