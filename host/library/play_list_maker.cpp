#include "host/library/play_list_maker.h"

#include "host/library/album_database.h"

#include <cstdio>
#include <filesystem>

namespace kesto {

int PlayListMaker::create(const char* name) {
    if (name == nullptr || *name == '\0')
        return 0;
    std::error_code error;
    const auto folder = std::filesystem::current_path(error);
    AlbumDatabase db;
    const long id = !error && db.open(folder) ? db.createList(name) : 0;
    if (id == 0)
        std::fprintf(stderr, "kesto-player: no new play list: %s\n",
                     error ? error.message().c_str() : db.error().c_str());
    return static_cast<int>(id);
}

} // namespace kesto
