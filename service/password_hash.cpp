#include "service/password_hash.h"

#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <sys/random.h>

#include <charconv>
#include <cstdint>
#include <vector>

namespace kesto::service {
namespace {

constexpr std::string_view kScheme = "scrypt";
constexpr char kSeparator = '$';
constexpr std::size_t kParts = 6;
// Room for the hash's own 128 * r * N * p bytes and the library's bookkeeping.
constexpr std::uint64_t kMaxMemory = 64u << 20;

std::string hex(const std::vector<unsigned char>& bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    for (const unsigned char byte : bytes) {
        out += kDigits[byte >> 4];
        out += kDigits[byte & 0xF];
    }
    return out;
}

std::optional<std::vector<unsigned char>> unhex(std::string_view text) {
    auto digit = [](char c) -> int {
        if (c >= '0' && c <= '9')
            return c - '0';
        return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
    };
    if (text.size() % 2 != 0)
        return std::nullopt;
    std::vector<unsigned char> out;
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const int high = digit(text[i]);
        const int low = digit(text[i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        out.push_back(static_cast<unsigned char>(high * 16 + low));
    }
    return out;
}

std::vector<std::string_view> parts(std::string_view kept) {
    std::vector<std::string_view> out;
    for (std::size_t at = 0; out.size() < kParts;) {
        const std::size_t end = kept.find(kSeparator, at);
        out.push_back(kept.substr(at, end == std::string_view::npos ? end : end - at));
        if (end == std::string_view::npos)
            break;
        at = end + 1;
    }
    return out;
}

struct Cost {
    std::uint64_t n = std::uint64_t{1} << PasswordHash::kCostLog2;
    std::uint64_t r = PasswordHash::kBlockSize;
    std::uint64_t p = PasswordHash::kParallel;
};

std::optional<std::uint64_t> number(std::string_view text) {
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<std::vector<unsigned char>> derive(std::string_view password,
                                                 const std::vector<unsigned char>& salt, std::size_t length,
                                                 const Cost& cost) {
    std::vector<unsigned char> out(length);
    if (EVP_PBE_scrypt(password.data(), password.size(), salt.data(), salt.size(), cost.n, cost.r, cost.p,
                       kMaxMemory, out.data(), out.size()) != 1)
        return std::nullopt;
    return out;
}

std::string prefix() {
    return std::string(kScheme) + kSeparator;
}

bool sameBytes(std::string_view a, std::string_view b) {
    return a.size() == b.size() && CRYPTO_memcmp(a.data(), b.data(), a.size()) == 0;
}

} // namespace

std::optional<std::string> PasswordHash::make(std::string_view password) {
    std::vector<unsigned char> salt(kSaltBytes);
    if (::getrandom(salt.data(), salt.size(), 0) != static_cast<ssize_t>(salt.size()))
        return std::nullopt;
    const Cost cost;
    const auto hash = derive(password, salt, kHashBytes, cost);
    if (!hash)
        return std::nullopt;
    return prefix() + std::to_string(cost.n) + kSeparator + std::to_string(cost.r) + kSeparator +
           std::to_string(cost.p) + kSeparator + hex(salt) + kSeparator + hex(*hash);
}

bool PasswordHash::isHash(std::string_view kept) {
    return kept.starts_with(prefix());
}

bool PasswordHash::matches(std::string_view password, std::string_view kept) {
    if (!isHash(kept))
        return sameBytes(password, kept);
    const std::vector<std::string_view> fields = parts(kept);
    if (fields.size() != kParts)
        return false;
    const auto n = number(fields[1]);
    const auto r = number(fields[2]);
    const auto p = number(fields[3]);
    const auto salt = unhex(fields[4]);
    const auto expected = unhex(fields[5]);
    if (!n || !r || !p || !salt || !expected || expected->empty())
        return false;
    const auto hash = derive(password, *salt, expected->size(), Cost{*n, *r, *p});
    return hash && CRYPTO_memcmp(hash->data(), expected->data(), expected->size()) == 0;
}

} // namespace kesto::service
