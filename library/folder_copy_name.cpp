#include "library/folder_copy_name.h"

#include "platform/cp949.h"

#include <cctype>

namespace kesto {

namespace {

constexpr char kReplacement = '_';

bool isForbidden(unsigned char c) {
    return c < 0x20 || c == 0x7F || c == '/' || c == '\\';
}

// Cut to at most max bytes without splitting a UTF-8 sequence.
std::string cutUtf8(std::string text, std::size_t max) {
    if (text.size() <= max)
        return text;
    std::size_t end = max;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0u) == 0x80u)
        --end;
    text.resize(end);
    return text;
}

std::string cleanExtension(std::string_view extension) {
    std::string ext;
    for (char c : extension)
        if (std::isalnum(static_cast<unsigned char>(c)) || (c == '.' && ext.empty()))
            ext += c;
    return ext.size() > 1 ? ext.substr(0, 8) : std::string();
}

} // namespace

std::string FolderCopyName::fileName(std::string_view titleCp949, std::string_view extension) {
    std::string name;
    for (char c : Cp949::toUtf8(titleCp949))
        name += isForbidden(static_cast<unsigned char>(c)) ? kReplacement : c;
    const auto first = name.find_first_not_of(". ");
    name = first == std::string::npos ? std::string() : name.substr(first);
    while (!name.empty() && (name.back() == ' ' || name.back() == '.'))
        name.pop_back();
    const std::string ext = cleanExtension(extension);
    name = cutUtf8(std::move(name), kMaxNameBytes - ext.size());
    if (name.empty())
        name = std::string(1, kReplacement);
    return name + ext;
}

std::filesystem::path FolderCopyName::inFolder(const std::filesystem::path& folder,
                                               std::string_view titleCp949, std::string_view extension) {
    return folder / fileName(titleCp949, extension);
}

} // namespace kesto
