#include "tests/crash/album_trial.h"

#include "library/my_album_db.h"
#include "library/playlist_mover.h"
#include "sql/sql_transaction.h"

#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace kesto::crash {
namespace {

constexpr const char* kFrom = "101";
constexpr const char* kTo = "102";

std::string songName(long batch, int i) {
    return "song " + std::to_string(batch) + "-" + std::to_string(i);
}

// Each row as one query answer: the batch, then the fields that must agree with it.
struct Row {
    std::string songId, albumId, name, artist, path;
    long batch = 0;
};

std::vector<Row> rows(MyAlbumDb& db) {
    std::vector<Row> out;
    SQLite::Statement query(
        *db.database(),
        "select Song_ID, Album_ID, Song_Name, Artist_Name, Local_Path, Listen_Count from AlbumInfo_tbl");
    while (query.executeStep()) {
        const auto field = [&](int i) { return query.getColumn(i).getString(); };
        out.push_back({field(0), field(1), field(2), field(3), field(4), query.getColumn(5).getInt64()});
    }
    return out;
}

long lastBatch(MyAlbumDb& db) {
    long last = 0;
    for (const Row& row : rows(db))
        last = std::max(last, row.batch);
    return last;
}

void import(MyAlbumDb& db, const std::filesystem::path& base, long batch) {
    SqlTransaction transaction(db.database());
    for (int i = 0; i < AlbumTrial::kBatchSize; ++i) {
        AlbumSong song;
        song.albumId = kFrom;
        song.songName = songName(batch, i);
        song.artist = "artist " + song.songName;
        song.listenCount = static_cast<int>(batch);
        song.localPath = (base / (song.songName + ".mp3")).string();
        db.insertSong(song);
    }
    transaction.commit();
}

std::vector<Song> batchRecords(MyAlbumDb& db, long batch) {
    std::vector<Song> records;
    for (const Row& row : rows(db)) {
        if (row.batch != batch)
            continue;
        Song record{};
        record.setText(SongField::Song_ID, row.songId);
        record.setText(SongField::Local_Path, row.path);
        records.push_back(record);
    }
    return records;
}

} // namespace

void AlbumTrial::write(long rounds) {
    MyAlbumDb db;
    if (!db.start(base_))
        return;
    db.execStatement(std::string("insert or ignore into AlbumName_tbl values('") + kFrom + "','from')");
    db.execStatement(std::string("insert or ignore into AlbumName_tbl values('") + kTo + "','to')");
    PlaylistMover mover(db);
    long batch = lastBatch(db);
    for (long i = 0; rounds == 0 || i < rounds; ++i) {
        ++batch;
        import(db, base_, batch);
        mover.put(batchRecords(db, batch - 1), kTo, kFrom, true, true);
        for (const Song& song : batchRecords(db, batch - 2))
            db.removeSong(song.text(SongField::Song_ID), std::to_string(MyAlbumDb::kAllSongsAlbum));
    }
}

std::string AlbumTrial::check() {
    MyAlbumDb db;
    if (!db.start(base_))
        return "the database does not open";
    try {
        if (db.database()->execAndGet("PRAGMA integrity_check").getString() != "ok")
            return "integrity check failed";
        std::map<long, int> perBatch;
        std::map<std::string, int> perSong;
        for (const Row& row : rows(db)) {
            const std::string prefix = "song " + std::to_string(row.batch) + "-";
            if (row.name.rfind(prefix, 0) != 0 || row.artist != "artist " + row.name ||
                row.path != (base_ / (row.name + ".mp3")).string())
                return "a row of mixed values: " + row.name;
            if (row.albumId != kFrom && row.albumId != kTo)
                return "a row in no play list: " + row.name;
            ++perBatch[row.batch];
            if (++perSong[row.songId] > 1)
                return "a song twice: " + row.name;
        }
        // The two newest batches are never deleted from: an import is all or nothing.
        int seen = 0;
        for (auto it = perBatch.rbegin(); it != perBatch.rend() && seen < 2; ++it, ++seen)
            if (it->second != kBatchSize)
                return "batch " + std::to_string(it->first) + " has " + std::to_string(it->second) + " rows";
    } catch (const SQLite::Exception& error) {
        return error.what();
    }
    return {};
}

} // namespace kesto::crash
