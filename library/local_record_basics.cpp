#include "library/local_record_basics.h"

#include "platform/cp949.h"

#include <sys/stat.h>

#include <atomic>
#include <cstdio>
#include <ctime>

namespace kesto {

namespace {
constexpr std::string_view kUnknownArtist = "Unknown Artist";
constexpr std::string_view kNoSource = " - ";
// One count for the process: the panel's and the mini list's files meet in the now-playing list.
std::atomic<int> madeUpIds{0};
} // namespace

LocalRecordBasics::LocalRecordBasics(Clock clock) : clock_(std::move(clock)) {}

bool LocalRecordBasics::fits(std::string_view path) {
    return !path.empty() && path.size() < Song::capacity(SongField::Local_Path);
}

void LocalRecordBasics::apply(Song& record, std::string_view path, const RecordOrigin& origin,
                              std::string_view title, std::string_view artist) {
    if (!origin.songId.empty())
        record.setText(SongField::Song_ID, origin.songId);
    else
        record.setText(SongField::Song_ID, madeUpId(++madeUpIds));
    record.setText(SongField::Source, origin.source.empty() ? kNoSource : std::string_view(origin.source));
    if (!origin.albumId.empty())
        record.setText(SongField::Album_ID, origin.albumId);
    record.setText(SongField::Added_Date, origin.addedDate.empty() ? stamp(clock_()) : origin.addedDate);
    record.setText(SongField::Song_Name, title.empty() ? displayName(path, artist) : std::string(title));
    record.setText(SongField::Artist_Name, artist.empty() ? kUnknownArtist : artist);
    record.setText(SongField::Local_Path, path);
    record.setText(SongField::Modified_Date, modifiedDate(path));
}

std::string LocalRecordBasics::madeUpId(int n) {
    return "-" + std::to_string(n);
}

bool LocalRecordBasics::isMadeUp(std::string_view songId) {
    return songId.starts_with('-');
}

std::string LocalRecordBasics::displayName(std::string_view path, std::string_view artist) {
    const auto slash = path.find_last_of('/');
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const auto dot = name.find_last_of('.');
    if (dot != std::string_view::npos)
        name = name.substr(0, dot);
    // File names are the file system's UTF-8; record texts are CP949.
    const std::string converted = Cp949::fromUtf8(name);
    return artist.empty() ? converted : std::string(artist) + "-" + converted;
}

std::string LocalRecordBasics::modifiedDate(std::string_view path) {
    struct stat info {};
    if (::stat(std::string(path).c_str(), &info) != 0)
        return {};
    std::tm tm{};
    localtime_r(&info.st_mtime, &tm);
    char text[48];
    std::snprintf(text, sizeof text, "%d%02d%02d%02d%02d%02d", tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday,
                  tm.tm_hour, tm.tm_min, tm.tm_sec);
    return text;
}

std::string LocalRecordBasics::stamp(const LocalTime& t) {
    char text[48];
    std::snprintf(text, sizeof text, "%04d%02d%02d%02d%02d%02d", t.year, t.month, t.day, t.hour, t.minute,
                  t.second);
    return text;
}

} // namespace kesto
