#include "service/catalogue_tables.h"

#include "service/service_database.h"
#include <SQLiteCpp/Exception.h>
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>
#include <SQLiteCpp/VariadicBind.h>

namespace kesto::service {
namespace {

// Runs a kept insert once with these values, ready for the next.
template <typename... Values> void insert(SQLite::Statement& statement, const Values&... values) {
    SQLite::bind(statement, values...);
    statement.exec();
    statement.reset();
}

} // namespace

bool CatalogueTables::createSchema() {
    return db_.exec(
        "CREATE TABLE IF NOT EXISTS Artist (Artist_ID TEXT PRIMARY KEY, Artist_Name TEXT);"
        "CREATE TABLE IF NOT EXISTS Album (Album_ID TEXT PRIMARY KEY, Album_Name TEXT, "
        "Artist_ID TEXT, Released TEXT);"
        "CREATE TABLE IF NOT EXISTS Song (Song_ID TEXT PRIMARY KEY, Song_Name TEXT, Artist_ID TEXT, "
        "Album_ID TEXT, Play_Time INTEGER, Service_Flags TEXT, Quality_Flags TEXT, "
        "Serviceable INTEGER, Phone_Deco INTEGER, Lyrics TEXT, MV_ID TEXT, Price INTEGER);"
        "CREATE TABLE IF NOT EXISTS Music_Video (MV_ID TEXT PRIMARY KEY, Song_ID TEXT, MV_Name TEXT, "
        "Cast TEXT, MV_Size TEXT);"
        "CREATE TABLE IF NOT EXISTS Ring_Cut (Song_ID TEXT, Section_Start TEXT, Section_End TEXT);"
        "CREATE TABLE IF NOT EXISTS Chart (Code TEXT PRIMARY KEY, Title TEXT);"
        "CREATE TABLE IF NOT EXISTS Chart_Entry (Code TEXT, Position INTEGER, Song_ID TEXT, "
        "Rank_Text TEXT);"
        "CREATE TABLE IF NOT EXISTS Theme (Theme_ID TEXT PRIMARY KEY, Title TEXT);"
        "CREATE TABLE IF NOT EXISTS Theme_Song (Theme_ID TEXT, Position INTEGER, Song_ID TEXT);"
        "CREATE TABLE IF NOT EXISTS Promotion (Promotion_ID TEXT PRIMARY KEY, Title TEXT, Link TEXT);");
}

bool CatalogueTables::save(const Catalogue& catalogue) {
    try {
        SQLite::Transaction batch(db_.file());
        SQLite::Statement artist(db_.file(), "INSERT INTO Artist VALUES (?,?)");
        for (const Artist& a : catalogue.artists)
            insert(artist, a.id, a.name);
        SQLite::Statement album(db_.file(), "INSERT INTO Album VALUES (?,?,?,?)");
        for (const Album& a : catalogue.albums)
            insert(album, a.id, a.name, a.artistId, a.released);
        saveSongs(catalogue);
        saveLists(catalogue);
        batch.commit();
        return true;
    } catch (const SQLite::Exception&) {
        return false; // the batch rolled back
    }
}

void CatalogueTables::saveSongs(const Catalogue& catalogue) {
    SQLite::Statement song(db_.file(), "INSERT INTO Song VALUES (?,?,?,?,?,?,?,?,?,?,?,?)");
    for (const Song& s : catalogue.songs)
        insert(song, s.id, s.name, s.artistId, s.albumId, s.playTime, s.serviceFlags, s.qualityFlags,
               s.serviceable ? 1 : 0, s.phoneDeco, s.lyrics, s.mvId, s.price);
    SQLite::Statement video(db_.file(), "INSERT INTO Music_Video VALUES (?,?,?,?,?)");
    for (const MusicVideo& v : catalogue.musicVideos)
        insert(video, v.id, v.songId, v.name, v.cast, v.size);
    SQLite::Statement cut(db_.file(), "INSERT INTO Ring_Cut VALUES (?,?,?)");
    for (const RingCut& c : catalogue.ringCuts)
        insert(cut, c.songId, c.sectionStart, c.sectionEnd);
}

void CatalogueTables::saveLists(const Catalogue& catalogue) {
    SQLite::Statement chart(db_.file(), "INSERT INTO Chart VALUES (?,?)");
    SQLite::Statement entry(db_.file(), "INSERT INTO Chart_Entry VALUES (?,?,?,?)");
    for (const Chart& c : catalogue.charts) {
        insert(chart, c.code, c.title);
        for (std::size_t i = 0; i < c.entries.size(); ++i)
            insert(entry, c.code, static_cast<std::int64_t>(i), c.entries[i].songId, c.entries[i].rankText);
    }
    SQLite::Statement theme(db_.file(), "INSERT INTO Theme VALUES (?,?)");
    SQLite::Statement themeSong(db_.file(), "INSERT INTO Theme_Song VALUES (?,?,?)");
    for (const Theme& t : catalogue.themes) {
        insert(theme, t.id, t.title);
        for (std::size_t i = 0; i < t.songIds.size(); ++i)
            insert(themeSong, t.id, static_cast<std::int64_t>(i), t.songIds[i]);
    }
    SQLite::Statement promotion(db_.file(), "INSERT INTO Promotion VALUES (?,?,?)");
    for (const Promotion& p : catalogue.promotions)
        insert(promotion, p.id, p.title, p.link);
}

std::optional<Catalogue> CatalogueTables::load() {
    Catalogue out;
    try {
        loadPeople(out);
        if (out.artists.empty())
            return std::nullopt;
        loadSongs(out);
        loadLists(out);
    } catch (const SQLite::Exception&) {
        return std::nullopt;
    }
    return out;
}

void CatalogueTables::loadPeople(Catalogue& out) {
    SQLite::Statement artist(db_.file(), "SELECT Artist_ID, Artist_Name FROM Artist ORDER BY Artist_ID");
    while (artist.executeStep())
        out.artists.push_back({artist.getColumn(0).getString(), artist.getColumn(1).getString()});
    SQLite::Statement album(db_.file(),
                            "SELECT Album_ID, Album_Name, Artist_ID, Released FROM Album ORDER BY Album_ID");
    while (album.executeStep())
        out.albums.push_back({album.getColumn(0).getString(), album.getColumn(1).getString(),
                              album.getColumn(2).getString(), album.getColumn(3).getString()});
}

void CatalogueTables::loadSongs(Catalogue& out) {
    SQLite::Statement song(db_.file(), "SELECT * FROM Song ORDER BY Song_ID");
    while (song.executeStep()) {
        Song s;
        s.id = song.getColumn(0).getString();
        s.name = song.getColumn(1).getString();
        s.artistId = song.getColumn(2).getString();
        s.albumId = song.getColumn(3).getString();
        s.playTime = static_cast<int>(song.getColumn(4).getInt64());
        s.serviceFlags = song.getColumn(5).getString();
        s.qualityFlags = song.getColumn(6).getString();
        s.serviceable = song.getColumn(7).getInt64() != 0;
        s.phoneDeco = static_cast<int>(song.getColumn(8).getInt64());
        s.lyrics = song.getColumn(9).getString();
        s.mvId = song.getColumn(10).getString();
        s.price = static_cast<int>(song.getColumn(11).getInt64());
        out.songs.push_back(std::move(s));
    }
    SQLite::Statement video(db_.file(), "SELECT * FROM Music_Video ORDER BY MV_ID");
    while (video.executeStep())
        out.musicVideos.push_back({video.getColumn(0).getString(), video.getColumn(1).getString(),
                                   video.getColumn(2).getString(), video.getColumn(3).getString(),
                                   video.getColumn(4).getString()});
    SQLite::Statement cut(db_.file(), "SELECT * FROM Ring_Cut ORDER BY rowid");
    while (cut.executeStep())
        out.ringCuts.push_back(
            {cut.getColumn(0).getString(), cut.getColumn(1).getString(), cut.getColumn(2).getString()});
}

void CatalogueTables::loadLists(Catalogue& out) {
    SQLite::Statement chart(db_.file(), "SELECT Code, Title FROM Chart ORDER BY rowid");
    SQLite::Statement entry(db_.file(),
                            "SELECT Song_ID, Rank_Text FROM Chart_Entry WHERE Code=? ORDER BY Position");
    while (chart.executeStep()) {
        Chart c{chart.getColumn(0).getString(), chart.getColumn(1).getString(), {}};
        SQLite::bind(entry, c.code);
        while (entry.executeStep())
            c.entries.push_back({entry.getColumn(0).getString(), entry.getColumn(1).getString()});
        entry.reset();
        out.charts.push_back(std::move(c));
    }
    SQLite::Statement theme(db_.file(), "SELECT Theme_ID, Title FROM Theme ORDER BY rowid");
    SQLite::Statement themeSong(db_.file(),
                                "SELECT Song_ID FROM Theme_Song WHERE Theme_ID=? ORDER BY Position");
    while (theme.executeStep()) {
        Theme t{theme.getColumn(0).getString(), theme.getColumn(1).getString(), {}};
        SQLite::bind(themeSong, t.id);
        while (themeSong.executeStep())
            t.songIds.push_back(themeSong.getColumn(0).getString());
        themeSong.reset();
        out.themes.push_back(std::move(t));
    }
    SQLite::Statement promotion(db_.file(), "SELECT * FROM Promotion ORDER BY rowid");
    while (promotion.executeStep())
        out.promotions.push_back({promotion.getColumn(0).getString(), promotion.getColumn(1).getString(),
                                  promotion.getColumn(2).getString()});
}

} // namespace kesto::service
