#pragma once
// The lyrics steps of the song handed to the host for playing: a missing cache file goes to the
// host's download service (when DownloadLyric allows or the user says so), the host learns which song's
// lyrics are wanted (1426), and the song's lyrics page is shown and kept as the last one.

#include "protocol/protocol_context.h"
#include "songs/song.h"

#include <functional>
#include <string>

namespace kesto {

class RegistryKey;

class PlayedSongLyrics {
public:
    // Asks for the lyrics page by POST: the address and the body with the user.
    using Navigate = std::function<void(const std::string& address, const std::string& body)>;

    PlayedSongLyrics(const ProtocolContext& context, RegistryKey* settings, KestoHostTable serviceA,
                     Navigate navigate)
        : context_(context), settings_(settings), serviceA_(serviceA), navigate_(std::move(navigate)) {}

    // Local files have no lyrics page of the service: nothing happens for them.
    void played(const Song& song);
    // Entry 72: the DownloadLyric option (nonzero downloads missing files unasked, 0 asks first),
    // written to the settings.
    int setDownloadOption(int value);
    const std::string& lastPage() const { return lastPage_; }

private:
    const ProtocolContext& context_;
    RegistryKey* settings_;
    KestoHostTable serviceA_;
    Navigate navigate_;
    std::string lastPage_;
};

} // namespace kesto
