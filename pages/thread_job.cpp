#include "pages/thread_job.h"

namespace kesto {

namespace {
const std::string& at(const std::vector<std::string>& texts, std::size_t i) {
    static const std::string empty;
    return i < texts.size() ? texts[i] : empty;
}
} // namespace

RecordOrigin ThreadJob::originOf(std::size_t i) const {
    if (!hasMetadata())
        return {};
    return {at(songIds, i), at(sources, i), at(albumIds, i), at(addedDates, i)};
}

ThreadJob ThreadJob::ofFiles(const std::vector<std::string>& files, int viewMode, int pageKind) {
    ThreadJob job;
    for (const std::string& path : files)
        if (!path.empty())
            job.paths.push_back(path);
    job.state = kFilled;
    job.viewMode = viewMode;
    job.pageKind = pageKind;
    return job;
}

ThreadJob ThreadJob::ofAlbum(const AlbumSongList& songs, int viewMode, int pageKind) {
    ThreadJob job;
    job.paths = songs.localPaths;
    job.songIds = songs.songIds;
    job.sources = songs.albumNames;
    job.albumIds = songs.albumIds;
    job.addedDates = songs.dates;
    job.state = kFilled;
    job.viewMode = viewMode;
    job.pageKind = pageKind;
    return job;
}

} // namespace kesto
