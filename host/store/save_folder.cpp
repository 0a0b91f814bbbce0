#include "host/store/save_folder.h"

#include "host/session/cp949_text.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <strings.h>
#include <sys/stat.h>

namespace kesto {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kRootKey = "[HKEY_CURRENT_USER\\Software\\Kesto]";
constexpr std::string_view kValueName = "\"LastSaveFolder\"=";
constexpr std::size_t kMaxFileBytes = std::size_t{16} << 20;

bool sameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

void putUtf8(std::string& out, std::uint32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

std::string fromUtf16(std::string_view bytes) {
    std::string out;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        std::uint32_t c =
            static_cast<unsigned char>(bytes[i]) | (static_cast<unsigned char>(bytes[i + 1]) << 8);
        if (c >= 0xD800 && c < 0xDC00 && i + 3 < bytes.size()) {
            const std::uint32_t low =
                static_cast<unsigned char>(bytes[i + 2]) | (static_cast<unsigned char>(bytes[i + 3]) << 8);
            c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
            i += 2;
        }
        putUtf8(out, c);
    }
    return out;
}

// A quoted export string: \\ and \" as the export writes them, \xHH for a raw byte.
std::optional<std::string> unquote(std::string_view text) {
    if (text.empty() || text.front() != '"')
        return std::nullopt;
    std::string out;
    for (std::size_t i = 1; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"')
            return out;
        if (c != '\\' || i + 1 >= text.size()) {
            out.push_back(c);
        } else if (text[i + 1] == 'x' && i + 3 < text.size()) {
            out.push_back(
                static_cast<char>(std::strtol(std::string(text.substr(i + 2, 2)).c_str(), nullptr, 16)));
            i += 3;
        } else {
            out.push_back(text[++i]);
        }
    }
    return std::nullopt;
}

std::string_view trimmed(std::string_view line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
        line.remove_suffix(1);
    while (!line.empty() && line.front() == ' ')
        line.remove_prefix(1);
    return line;
}

bool usable(const fs::path& folder) {
    std::error_code error;
    if (!fs::is_directory(folder, error) && ::mkdir(folder.c_str(), 0700) != 0)
        return false;
    return fs::is_directory(folder, error);
}

} // namespace

fs::path SaveFolder::settingsFile() {
    const char* chosen = std::getenv("KESTO_REGISTRY_FILE");
    if (chosen != nullptr && *chosen != '\0')
        return chosen;
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    const fs::path base = config != nullptr && fs::path(config).is_absolute() ? fs::path(config)
                          : home != nullptr                                   ? fs::path(home) / ".config"
                                                                              : fs::path();
    return base.empty() ? fs::path() : base / "kesto" / "registry.reg";
}

std::optional<std::string> SaveFolder::fromSettings(std::string_view bytes) {
    std::string text;
    if (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE')
        text = fromUtf16(bytes.substr(2));
    else
        text = std::string(bytes.substr(bytes.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0));
    bool inRoot = false;
    std::istringstream lines(text);
    for (std::string raw; std::getline(lines, raw);) {
        const std::string_view line = trimmed(raw);
        if (!line.empty() && line.front() == '[')
            inRoot = sameText(line, kRootKey);
        else if (inRoot && line.size() > kValueName.size() &&
                 sameText(line.substr(0, kValueName.size()), kValueName))
            return unquote(line.substr(kValueName.size()));
    }
    return std::nullopt;
}

fs::path SaveFolder::resolve(const fs::path& moduleFolder) {
    const fs::path file = settingsFile();
    std::error_code error;
    if (!file.empty() && fs::file_size(file, error) <= kMaxFileBytes && !error) {
        std::ifstream in(file, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        // The panel names files with the value's CP949 bytes, as it keeps it in memory.
        const auto value = fromSettings(bytes);
        const std::string folder = value ? Cp949Text::fromUtf8(*value) : std::string();
        if (!folder.empty() && fs::is_directory(folder, error))
            return folder;
    }
    if (!moduleFolder.empty() && usable(moduleFolder / "download"))
        return moduleFolder / "download";
    const char* data = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    const fs::path user = data != nullptr && fs::path(data).is_absolute() ? fs::path(data) / "kesto"
                          : home != nullptr ? fs::path(home) / ".local" / "share" / "kesto"
                                            : fs::path();
    return !user.empty() && usable(user) && usable(user / "download") ? user / "download" : fs::path();
}

} // namespace kesto
