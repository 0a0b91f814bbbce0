#include "library/local_file_import.h"

#include "platform/failure_log.h"

#include "library/file_copier.h"
#include "library/file_type.h"
#include "library/folder_copy_name.h"
#include "library/my_album_db.h"
#include "platform/cp949.h"
#include "songs/song_store.h"
#include "sql/sql_transaction.h"

#include <optional>

namespace kesto {

namespace {

int nowPlayingPosition(SongStore& nowPlaying, const Song& record) {
    int found = -1;
    const bool local = record.text(SongField::Local_Path)[0] != '\0';
    nowPlaying.forEach([&](int index, Song& entry) {
        if (found < 0 &&
            (Cp949::equalsIgnoreCase(entry.text(SongField::Song_ID), record.text(SongField::Song_ID)) ||
             (local && Cp949::equalsIgnoreCase(entry.text(SongField::Local_Path),
                                               record.text(SongField::Local_Path)))))
            found = index;
    });
    return found;
}

} // namespace

LocalFileImport::LocalFileImport(LocalRecordFactory& factory) : factory_(factory) {}

bool LocalFileImport::prepare(const std::string& path, Song& record, ImportOutcome& outcome) {
    const int type = FileType::fromPath(path);
    if (!FileType::isImportable(type)) {
        outcome.refused.push_back(path);
        return false;
    }
    if (!factory_.build(path, type, {}, record)) {
        FailureLog::write(LogCategory::Library, "local file not imported, its tags cannot be read: " + path);
        outcome.unreadable.push_back(path);
        return false;
    }
    return true;
}

ImportOutcome LocalFileImport::intoNowPlaying(const std::vector<std::string>& paths, SongStore& shown,
                                              SongStore& nowPlaying) {
    ImportOutcome outcome;
    for (const auto& path : paths) {
        Song record;
        if (!prepare(path, record, outcome))
            continue;
        const int position = nowPlayingPosition(nowPlaying, record);
        if (position >= 0) {
            const Song* entry = nowPlaying.get(position);
            outcome.nowPlaying.push_back({path, position, entry ? entry->text(SongField::Song_ID) : ""});
            continue;
        }
        shown.addCopy(&record);
        nowPlaying.addCopy(&record);
        outcome.added.push_back(path);
    }
    return outcome;
}

ImportOutcome LocalFileImport::intoShownList(const std::vector<std::string>& paths, SongStore& shown) {
    ImportOutcome outcome;
    for (const auto& path : paths) {
        Song record;
        if (!prepare(path, record, outcome))
            continue;
        shown.addCopy(&record);
        outcome.added.push_back(path);
    }
    return outcome;
}

ImportOutcome LocalFileImport::intoAlbum(const std::vector<std::string>& paths, MyAlbumDb& db,
                                         std::string_view albumId) {
    ImportOutcome outcome;
    SqlTransaction batch(db.database());
    for (const auto& path : paths) {
        Song record;
        if (!prepare(path, record, outcome))
            continue;
        // A made-up song id is not the database's: the path's recorded id is. A path in no row
        // is in no album either, so only a recorded one needs the album's check.
        const std::optional<std::string> recorded = db.recordedSongId(path);
        const std::string pathSongId = recorded.value_or(std::string());
        if (recorded && db.containsSong(albumId, pathSongId, path)) {
            outcome.present.push_back(path);
            continue;
        }
        const auto song = AlbumSong::fromRecord(record, albumId, record.text(SongField::Added_Date));
        (db.insertSongOfPath(song, pathSongId).empty() ? outcome.failed : outcome.added).push_back(path);
    }
    batch.commit();
    return outcome;
}

ImportOutcome LocalFileImport::intoFolder(const std::vector<std::string>& paths,
                                          const std::filesystem::path& folder, SongStore& shown) {
    ImportOutcome outcome;
    for (const auto& path : paths) {
        Song record;
        if (!prepare(path, record, outcome))
            continue;
        const auto target = FolderCopyName::inFolder(folder, record.text(SongField::Song_Name),
                                                     FileType::extensionOf(record.File_Format));
        if (!LocalRecordBasics::fits(target.string())) {
            outcome.failed.push_back(path);
            continue;
        }
        const auto copied = FileCopier::copyNew(path, target);
        if (copied != FileCopier::Result::Copied) {
            (copied == FileCopier::Result::Exists ? outcome.present : outcome.failed).push_back(path);
            continue;
        }
        record.setText(SongField::Local_Path, target.string());
        shown.addCopy(&record);
        outcome.added.push_back(target.string());
    }
    return outcome;
}

} // namespace kesto
