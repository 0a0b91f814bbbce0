#pragma once
// What the caller knows about a file before it is read: for an album page the row's song id,
// the album's name as source, the album id and the date added; all empty for a plain file.

#include <string>

namespace kesto {

struct RecordOrigin {
    std::string songId;
    std::string source;
    std::string albumId;
    std::string addedDate;
};

} // namespace kesto
