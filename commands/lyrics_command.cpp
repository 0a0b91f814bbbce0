#include "commands/lyrics_command.h"

#include "commands/command_settings.h"
#include "commands/lyrics_download_question.h"
#include "protocol/lyrics_exchange.h"
#include "protocol/web_handoff.h"

namespace kesto {

bool LyricsCommand::run(const Song& song) const {
    const CommandSettings settings(context_.settings);
    LyricsOptions options;
    options.installPath = settings.installPath();
    options.downloadMissing = settings.downloadLyric();
    LyricsHooks hooks;
    hooks.download = context_.hooks.downloadLyrics;
    hooks.askDownload = [this] {
        return LyricsDownloadQuestion(context_.settings, context_.protocol.box).wanted();
    };
    if (context_.hooks.navigateHtml)
        hooks.showPage = [this](const std::string& address, const std::string& body, int) {
            context_.hooks.navigateHtml(address, body);
        };
    LyricsExchange exchange(context_.protocol, std::move(hooks));
    return exchange.show(song, options, true);
}

void LyricsCommand::openPage(std::string_view songId) const {
    if (songId.empty() || !context_.hooks.navigateHtml)
        return;
    context_.hooks.navigateHtml(WebHandoff(context_.protocol).lyricsPage(songId), {});
}

} // namespace kesto
