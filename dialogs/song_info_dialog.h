#pragma once
// The information of a local song: its tags and file, how often it was listened to ("%d회")
// and the albums of the album database that hold it. Only OK closes it.

#include "dialogs/skinned_dialog.h"
#include "songs/song.h"

namespace kesto {

class MyAlbumDb;

class SongInfoDialog final : public SkinnedDialog {
public:
    SongInfoDialog(QWidget* parent, KestoHostTable skin, const Song& song, MyAlbumDb* db);

    static void run(QWidget* parent, KestoHostTable skin, const Song& song, MyAlbumDb* db);
};

} // namespace kesto
