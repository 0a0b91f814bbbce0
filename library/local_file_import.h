#pragma once
// Imports a list of local files into the place the shown page wants them: the now-playing
// list, the shown list, a local album (one transaction, no duplicate rows) or a folder page
// (a copy named after the title). Only MP3, DCF and OGG files are taken; the others come
// back in the outcome.

#include "library/import_outcome.h"
#include "library/local_record_factory.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kesto {

class MyAlbumDb;
class SongStore;

class LocalFileImport {
public:
    explicit LocalFileImport(LocalRecordFactory& factory);

    // New files go to both stores; one that matches a now-playing entry (song id or path,
    // ignoring case) is reported with its position instead.
    ImportOutcome intoNowPlaying(const std::vector<std::string>& paths, SongStore& shown,
                                 SongStore& nowPlaying);
    ImportOutcome intoShownList(const std::vector<std::string>& paths, SongStore& shown);
    ImportOutcome intoAlbum(const std::vector<std::string>& paths, MyAlbumDb& db, std::string_view albumId);
    ImportOutcome intoFolder(const std::vector<std::string>& paths, const std::filesystem::path& folder,
                             SongStore& shown);

private:
    // Builds the record of an importable file; false (with the outcome noted) otherwise.
    bool prepare(const std::string& path, Song& record, ImportOutcome& outcome);

    LocalRecordFactory& factory_;
};

} // namespace kesto
