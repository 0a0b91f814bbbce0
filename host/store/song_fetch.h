#pragma once
// One song of a download: the store's play grant asked for as its buyer would, the stream it
// names fetched whole, and the song written as "<Song_ID>.dcf" into the save folder. Runs on
// any thread (the request function blocks it).

#include <filesystem>
#include <string>
#include <string_view>

namespace kesto {

struct StoreLogin {
    std::string baseUrl;
    std::string userId;
    std::string key;
};

// What a download needs of a song record (texts CP949).
struct DownloadItem {
    std::string songId;
    std::string name;
    std::string artist;
    std::string menuId;
    int itemType = 1;
};

class SongFetch {
public:
    enum class Outcome { Landed, Kept, Failed };

    // A song id names a file of the save folder: letters, digits, '-', '_' and '.', not first.
    static bool plainFileName(std::string_view songId);
    // overwrite false keeps a file that is there already (Outcome::Kept).
    static Outcome land(const StoreLogin& login, const DownloadItem& item,
                        const std::filesystem::path& folder, bool overwrite, std::string& why);

private:
    static bool streamAddress(const StoreLogin& login, const DownloadItem& item, std::string& address,
                              std::string& why);
    static bool fetch(const std::string& url, bool post, const std::string& body, std::string& reply);
};

} // namespace kesto
