#pragma once
// The information of a local song: its tags and file, how often it was listened to ("%d회"),
// the albums of the album database that hold it and the user's on-line my albums that hold its
// song id (asked of the store as the dialog opens; no line when the store gives no answer).
// Only OK closes it.

#include "dialogs/skinned_dialog.h"
#include "protocol/protocol_context.h"
#include "songs/song.h"

namespace kesto {

class MyAlbumDb;

class SongInfoDialog final : public SkinnedDialog {
public:
    // protocol may be null: no on-line albums are asked for.
    SongInfoDialog(QWidget* parent, KestoHostTable skin, const Song& song, MyAlbumDb* db,
                   const ProtocolContext* protocol);

    static void run(QWidget* parent, KestoHostTable skin, const Song& song, MyAlbumDb* db,
                    const ProtocolContext* protocol);
};

} // namespace kesto
