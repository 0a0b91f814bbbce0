#pragma once
// The fields that every builder of a local file's record fills the same way: song id (made up
// per panel when none is given, out of the store's range), source, album id, date added, display name,
// "Unknown Artist", path and modification date. Safe to share between the listing worker and the window
// thread.

#include "library/record_origin.h"
#include "library/row_id_generator.h"
#include "songs/song.h"

#include <functional>
#include <string>
#include <string_view>

namespace kesto {

class LocalRecordBasics {
public:
    using Clock = std::function<LocalTime()>;

    explicit LocalRecordBasics(Clock clock = &LocalTime::now);

    // False when the path cannot be held by the record (empty or too long to keep whole).
    static bool fits(std::string_view path);
    // Fills everything but the builder's own fields; title and artist are the tag texts (CP949).
    void apply(Song& record, std::string_view path, const RecordOrigin& origin, std::string_view title,
               std::string_view artist);

    // The id of a plain local file, the n-th of the process: a negative number, which no store id
    // is, so that the store is never asked about it.
    static std::string madeUpId(int n);
    static bool isMadeUp(std::string_view songId);

    // The file name without its last extension, in CP949; "artist-name" when artist is given.
    static std::string displayName(std::string_view path, std::string_view artist);
    // The file's last-write time as "%d%02d%02d%02d%02d%02d"; empty when it cannot be read.
    static std::string modifiedDate(std::string_view path);
    static std::string stamp(const LocalTime& t); // "%Y%m%d%H%M%S"

private:
    Clock clock_;
};

} // namespace kesto
