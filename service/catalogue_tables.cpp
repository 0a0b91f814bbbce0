#include "service/catalogue_tables.h"

#include "service/sqlite_connection.h"
#include "service/sqlite_statement.h"

namespace kesto::service {

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
    if (!db_.exec("BEGIN"))
        return false;
    bool ok = true;
    {
        SqliteStatement artist(db_.handle(), "INSERT INTO Artist VALUES (?,?)");
        for (const Artist& a : catalogue.artists) {
            ok = ok && artist.bind(1, a.id).bind(2, a.name).run();
            artist.reset();
        }
        SqliteStatement album(db_.handle(), "INSERT INTO Album VALUES (?,?,?,?)");
        for (const Album& a : catalogue.albums) {
            ok = ok && album.bind(1, a.id).bind(2, a.name).bind(3, a.artistId).bind(4, a.released).run();
            album.reset();
        }
    }
    ok = ok && saveSongs(catalogue) && saveLists(catalogue);
    return db_.exec(ok ? "COMMIT" : "ROLLBACK") && ok;
}

bool CatalogueTables::saveSongs(const Catalogue& catalogue) {
    bool ok = true;
    SqliteStatement song(db_.handle(), "INSERT INTO Song VALUES (?,?,?,?,?,?,?,?,?,?,?,?)");
    for (const Song& s : catalogue.songs) {
        song.bind(1, s.id).bind(2, s.name).bind(3, s.artistId).bind(4, s.albumId).bind(5, s.playTime);
        song.bind(6, s.serviceFlags).bind(7, s.qualityFlags).bind(8, s.serviceable ? 1 : 0);
        song.bind(9, s.phoneDeco).bind(10, s.lyrics).bind(11, s.mvId).bind(12, s.price);
        ok = ok && song.run();
        song.reset();
    }
    SqliteStatement video(db_.handle(), "INSERT INTO Music_Video VALUES (?,?,?,?,?)");
    for (const MusicVideo& v : catalogue.musicVideos) {
        ok =
            ok && video.bind(1, v.id).bind(2, v.songId).bind(3, v.name).bind(4, v.cast).bind(5, v.size).run();
        video.reset();
    }
    SqliteStatement cut(db_.handle(), "INSERT INTO Ring_Cut VALUES (?,?,?)");
    for (const RingCut& c : catalogue.ringCuts) {
        ok = ok && cut.bind(1, c.songId).bind(2, c.sectionStart).bind(3, c.sectionEnd).run();
        cut.reset();
    }
    return ok;
}

bool CatalogueTables::saveLists(const Catalogue& catalogue) {
    bool ok = true;
    SqliteStatement chart(db_.handle(), "INSERT INTO Chart VALUES (?,?)");
    SqliteStatement entry(db_.handle(), "INSERT INTO Chart_Entry VALUES (?,?,?,?)");
    for (const Chart& c : catalogue.charts) {
        ok = ok && chart.bind(1, c.code).bind(2, c.title).run();
        chart.reset();
        for (std::size_t i = 0; i < c.entries.size(); ++i) {
            entry.bind(1, c.code).bind(2, static_cast<std::int64_t>(i)).bind(3, c.entries[i].songId);
            ok = ok && entry.bind(4, c.entries[i].rankText).run();
            entry.reset();
        }
    }
    SqliteStatement theme(db_.handle(), "INSERT INTO Theme VALUES (?,?)");
    SqliteStatement themeSong(db_.handle(), "INSERT INTO Theme_Song VALUES (?,?,?)");
    for (const Theme& t : catalogue.themes) {
        ok = ok && theme.bind(1, t.id).bind(2, t.title).run();
        theme.reset();
        for (std::size_t i = 0; i < t.songIds.size(); ++i) {
            ok = ok &&
                 themeSong.bind(1, t.id).bind(2, static_cast<std::int64_t>(i)).bind(3, t.songIds[i]).run();
            themeSong.reset();
        }
    }
    SqliteStatement promotion(db_.handle(), "INSERT INTO Promotion VALUES (?,?,?)");
    for (const Promotion& p : catalogue.promotions) {
        ok = ok && promotion.bind(1, p.id).bind(2, p.title).bind(3, p.link).run();
        promotion.reset();
    }
    return ok;
}

