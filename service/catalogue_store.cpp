#include "service/catalogue_store.h"

#include "platform/cp949.h"
#include "service/catalogue_generator.h"
#include "service/catalogue_tables.h"

#include <cctype>

namespace kesto::service {
namespace {

template <typename T, typename Key>
const T* lookup(const std::vector<T>& rows, const std::unordered_map<std::string, std::size_t>& index,
                Key key) {
    const auto it = index.find(std::string(key));
    return it == index.end() ? nullptr : &rows[it->second];
}

unsigned char folded(char c) {
    return static_cast<unsigned char>(std::tolower(static_cast<unsigned char>(c)));
}

} // namespace

bool CatalogueStore::open(ServiceDatabase& db, std::uint64_t seed) {
    CatalogueTables tables(db);
    if (!tables.createSchema())
        return false;
    auto loaded = tables.load();
    if (!loaded) {
        Catalogue generated = CatalogueGenerator(seed).generate();
        if (!tables.save(generated))
            return false;
        loaded = std::move(generated);
    }
    adopt(std::move(*loaded));
    return true;
}

void CatalogueStore::adopt(Catalogue catalogue) {
    catalogue_ = std::move(catalogue);
    index();
}

void CatalogueStore::index() {
    for (std::size_t i = 0; i < catalogue_.songs.size(); ++i) {
        const Song& s = catalogue_.songs[i];
        songs_[s.id] = i;
        albumSongs_[s.albumId].push_back(i);
        artistSongs_[s.artistId].push_back(i);
    }
    for (std::size_t i = 0; i < catalogue_.albums.size(); ++i)
        albums_[catalogue_.albums[i].id] = i;
    for (std::size_t i = 0; i < catalogue_.artists.size(); ++i)
        artists_[catalogue_.artists[i].id] = i;
    for (std::size_t i = 0; i < catalogue_.musicVideos.size(); ++i)
        videos_[catalogue_.musicVideos[i].id] = i;
    for (std::size_t i = 0; i < catalogue_.charts.size(); ++i)
        charts_[catalogue_.charts[i].code] = i;
    for (std::size_t i = 0; i < catalogue_.themes.size(); ++i)
        themes_[catalogue_.themes[i].id] = i;
}

const Song* CatalogueStore::song(std::string_view id) const {
    return lookup(catalogue_.songs, songs_, id);
}
const Album* CatalogueStore::album(std::string_view id) const {
    return lookup(catalogue_.albums, albums_, id);
}
const Artist* CatalogueStore::artist(std::string_view id) const {
    return lookup(catalogue_.artists, artists_, id);
}
const MusicVideo* CatalogueStore::video(std::string_view id) const {
    return lookup(catalogue_.musicVideos, videos_, id);
}
const Chart* CatalogueStore::chart(std::string_view code) const {
    return lookup(catalogue_.charts, charts_, code);
}
const Theme* CatalogueStore::theme(std::string_view id) const {
    return lookup(catalogue_.themes, themes_, id);
}

std::vector<const Song*> CatalogueStore::albumSongs(std::string_view albumId) const {
    std::vector<const Song*> out;
    if (const auto it = albumSongs_.find(std::string(albumId)); it != albumSongs_.end())
        for (std::size_t i : it->second)
            out.push_back(&catalogue_.songs[i]);
    return out;
}

std::vector<const Song*> CatalogueStore::artistSongs(std::string_view artistId) const {
    std::vector<const Song*> out;
    if (const auto it = artistSongs_.find(std::string(artistId)); it != artistSongs_.end())
        for (std::size_t i : it->second)
            out.push_back(&catalogue_.songs[i]);
    return out;
}

bool CatalogueStore::containsText(std::string_view haystack, std::string_view needle) {
    if (needle.empty())
        return false;
    for (std::size_t i = 0; i + needle.size() <= haystack.size();) {
        std::size_t k = 0;
        while (k < needle.size() && folded(haystack[i + k]) == folded(needle[k]))
            ++k;
        if (k == needle.size())
            return true;
        // Step over whole characters so a match never starts on a trail byte.
        i += Cp949::isLeadByte(static_cast<unsigned char>(haystack[i])) ? 2 : 1;
    }
    return false;
}

bool CatalogueStore::matches(const Song& s, SearchType type, std::string_view keyword) const {
    switch (type) {
    case SearchType::SongName:
        return containsText(s.name, keyword);
    case SearchType::ArtistName:
        return containsText(artistName(s), keyword);
    case SearchType::AlbumName:
        return containsText(albumName(s), keyword);
    case SearchType::Lyrics:
        return containsText(s.lyrics, keyword);
    case SearchType::All:
        break;
    }
    return containsText(s.name, keyword) || containsText(artistName(s), keyword) ||
           containsText(albumName(s), keyword);
}

std::vector<const Song*> CatalogueStore::search(SearchType type, std::string_view keyword) const {
    std::vector<const Song*> out;
    for (const Song& s : catalogue_.songs)
        if (matches(s, type, keyword))
            out.push_back(&s);
    return out;
}

std::string CatalogueStore::artistName(const Song& s) const {
    const Artist* a = artist(s.artistId);
    return a == nullptr ? std::string() : a->name;
}

std::string CatalogueStore::albumName(const Song& s) const {
    const Album* a = album(s.albumId);
    return a == nullptr ? std::string() : a->name;
}

} // namespace kesto::service
