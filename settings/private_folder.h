#pragma once
// Folders that hold what the user keeps: made with mode 0700, and used only when they are the
// user's own (owned by this user, not writable by group or others), so that another user of the
// machine can neither read them nor put a folder of theirs in the way.

#include <filesystem>

namespace kesto {

class PrivateFolder {
public:
    // HOME when it is an absolute path, else the home folder the password database names.
    static std::filesystem::path home();
    // The user's own data folder: $XDG_DATA_HOME/kesto, else home/.local/share/kesto; empty
    // without either.
    static std::filesystem::path userData();
    // Makes the folder and its missing parents with mode 0700, and the folder itself 0700 when it
    // is ours; true when it is then the user's own.
    static bool make(const std::filesystem::path& folder);
    // A folder (or a link to one) that this user owns and group and others cannot write.
    static bool isOwn(const std::filesystem::path& folder);
};

} // namespace kesto
