#include "host/session/log_mask.h"

#include <algorithm>
#include <array>
#include <mutex>
#include <vector>

namespace kesto {
namespace {

// Form and query fields whose values are secrets.
constexpr std::array<std::string_view, 2> kSecretFields = {"password=", "u_key="};

// A field's name starts the text or follows one of these.
bool startsField(std::string_view line, std::size_t at) {
    return at == 0 || std::string_view("&?; |").find(line[at - 1]) != std::string_view::npos;
}

bool endsValue(char c) {
    return std::string_view("& |;\t\r\n").find(c) != std::string_view::npos;
}

struct Secrets {
    std::mutex lock;
    std::vector<std::string> kept;
};

Secrets& secrets() {
    static Secrets s;
    return s;
}

std::string maskFields(std::string_view line) {
    std::string out;
    out.reserve(line.size());
    std::size_t at = 0;
    while (at < line.size()) {
        const auto field =
            std::find_if(kSecretFields.begin(), kSecretFields.end(), [&](std::string_view name) {
                return line.substr(at).starts_with(name) && startsField(line, at);
            });
        if (field == kSecretFields.end()) {
            out += line[at++];
            continue;
        }
        out.append(*field).append(LogMask::kHidden);
        at += field->size();
        while (at < line.size() && !endsValue(line[at]))
            ++at;
    }
    return out;
}

void replaceAll(std::string& text, std::string_view secret) {
    for (std::size_t at = text.find(secret); at != std::string::npos;
         at = text.find(secret, at + LogMask::kHidden.size()))
        text.replace(at, secret.size(), LogMask::kHidden);
}

} // namespace

void LogMask::keepSecret(std::string_view secret) {
    if (secret.empty())
        return;
    Secrets& s = secrets();
    const std::lock_guard guard(s.lock);
    if (std::find(s.kept.begin(), s.kept.end(), secret) == s.kept.end())
        s.kept.emplace_back(secret);
}

std::string LogMask::masked(std::string_view line) {
    std::string out = maskFields(line);
    Secrets& s = secrets();
    const std::lock_guard guard(s.lock);
    for (const std::string& secret : s.kept)
        replaceAll(out, secret);
    return out;
}

} // namespace kesto
