#include "host/host_albums.h"

#include "host/curl_request.h"
#include "library/my_album_db.h"
#include "songs/login_block.h"

#include <cstdlib>
#include <filesystem>

namespace kesto {
namespace {

std::string serviceBase;
const LoginBlock* sessionLogin = nullptr;

// Play lists the host makes are numbered after every album id already in the database.
constexpr int kFirstPlaylistId = 5000;
constexpr char kVt = '\x0B';

} // namespace

void HostAlbums::install(KestoHostFn* serviceA, std::string baseUrl, const LoginBlock* login) {
    serviceBase = std::move(baseUrl);
    sessionLogin = login;
    serviceA[KESTO_SVC_A_CREATE_PLAYLIST] = reinterpret_cast<KestoHostFn>(&HostAlbums::createPlaylist);
    serviceA[KESTO_SVC_A_CREATE_MY_ALBUM] = reinterpret_cast<KestoHostFn>(&HostAlbums::createMyAlbum);
}

void HostAlbums::detach() {
    sessionLogin = nullptr;
}

int HostAlbums::createPlaylist(const char* name) {
    if (name == nullptr || *name == '\0')
        return 0;
    MyAlbumDb db;
    if (!db.start(std::filesystem::current_path()))
        return 0;
    int next = kFirstPlaylistId;
    try {
        SQLite::Statement query(*db.database(), "select Album_ID from AlbumName_tbl");
        while (query.executeStep())
            next = std::max(next, query.getColumn(0).getInt() + 1);
    } catch (const SQLite::Exception&) {
        return 0;
    }
    return db.addAlbum(std::to_string(next), name) ? next : 0;
}

int HostAlbums::createMyAlbum(const char* name) {
    if (name == nullptr || sessionLogin == nullptr || serviceBase.empty())
        return 0;
    const std::string url = serviceBase + "/protocol.jsp?myAlbum";
    const std::string body = sessionLogin->userId + kVt + sessionLogin->uKey + kVt + "1" + kVt + name + kVt;
    void* data = nullptr;
    std::uint32_t length = 0;
    if (CurlRequest::perform(url.c_str(), &data, &length, 1, body.c_str(), 1, 0) == 0)
        return 0;
    const std::string reply(static_cast<const char*>(data), length);
    std::free(data);
    return !reply.empty() && reply.front() != '-' ? 1 : 0;
}

} // namespace kesto
