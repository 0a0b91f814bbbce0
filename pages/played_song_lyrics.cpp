#include "pages/played_song_lyrics.h"

#include "commands/command_settings.h"
#include "commands/device_host.h"
#include "commands/lyrics_download_question.h"
#include "protocol/lyrics_exchange.h"
#include "settings/registry_key.h"
#include "settings/settings_keys.h"

namespace kesto {

void PlayedSongLyrics::played(const Song& song) {
    if (song.isLocal() || song.text(SongField::Song_ID)[0] == '\0')
        return;
    const CommandSettings settings(settings_);
    LyricsOptions options;
    options.installPath = settings.installPath();
    options.downloadMissing = settings.downloadLyric();
    LyricsHooks hooks;
    // The host's download service takes a one-entry list.
    hooks.download = [this, writeFlag = settings.transferWriteFlag()](const Song& missing) {
        DeviceHost(serviceA_).transfer({missing}, writeFlag);
    };
    hooks.askDownload = [this] { return LyricsDownloadQuestion(settings_, context_.box).wanted(); };
    hooks.showPage = [this](const std::string& address, const std::string& body, int) {
        if (navigate_)
            navigate_(address, body);
    };
    LyricsExchange exchange(context_, std::move(hooks));
    exchange.show(song, options, false);
    lastPage_ = exchange.lastPage();
}

int PlayedSongLyrics::setDownloadOption(int value) {
    if (settings_ != nullptr)
        settings_->writeSectionDword(settings::kOption, static_cast<std::uint32_t>(value),
                                     settings::kDownloadLyric);
    return value;
}

} // namespace kesto
