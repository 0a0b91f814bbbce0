#pragma once
// The file name under which a song is copied into a shown folder: its title (CP949) as a
// single name inside that folder. Separators and control characters become '_', leading dots
// and blanks are dropped, and the name is cut to the file system's limit, so no title can
// name a place outside the folder.

#include <filesystem>
#include <string>
#include <string_view>

namespace kesto {

class FolderCopyName {
public:
    // Longest file name in bytes, extension included.
    static constexpr std::size_t kMaxNameBytes = 255;

    // The UTF-8 file name for the title with extension (".mp3"); never empty, never a path.
    static std::string fileName(std::string_view titleCp949, std::string_view extension);
    static std::filesystem::path inFolder(const std::filesystem::path& folder, std::string_view titleCp949,
                                          std::string_view extension);
};

} // namespace kesto
