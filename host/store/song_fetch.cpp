#include "host/store/song_fetch.h"

#include "host/store/curl_request.h"
#include "host/store/dcf_file.h"

#include <cstdlib>

namespace kesto {
namespace {

constexpr char kVt = '\x0B';
constexpr std::size_t kMaxSongId = 20;
// The store's streams are 16-bit mono PCM at 22050 samples a second.
constexpr const char* kBitrate = "352800";
constexpr const char* kStreamType = "audio/wav";

std::string field(const std::string& reply, std::size_t index) {
    std::size_t begin = 0;
    for (std::size_t i = 0; i < index; ++i) {
        begin = reply.find(kVt, begin);
        if (begin == std::string::npos)
            return {};
        ++begin;
    }
    return reply.substr(begin, reply.find(kVt, begin) - begin);
}

} // namespace

bool SongFetch::plainFileName(std::string_view songId) {
    if (songId.empty() || songId.size() > kMaxSongId || songId.front() == '.')
        return false;
    for (const char c : songId)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '-' ||
              c == '_' || c == '.'))
            return false;
    return true;
}

bool SongFetch::fetch(const std::string& url, bool post, const std::string& body, std::string& reply) {
    void* data = nullptr;
    std::uint32_t length = 0;
    if (CurlRequest::perform(url.c_str(), &data, &length, post ? 1 : 0, post ? body.c_str() : nullptr, 1,
                             0) == 0)
        return false;
    reply.assign(static_cast<const char*>(data), length);
    std::free(data);
    return true;
}

// The play command of a bought song (purchase mark 1): its first text is the stream's address.
bool SongFetch::streamAddress(const StoreLogin& login, const DownloadItem& item, std::string& address,
                              std::string& why) {
    const std::string body = login.userId + kVt + login.key + kVt + item.menuId + kVt +
                             std::to_string(item.itemType) + kVt + item.songId + kVt + kVt + "1" + kVt + kVt +
                             "0" + kVt;
    std::string reply;
    if (!fetch(login.baseUrl + "/protocol.jsp?streaming", true, body, reply)) {
        why = "the store did not answer";
        return false;
    }
    if (field(reply, 0) != "0" || field(reply, 1).empty()) {
        why = "the store refused the song (" + field(reply, 0) + ")";
        return false;
    }
    address = field(reply, 1);
    return true;
}

SongFetch::Outcome SongFetch::land(const StoreLogin& login, const DownloadItem& item,
                                   const std::filesystem::path& folder, bool overwrite, std::string& why) {
    if (!plainFileName(item.songId)) {
        why = "its id is not a plain file name";
        return Outcome::Failed;
    }
    const std::filesystem::path file = folder / (item.songId + ".dcf");
    std::error_code error;
    if (!overwrite && std::filesystem::exists(file, error))
        return Outcome::Kept;
    std::string address;
    if (!streamAddress(login, item, address, why))
        return Outcome::Failed;
    std::string stream;
    if (!fetch(address, false, {}, stream) || stream.empty()) {
        why = "the stream did not come";
        return Outcome::Failed;
    }
    DcfFile::Content content{kStreamType, "cid:" + item.songId + "@kesto", {}};
    content.headers = {{"Content-Name", item.name}, {"Content-Vendor", "Kesto"}, {"Bitrate", kBitrate}};
    if (!item.artist.empty())
        content.headers.emplace_back("Artist", item.artist);
    const std::string head = DcfFile::head(content, stream.size());
    if (head.empty()) {
        why = "the song does not fit the container";
        return Outcome::Failed;
    }
    return DcfFile::write(file, head, stream, why) ? Outcome::Landed : Outcome::Failed;
}

} // namespace kesto