std::optional<Catalogue> CatalogueTables::load() {
    Catalogue out;
    loadPeople(out);
    if (out.artists.empty())
        return std::nullopt;
    loadSongs(out);
    loadLists(out);
    return out;
}

void CatalogueTables::loadPeople(Catalogue& out) {
    SqliteStatement artist(db_.handle(), "SELECT Artist_ID, Artist_Name FROM Artist ORDER BY Artist_ID");
    while (artist.step())
        out.artists.push_back({artist.text(0), artist.text(1)});
    SqliteStatement album(db_.handle(),
                          "SELECT Album_ID, Album_Name, Artist_ID, Released FROM Album ORDER BY Album_ID");
    while (album.step())
        out.albums.push_back({album.text(0), album.text(1), album.text(2), album.text(3)});
}

void CatalogueTables::loadSongs(Catalogue& out) {
    SqliteStatement song(db_.handle(), "SELECT * FROM Song ORDER BY Song_ID");
    while (song.step()) {
        Song s;
        s.id = song.text(0);
        s.name = song.text(1);
        s.artistId = song.text(2);
        s.albumId = song.text(3);
        s.playTime = static_cast<int>(song.integer(4));
        s.serviceFlags = song.text(5);
        s.qualityFlags = song.text(6);
        s.serviceable = song.integer(7) != 0;
        s.phoneDeco = static_cast<int>(song.integer(8));
        s.lyrics = song.text(9);
        s.mvId = song.text(10);
        s.price = static_cast<int>(song.integer(11));
        out.songs.push_back(std::move(s));
    }
    SqliteStatement video(db_.handle(), "SELECT * FROM Music_Video ORDER BY MV_ID");
    while (video.step())
        out.musicVideos.push_back(
            {video.text(0), video.text(1), video.text(2), video.text(3), video.text(4)});
    SqliteStatement cut(db_.handle(), "SELECT * FROM Ring_Cut ORDER BY rowid");
    while (cut.step())
        out.ringCuts.push_back({cut.text(0), cut.text(1), cut.text(2)});
}

void CatalogueTables::loadLists(Catalogue& out) {
    SqliteStatement chart(db_.handle(), "SELECT Code, Title FROM Chart ORDER BY rowid");
    SqliteStatement entry(db_.handle(),
                          "SELECT Song_ID, Rank_Text FROM Chart_Entry WHERE Code=? ORDER BY Position");
    while (chart.step()) {
        Chart c{chart.text(0), chart.text(1), {}};
        entry.bind(1, c.code);
        while (entry.step())
            c.entries.push_back({entry.text(0), entry.text(1)});
        entry.reset();
        out.charts.push_back(std::move(c));
    }
    SqliteStatement theme(db_.handle(), "SELECT Theme_ID, Title FROM Theme ORDER BY rowid");
    SqliteStatement themeSong(db_.handle(),
                              "SELECT Song_ID FROM Theme_Song WHERE Theme_ID=? ORDER BY Position");
    while (theme.step()) {
        Theme t{theme.text(0), theme.text(1), {}};
        themeSong.bind(1, t.id);
        while (themeSong.step())
            t.songIds.push_back(themeSong.text(0));
        themeSong.reset();
        out.themes.push_back(std::move(t));
    }
    SqliteStatement promotion(db_.handle(), "SELECT * FROM Promotion ORDER BY rowid");
    while (promotion.step())
        out.promotions.push_back({promotion.text(0), promotion.text(1), promotion.text(2)});
}

} // namespace kesto::service
