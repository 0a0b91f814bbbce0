#include "library/file_type.h"

#include <strings.h>

namespace kesto {

namespace {
struct Extension {
    std::string_view text;
    int code;
};
constexpr std::array<Extension, 9> kExtensions = {{{"mp3", FileType::kMp3},
                                                   {"aac", FileType::kAac},
                                                   {"skm", FileType::kSkm},
                                                   {"dcf", FileType::kDcfLocal},
                                                   {"wma", FileType::kWma},
                                                   {"ogg", FileType::kOgg},
                                                   {"wav", FileType::kWav},
                                                   {"asf", FileType::kAsf},
                                                   {"bell", FileType::kBell}}};
constexpr std::array<std::string_view, 11> kDotted = {".mp3", ".aac", ".skm", ".dcf",  ".dcf", ".wma",
                                                      ".ogg", ".wav", ".asf", ".bell", ""};
} // namespace

int FileType::fromPath(std::string_view path) {
    const auto slash = path.find_last_of('/');
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const auto dot = name.find_last_of('.');
    if (dot == std::string_view::npos)
        return kOther;
    const std::string_view ext = name.substr(dot + 1);
    for (const auto& known : kExtensions)
        if (known.text.size() == ext.size() && strncasecmp(known.text.data(), ext.data(), ext.size()) == 0)
            return known.code;
    return kOther;
}

std::string_view FileType::extensionOf(int code) {
    if (code < 0 || code >= static_cast<int>(kDotted.size()))
        return {};
    return kDotted[static_cast<std::size_t>(code)];
}

bool FileType::isImportable(int code) {
    return code == kMp3 || isDcf(code) || code == kOgg;
}

} // namespace kesto
