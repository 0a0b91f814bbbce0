#pragma once
// Copies a file to a name that must not exist yet; an existing file (or link) there is never
// replaced or followed.

#include <filesystem>

namespace kesto {

class FileCopier {
public:
    enum class Result { Copied, Exists, Failed };

    static Result copyNew(const std::filesystem::path& from, const std::filesystem::path& to);
};

} // namespace kesto
