#include "host/play_list_maker.h"

#include "library/my_album_db.h"
#include "library/sql_error.h"

#include <cstdlib>
#include <string>

namespace kesto {
namespace {

std::string quoted(const char* text) {
    std::string out;
    for (const char* c = text; *c != '\0'; ++c)
        out += *c == '\'' ? std::string("''") : std::string(1, *c);
    return out;
}

} // namespace

int PlayListMaker::create(const char* name) {
    if (name == nullptr || *name == '\0')
        return 0;
    MyAlbumDb db;
    if (!db.start())
        return 0;
    long next = 1;
    try {
        SqlQuery rows = db.database().query("select max(cast(Album_ID as integer)) from AlbumName_tbl");
        if (!rows.atEnd() && rows.fieldValue(0) != nullptr)
            next = std::atol(rows.fieldValue(0)) + 1;
    } catch (const SqlError&) {
        return 0;
    }
    if (next == kAllSongsAlbum)
        ++next;
    const std::string id = std::to_string(next);
    if (!db.execStatement("insert into AlbumName_tbl values('" + id + "','" + quoted(name) + "')"))
        return 0;
    return static_cast<int>(next);
}

} // namespace kesto
