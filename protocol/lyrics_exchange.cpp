#include "protocol/lyrics_exchange.h"

#include "protocol/percent_encoder.h"

#include "platform/cp949.h"
#include "platform/failure_log.h"
#include "platform/host_block.h"
#include "songs/notice_texts.h"
#include "songs/song_file_name.h"

#include <cstdlib>

namespace kesto {

namespace {

constexpr std::string_view kLyricsFolder = "Lyrics";
constexpr std::string_view kHostExtension = ".mmp";
constexpr std::string_view kHostWord = "mmp";
constexpr std::string_view kCacheWord = "mlr";
constexpr std::string_view kCacheExtension = ".dcf";

const std::string& noLyricsMessage() {
    static const std::string text = Cp949::fromUtf8(notice::kNoLyrics);
    return text;
}

std::string replaceAll(std::string text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

} // namespace

std::string LyricsExchange::pageAddress(const Song& song) const {
    const LoginBlock& login = *context_.login;
    std::string address(login.protocolBase);
    address.append("/lyrics.jsp?song_id=").append(PercentEncoder::encode(song.view(SongField::Song_ID)));
    address.append(song.Has_Lyrics != 0 ? "&is_exist=1" : "&is_exist=0");
    return address;
}

std::string LyricsExchange::pageBody() const {
    const LoginBlock& login = *context_.login;
    return std::string("u_id=")
        .append(PercentEncoder::encode(login.userId))
        .append("&u_key=")
        .append(PercentEncoder::encode(login.uKey));
}

std::string LyricsExchange::lyricsName(const Song& song) {
    return std::string(song.text(SongField::Song_ID)) + std::string(kHostExtension);
}

std::filesystem::path LyricsExchange::cacheFile(const std::string& installPath,
                                                const std::string& lyricsName) {
    const std::filesystem::path folder = std::filesystem::path(installPath).parent_path() / kLyricsFolder;
    return folder / (replaceAll(lyricsName, kHostWord, kCacheWord) + std::string(kCacheExtension));
}

std::optional<std::filesystem::path> LyricsExchange::findCached(const std::string& installPath,
                                                                const Song& song) {
    if (installPath.empty() || !SongFileName::isPlain(song.view(SongField::Song_ID)))
        return std::nullopt;
    std::filesystem::path file = cacheFile(installPath, lyricsName(song));
    std::error_code error;
    if (std::filesystem::is_regular_file(file, error))
        return file;
    return std::nullopt;
}

bool LyricsExchange::show(const Song& song, const LyricsOptions& options, bool userAsked) {
    if (song.Has_Lyrics == 0 && userAsked) {
        if (context_.box != nullptr)
            context_.box->show(noLyricsMessage(), kMessageBoxCaption, mb::kStopOk);
        return false;
    }
    // The id names the cached file: one that is no plain name is neither looked for nor fetched.
    const bool plain = SongFileName::isPlain(song.view(SongField::Song_ID));
    if (!plain)
        FailureLog::write(LogCategory::Protocol, "lyrics: a song id that names no file is not cached");
    if (plain && hooks_.download && !findCached(options.installPath, song) &&
        (options.downloadMissing || (hooks_.askDownload && hooks_.askDownload())))
        hooks_.download(song);
    // The host gets the id as the record holds it: the whole zero-padded field.
    std::string id(song.view(SongField::Song_ID));
    id.resize(Song::capacity(SongField::Song_ID), '\0');
    if (void* copy = HostBlock::copyBytes(id.data(), id.size()); copy != nullptr)
        if (context_.port == nullptr || !context_.port->post(context_.host, KESTO_MSG_LYRICS_WANTED, 0,
                                                             reinterpret_cast<std::intptr_t>(copy)))
            std::free(copy);
    lastPage_ = pageAddress(song);
    if (hooks_.showPage)
        hooks_.showPage(lastPage_, pageBody(), kViewMode);
    return true;
}

} // namespace kesto
