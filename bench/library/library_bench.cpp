// Album database and import speed, each next to the sqlite3 command-line tool running the same
// statements in one transaction on the same kind of file (compare the two times: the ratio is
// the figure). Run from any folder; everything lives in a temporary folder.
#include "audio_files.h"
#include "library/folder_walker.h"
#include "library/local_file_import.h"
#include "library/my_album_db.h"
#include "songs/song_store.h"
#include "sql/sql_transaction.h"
#include "support/temp_folder.h"

#include <benchmark/benchmark.h>
#include <taglib/fileref.h>
#include <taglib/tag.h>

#include <chrono>
#include <cstdlib>
#include <fstream>

namespace kesto {
namespace {

constexpr int kInsertCount = 10000;
constexpr int kListRows = 100000;
constexpr int kImportFiles = 2000;

std::string pathOf(int i) {
    return "/music/artist " + std::to_string(i % 97) + "/it's song " + std::to_string(i) + ".mp3";
}

AlbumSong songOf(int i) {
    AlbumSong s;
    s.albumId = "4001";
    s.songName = "Song " + std::to_string(i);
    s.artist = "Artist";
    s.albumTitle = "Album";
    s.bitrate = 128;
    s.playTime = 200;
    s.date = "20240101120000";
    s.localPath = pathOf(i);
    return s;
}

double runCli(const std::filesystem::path& db, const std::filesystem::path& script) {
    const std::string command = "sqlite3 '" + db.string() + "' < '" + script.string() + "' > /dev/null";
    const auto start = std::chrono::steady_clock::now();
    if (std::system(command.c_str()) != 0)
        return -1;
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_InsertSongs(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        test::TempFolder dir;
        MyAlbumDb db;
        db.start(dir.path());
        state.ResumeTiming();
        SqlTransaction batch(db.database());
        for (int i = 0; i < kInsertCount; ++i)
            db.insertSong(songOf(i));
        batch.commit();
    }
    state.SetItemsProcessed(state.iterations() * kInsertCount);
}
BENCHMARK(BM_InsertSongs)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same look-up and insert per song as InsertSong, as one script.
void BM_InsertSongsCli(benchmark::State& state) {
    test::TempFolder dir;
    std::ofstream script(dir / "insert.sql");
    script << "begin;\n";
    RowIdGenerator ids;
    for (int i = 0; i < kInsertCount; ++i) {
        const AlbumSong s = songOf(i);
        std::string path;
        for (const char c : s.localPath)
            path += c == '\'' ? std::string("''") : std::string(1, c);
        const std::string id = ids.next();
        script << "select Song_ID from AlbumInfo_tbl where Local_Path='" << path << "';\n"
               << "insert into AlbumInfo_tbl (ID,Album_ID, Song_ID,Song_Type,Song_Name,Play_Time,Artist_Name,"
                  "Album_Name,Bitrate,Listen_Count,Date,bRead,ExpireDate,Local_Path) values('"
               << id << "','4001','" << id << "',0,'" << s.songName << "','200','Artist','Album','128','0','"
               << s.date << "',0,'','" << path << "');\n";
    }
    script << "commit;\n";
    script.close();
    for (auto _ : state) {
        state.PauseTiming();
        const auto file = dir / "cli.dbf";
        std::filesystem::remove(file);
        {
            MyAlbumDb db; // same schema, indexes and journal mode
            db.openDatabase(file.string());
            db.createTables();
        }
        state.ResumeTiming();
        state.SetIterationTime(runCli(file, dir / "insert.sql"));
    }
    state.SetItemsProcessed(state.iterations() * kInsertCount);
}
BENCHMARK(BM_InsertSongsCli)->Unit(benchmark::kMillisecond)->UseManualTime();

// 100,000 rows in album 4001 over 100 real files, plus a second album holding a tenth of them.
class ListingData {
public:
    ListingData() {
        db.start(dir.path());
        db.execStatement("insert into AlbumName_tbl values ('4001','Big'); insert into AlbumName_tbl values "
                         "('4002','Small')");
        for (int f = 0; f < 100; ++f)
            std::ofstream(dir / ("f" + std::to_string(f) + ".mp3")) << "x";
        SqlTransaction batch(db.database());
        for (int i = 0; i < kListRows; ++i) {
            const std::string id = std::to_string(20240101000000000LL + i);
            const std::string path = (dir / ("f" + std::to_string(i % 100) + ".mp3")).string();
            db.change("insert into AlbumInfo_tbl (ID, Album_ID, Song_ID, Song_Name, Date, Local_Path) "
                      "values (?, ?, ?, 'n', '20240101', ?)",
                      id, std::string(i % 10 == 0 ? "4002" : "4001"), id, path);
        }
        batch.commit();
    }
    test::TempFolder dir;
    MyAlbumDb db;
};

ListingData& listing() {
    static ListingData data;
    return data;
}

void BM_ListAlbum(benchmark::State& state, const char* album) {
    auto& data = listing();
    std::size_t rows = 0;
    for (auto _ : state) {
        AlbumSongList list;
        data.db.listAlbumSongs(album, list);
        rows = list.size();
    }
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK_CAPTURE(BM_ListAlbum, album, "4001")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_ListAlbum, all_songs, "4000")->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ListAlbumCli(benchmark::State& state, const char* sql) {
    auto& data = listing();
    const auto script = data.dir / "list.sql";
    std::ofstream(script) << "begin;\n" << sql << ";\ncommit;\n";
    for (auto _ : state)
        state.SetIterationTime(runCli(data.db.path(), script));
}
BENCHMARK_CAPTURE(BM_ListAlbumCli, album,
                  "select x.Song_ID, x.Album_ID, y.Album_Name, x.Local_Path, x.Date from AlbumInfo_tbl x "
                  "join AlbumName_tbl y "
                  "on x.Album_ID = y.Album_ID where x.Album_ID = '4001' group by x.Song_ID order by x.ID asc")
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime();
BENCHMARK_CAPTURE(BM_ListAlbumCli, all_songs,
                  "select x.Song_ID, x.Album_ID, y.Album_Name, x.Local_Path, x.Date from AlbumInfo_tbl x "
                  "join AlbumName_tbl y "
                  "on x.Album_ID = y.Album_ID group by x.Song_ID order by x.ID asc")
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime();

// A folder of 2,000 tagged MP3 files in 20 sub-folders; empty when the tools are missing.
const std::filesystem::path& importFolder() {
    static test::TempFolder dir;
    static const bool made = [] {
        for (int i = 0; i < kImportFiles; ++i) {
            const auto folder = dir / ("sub" + std::to_string(i % 20));
            std::filesystem::create_directories(folder);
            if (!test::AudioFiles::make(folder / ("t" + std::to_string(i) + ".mp3"),
                                        "Title " + std::to_string(i), "Artist " + std::to_string(i % 30)))
                return false;
        }
        return true;
    }();
    static const std::filesystem::path none;
    return made ? dir.path() : none;
}

// The floor of an import: TagLib alone opening each file of the folder and reading its tag and
// audio properties, with the paths listed beforehand.
void BM_TagLibReadFolder(benchmark::State& state) {
    const auto& folder = importFolder();
    if (folder.empty()) {
        state.SkipWithError("sox, lame or oggenc missing");
        return;
    }
    const auto paths = FolderWalker({"dcf", "mp3", "ogg"}).collect(folder, true);
    for (auto _ : state) {
        std::size_t read = 0;
        for (const auto& path : paths) {
            TagLib::FileRef file(path.c_str());
            if (file.isNull() || file.tag() == nullptr || file.audioProperties() == nullptr)
                continue;
            benchmark::DoNotOptimize(file.tag()->title().size() + file.tag()->artist().size());
            benchmark::DoNotOptimize(file.audioProperties()->bitrate() +
                                     file.audioProperties()->lengthInSeconds());
            ++read;
        }
        if (read != static_cast<std::size_t>(kImportFiles))
            state.SkipWithError("not every file was read");
    }
    state.SetItemsProcessed(state.iterations() * kImportFiles);
}
BENCHMARK(BM_TagLibReadFolder)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// The same folder walked and imported into an album: tags through the host's reader, records,
// the duplicate checks and the inserts.
void BM_ImportFolder(benchmark::State& state) {
    const auto& folder = importFolder();
    if (folder.empty()) {
        state.SkipWithError("sox, lame or oggenc missing");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        test::TempFolder dbDir;
        MyAlbumDb db;
        db.start(dbDir.path());
        LocalRecordFactory factory(&test::AudioFiles::readTags);
        LocalFileImport import(factory);
        state.ResumeTiming();
        const auto paths = FolderWalker({"dcf", "mp3", "ogg"}).collect(folder, true);
        const auto outcome = import.intoAlbum(paths, db, "4001");
        if (outcome.added.size() != static_cast<std::size_t>(kImportFiles))
            state.SkipWithError("not every file was imported");
    }
    state.SetItemsProcessed(state.iterations() * kImportFiles);
}
BENCHMARK(BM_ImportFolder)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// The same folder into a shown list: the import without the album database.
void BM_ImportFolderIntoList(benchmark::State& state) {
    const auto& folder = importFolder();
    if (folder.empty()) {
        state.SkipWithError("sox, lame or oggenc missing");
        return;
    }
    SongStore shown;
    LocalRecordFactory factory(&test::AudioFiles::readTags);
    LocalFileImport import(factory);
    for (auto _ : state) {
        state.PauseTiming();
        shown.clear();
        state.ResumeTiming();
        const auto paths = FolderWalker({"dcf", "mp3", "ogg"}).collect(folder, true);
        const auto outcome = import.intoShownList(paths, shown);
        if (outcome.added.size() != static_cast<std::size_t>(kImportFiles))
            state.SkipWithError("not every file was imported");
    }
    state.SetItemsProcessed(state.iterations() * kImportFiles);
}
BENCHMARK(BM_ImportFolderIntoList)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace
} // namespace kesto
