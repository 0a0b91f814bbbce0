#include "pages/local_page_job.h"

namespace kesto {

namespace {
const std::string& at(const std::vector<std::string>& texts, std::size_t i) {
    static const std::string empty;
    return i < texts.size() ? texts[i] : empty;
}
} // namespace

RecordOrigin LocalPageJob::originOf(std::size_t i) const {
    if (!hasMetadata())
        return {};
    return {at(songIds, i), at(sources, i), at(albumIds, i), at(addedDates, i)};
}

LocalPageJob LocalPageJob::ofFiles(const std::vector<std::string>& files, int viewMode, int pageKind) {
    LocalPageJob job;
    for (const std::string& path : files)
        if (!path.empty())
            job.paths.push_back(path);
    job.viewMode = viewMode;
    job.pageKind = pageKind;
    return job;
}

LocalPageJob LocalPageJob::ofAlbum(const AlbumSongList& songs, int viewMode, int pageKind) {
    LocalPageJob job;
    job.paths = songs.localPaths;
    job.songIds = songs.songIds;
    job.sources = songs.albumNames;
    job.albumIds = songs.albumIds;
    job.addedDates = songs.dates;
    job.viewMode = viewMode;
    job.pageKind = pageKind;
    return job;
}

} // namespace kesto
