#pragma once
// Collects the files of a folder whose extension is one of a list (case-insensitive; every
// file when the list is empty), optionally entering sub-folders and hidden entries. Entries
// come in name order; unreadable folders are passed over; links to folders are not entered.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kesto {

class FolderWalker {
public:
    explicit FolderWalker(std::vector<std::string> extensions);

    std::vector<std::string> collect(const std::filesystem::path& folder, bool subFolders,
                                     bool hidden = false) const;

private:
    bool accepts(std::string_view fileName) const;
    void walk(const std::filesystem::path& folder, bool subFolders, bool hidden,
              std::vector<std::string>& out) const;

    std::vector<std::string> extensions_;
};

} // namespace kesto
