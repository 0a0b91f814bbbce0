#pragma once
// The database side of putting chosen songs into another play list: the list of play lists,
// and per song a move (the row changes album) or a copy (a new row with this mover's own row
// IDs). Songs already in the target are skipped. Each statement stands alone: a failure
// leaves the songs handled before it as they are and the next song is still tried.

#include "library/my_album_db.h"
#include "songs/song.h"

#include <string>
#include <string_view>
#include <vector>

namespace kesto {

struct PlaylistEntry {
    std::string albumId;
    std::string name;
};

struct PutResult {
    int handled = 0;
    int skipped = 0; // already in the target
    int failed = 0;  // a statement failed
};

class PlaylistMover {
public:
    explicit PlaylistMover(MyAlbumDb& db, RowIdGenerator::Clock clock = &LocalTime::now);

    // Every play list but the shown one (ids compared ignoring case), in stored order; false
    // when the query fails.
    bool listPlaylists(std::string_view shownAlbumId, std::vector<PlaylistEntry>& out);

    // From a page that is not a play list every song is inserted as a new row; from the play
    // list currentAlbumId the rows are moved (move set) or copied.
    PutResult put(const std::vector<Song>& songs, std::string_view targetAlbumId,
                  std::string_view currentAlbumId, bool fromPlaylist, bool move);

private:
    bool moveRow(std::string_view songId, std::string_view from, std::string_view to);
    bool copyRow(std::string_view songId, std::string_view from, std::string_view to);

    MyAlbumDb& db_;
    RowIdGenerator rowIds_;
};

} // namespace kesto
