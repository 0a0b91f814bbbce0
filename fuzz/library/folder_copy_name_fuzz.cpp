// Song titles come from tags and the server: the copy name built from one must stay a single,
// visible name inside the target folder whatever the bytes.
#include "library/folder_copy_name.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto split = input.find('|');
    const std::string_view title = input.substr(0, split);
    const std::string_view extension = split == std::string_view::npos ? ".mp3" : input.substr(split + 1);
    const std::string name = kesto::FolderCopyName::fileName(title, extension);
    if (name.empty() || name.size() > kesto::FolderCopyName::kMaxNameBytes || name.front() == '.' ||
        name.front() == ' ')
        std::abort();
    for (unsigned char c : name)
        if (c < 0x20 || c == 0x7F || c == '/' || c == '\\')
            std::abort();
    const std::filesystem::path folder("/music/page");
    if (kesto::FolderCopyName::inFolder(folder, title, extension).lexically_normal().parent_path() != folder)
        std::abort();
    return 0;
}
