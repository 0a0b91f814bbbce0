#include "commands/drop_into_album_command.h"

#include "commands/command_box.h"
#include "commands/command_settings.h"
#include "commands/download_request.h"
#include "library/album_song.h"
#include "library/my_album_db.h"
#include "settings/settings_keys.h"

namespace kesto {

std::string DropIntoAlbumCommand::dateOf(std::time_t now) {
    std::tm local{};
    localtime_r(&now, &local);
    char text[32] = {};
    std::strftime(text, sizeof text, "%Y%m%d%H%M%S", &local);
    return text;
}

int DropIntoAlbumCommand::run(const Selection& dropped, std::string_view albumId, std::time_t now) const {
    if (dropped.empty()) {
        CommandBox(context_.protocol.box).stop(CommandText::PlayListEmpty);
        return 0;
    }
    const std::string date = dateOf(now);
    int inserted = 0;
    Selection streaming;
    for (const ChosenSong& song : dropped.songs()) {
        const Song& record = song.record;
        if (record.isStreaming()) {
            streaming.add(record, song.position);
        } else if (!record.isMp3Bell() && context_.albums != nullptr && !inAlbum(record, albumId) &&
                   !context_.albums->insertSong(AlbumSong::fromRecord(record, albumId, date)).empty()) {
            ++inserted;
        }
    }
    if (!streaming.empty() && downloadWanted())
        DownloadRequest(context_).run(streaming, DownloadRequest::kIntoPlayList, std::string(albumId));
    return inserted;
}

bool DropIntoAlbumCommand::inAlbum(const Song& file, std::string_view albumId) const {
    // A file already in the album keeps its one row.
    MyAlbumDb& db = *context_.albums;
    return db.containsSong(albumId, db.songIdByPath(file.text(SongField::Local_Path)),
                           file.text(SongField::Local_Path));
}

bool DropIntoAlbumCommand::downloadWanted() const {
    const std::string flag = CommandSettings(context_.settings).ktpCheck();
    if (flag == settings::kFlagSet)
        return true;
    if (!flag.empty() && flag != settings::kFlagClear)
        return false;
    return CommandBox(context_.protocol.box)
        .confirm(CommandText::DropDownloadQuestion, mb::kQuestionOkCancel);
}

} // namespace kesto
