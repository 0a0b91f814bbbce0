#pragma once
// The catalogue held in memory for look-ups: read-only once opened, so worker threads share it
// without a lock.

#include "service/catalogue_types.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kesto::service {

class ServiceDatabase;

enum class SearchType { All = 0, SongName = 1, ArtistName = 2, AlbumName = 3, Lyrics = 4 };

class CatalogueStore {
public:
    static constexpr std::uint64_t kSeed = 20070521;

    // Loads the catalogue from the file, generating and saving it first when the file has none.
    bool open(ServiceDatabase& db, std::uint64_t seed = kSeed);
    // For tests and benchmarks that need no file.
    void adopt(Catalogue catalogue);

    const Catalogue& all() const { return catalogue_; }
    const Song* song(std::string_view id) const;
    const Album* album(std::string_view id) const;
    const Artist* artist(std::string_view id) const;
    const MusicVideo* video(std::string_view id) const;
    const Chart* chart(std::string_view code) const;
    const Theme* theme(std::string_view id) const;
    std::vector<const Song*> albumSongs(std::string_view albumId) const;
    std::vector<const Song*> artistSongs(std::string_view artistId) const;
    // Byte-wise match on CP949 text, on whole characters; ASCII letters ignore case.
    std::vector<const Song*> search(SearchType type, std::string_view keyword) const;

    std::string artistName(const Song& song) const;
    std::string albumName(const Song& song) const;

    static bool containsText(std::string_view haystack, std::string_view needle);

private:
    void index();
    bool matches(const Song& song, SearchType type, std::string_view keyword) const;

    Catalogue catalogue_;
    std::unordered_map<std::string, std::size_t> songs_, albums_, artists_, videos_, charts_, themes_;
    std::unordered_map<std::string, std::vector<std::size_t>> albumSongs_, artistSongs_;
};

} // namespace kesto::service
