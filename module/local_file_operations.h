#pragma once
// What the entries ask of the panel's local files: imports, albums on this PC, device lists.

#include <string>
#include <string_view>
#include <vector>

namespace kesto {

struct SongRecord;

class LocalFileOperations {
public:
    virtual ~LocalFileOperations() = default;

    // A file, or a folder's audio files, into the page shown.
    virtual void importPath(std::string_view path) = 0;
    // Entry 50: 0 the add-files dialog, 1 the add-folder dialog, 2 a my album's songs, 3 local
    // files, 4 the service's songs of a list code.
    virtual void addItems(int kind, std::string_view values) = 0;
    virtual void addToLocalAlbum(std::string_view path, std::string_view albumId) = 0;
    virtual void fillDeviceList(std::string_view text, int value) = 0;
    virtual int readLocalSongInfo(std::string_view path, SongRecord* record) = 0;
    virtual int addDroppedFiles(const std::vector<std::string>& paths) = 0;
    virtual void playFiles(const std::vector<std::string>& paths) = 0;
    // The download storage page, of the folder when it names one.
    virtual void openDownloadStorage(std::string_view folder) = 0;
};

} // namespace kesto
