#pragma once
// Keeps the lyrics of the played song current: the lyrics page in the embedded view, the
// host told which song's lyrics are wanted, and missing cached files handed to the host's
// download service when the user's option allows.

#include "protocol/protocol_context.h"
#include "songs/song.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace kesto {

struct LyricsHooks {
    // Hands one record to the host's lyrics download service.
    std::function<void(const Song&)> download;
    // Asked when a file is missing and downloadMissing is off: true downloads it.
    std::function<bool()> askDownload;
    // Asks for an address in the embedded view by POST with the body, in the navigation mode.
    std::function<void(const std::string& address, const std::string& body, int mode)> showPage;
};

struct LyricsOptions {
    std::string installPath;      // the InstallPath setting: the program's file path
    bool downloadMissing = false; // DownloadLyric is nonzero
};

class LyricsExchange {
public:
    static constexpr int kViewMode = 1;

    LyricsExchange(const ProtocolContext& context, LyricsHooks hooks)
        : context_(context), hooks_(std::move(hooks)) {}

    // "<protocol base>/lyrics.jsp?song_id=..&is_exist=0|1": the address names the song only.
    std::string pageAddress(const Song& song) const;
    // "u_id=..&u_key=..": the user travels in the body, where the page's scripts cannot read it.
    std::string pageBody() const;

    // The cache file of a lyrics file name: "Lyrics" beside the installed program, the name
    // with "mmp" turned into "mlr", and ".dcf" appended.
    static std::filesystem::path cacheFile(const std::string& installPath, const std::string& lyricsName);
    // The lyrics file name of a song as the host writes it.
    static std::string lyricsName(const Song& song);
    static std::optional<std::filesystem::path> findCached(const std::string& installPath, const Song& song);

    // Runs the lyrics steps for a song; false when a song without lyrics was asked for by the
    // user (the message is shown and nothing else happens).
    bool show(const Song& song, const LyricsOptions& options, bool userAsked);

    const std::string& lastPage() const { return lastPage_; }

private:
    const ProtocolContext& context_;
    LyricsHooks hooks_;
    std::string lastPage_;
};

} // namespace kesto
