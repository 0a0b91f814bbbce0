#pragma once
// Where the running module lives on disk.

#include <filesystem>

namespace kesto {

class ModulePath {
public:
    // Full path of the shared object (or executable) that holds this code.
    static std::filesystem::path file();
    // Its folder.
    static std::filesystem::path folder() { return file().parent_path(); }
};

} // namespace kesto
