#include "host/play_list_maker.h"

#include "library/my_album_db.h"

#include <string>

namespace kesto {

int PlayListMaker::create(const char* name) {
    if (name == nullptr || *name == '\0')
        return 0;
    MyAlbumDb db;
    if (!db.start())
        return 0;
    long next = 1;
    try {
        SQLite::Statement rows(*db.database(), "select max(cast(Album_ID as integer)) from AlbumName_tbl");
        if (rows.executeStep() && !rows.isColumnNull(0))
            next = rows.getColumn(0).getInt64() + 1;
    } catch (const SQLite::Exception&) {
        return 0;
    }
    if (next == kAllSongsAlbum)
        ++next;
    const std::string id = std::to_string(next);
    if (!db.addAlbum(id, name))
        return 0;
    return static_cast<int>(next);
}

} // namespace kesto
