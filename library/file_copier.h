#pragma once
// Copies a file to a name that must not exist yet; an existing file (or link) there is never
// replaced or followed. The bytes go to a temporary name in the same folder first, which takes
// the final name only when they are all on disk: a crash never leaves a short file under it.

#include <filesystem>

namespace kesto {

class FileCopier {
public:
    enum class Result { Copied, Exists, Failed };

    static Result copyNew(const std::filesystem::path& from, const std::filesystem::path& to);

private:
    // Gives the finished temporary file its name, unless that name is taken meanwhile.
    static Result publish(const std::filesystem::path& temporary, const std::filesystem::path& to);
};

} // namespace kesto
