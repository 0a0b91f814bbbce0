#include "library/folder_walker.h"

#include <algorithm>
#include <strings.h>

namespace kesto {

FolderWalker::FolderWalker(std::vector<std::string> extensions) : extensions_(std::move(extensions)) {}

std::vector<std::string> FolderWalker::collect(const std::filesystem::path& folder, bool subFolders,
                                               bool hidden) const {
    std::vector<std::string> out;
    walk(folder, subFolders, hidden, out);
    return out;
}

bool FolderWalker::accepts(std::string_view fileName) const {
    if (extensions_.empty())
        return true;
    const auto dot = fileName.find_last_of('.');
    if (dot == std::string_view::npos)
        return false;
    const std::string_view ext = fileName.substr(dot + 1);
    return std::any_of(extensions_.begin(), extensions_.end(), [&](const std::string& known) {
        return known.size() == ext.size() && strncasecmp(known.data(), ext.data(), ext.size()) == 0;
    });
}

void FolderWalker::walk(const std::filesystem::path& folder, bool subFolders, bool hidden,
                        std::vector<std::string>& out) const {
    std::error_code error;
    std::vector<std::filesystem::directory_entry> entries;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        entries.push_back(*it);
    std::sort(entries.begin(), entries.end(),
              [](const auto& a, const auto& b) { return a.path().filename() < b.path().filename(); });
    for (const auto& entry : entries) {
        const std::string name = entry.path().filename().string();
        if (!hidden && name.front() == '.')
            continue;
        if (entry.is_symlink(error) || error) {
            if (entry.is_regular_file(error) && accepts(name))
                out.push_back(entry.path().string());
        } else if (entry.is_directory(error)) {
            if (subFolders)
                walk(entry.path(), subFolders, hidden, out);
        } else if (entry.is_regular_file(error) && accepts(name)) {
            out.push_back(entry.path().string());
        }
    }
}

} // namespace kesto
