#pragma once
// Where a run of the player keeps its data (the album database, the reference service's
// state, the demo library) and its settings:
//   - by default the user's folders: data in $XDG_DATA_HOME/kesto, settings where the module
//     looks by itself ($XDG_CONFIG_HOME/kesto/registry.reg);
//   - a chosen folder (--data DIR): data and settings in DIR, kept;
//   - a fresh one (--fresh): a temporary folder with data and settings, removed at the end.
// A chosen or fresh folder keeps the songs downloaded in it too (its "download").

#include <filesystem>
#include <string>

namespace kesto {

class DataFolder {
public:
    enum class Kind { User, Chosen, Fresh };

    DataFolder() = default;
    ~DataFolder();
    DataFolder(const DataFolder&) = delete;
    DataFolder& operator=(const DataFolder&) = delete;

    // $XDG_DATA_HOME/kesto, else ~/.local/share/kesto (the password database's home without HOME).
    static std::filesystem::path userFolder();

    // Makes the folder private (0700; never one of another user's; chosen is used for
    // Kind::Chosen only); for Chosen and Fresh, points
    // the module's settings file into it unless KESTO_REGISTRY_FILE names one already.
    bool open(Kind kind, const std::filesystem::path& chosen, std::string& why);
    // Removes a fresh folder now (the destructor does it otherwise).
    void close();

    const std::filesystem::path& path() const { return path_; }
    bool throwaway() const { return kind_ == Kind::Fresh; }

private:
    Kind kind_ = Kind::User;
    std::filesystem::path path_;
};

} // namespace kesto
