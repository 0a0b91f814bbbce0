#pragma once
// What the player keeps for its user (the data folder, the album database, its settings, the
// demo account's password) is the user's alone whatever the umask: folders 0700, files 0600.
// A folder or file of another user's is never used, and one of ours made looser is tightened.

#include <filesystem>
#include <string>

namespace kesto {

class PrivateFiles {
public:
    static constexpr unsigned kFolderMode = 0700;
    static constexpr unsigned kFileMode = 0600;

    // HOME when it is an absolute path, else the home folder the password database names.
    static std::filesystem::path home();
    // Makes the folder and its missing parents with mode 0700; the folder itself, when it is
    // ours, is set to 0700. False, with why, when it is not a folder of ours.
    static bool folder(const std::filesystem::path& path, std::string& why);
    // Makes the file empty with mode 0600, or sets one of ours to 0600. False, with why, when
    // it is a link, not a regular file, or another user's.
    static bool file(const std::filesystem::path& path, std::string& why);
};

} // namespace kesto
