#pragma once
// Chooses the local play list that receives local songs: every play list of the album
// database but the shown one, "담은 후 현재 플레이리스트에서 삭제" (move instead of copy) when
// the songs come from a play list, and "새 플레이리스트", which has the host make one. OK puts
// the songs with the dialog's own mover (and its own row ids) and tells the host.

#include "dialogs/skinned_dialog.h"
#include "library/playlist_mover.h"
#include "platform/message_port.h"

#include <vector>

class QCheckBox;
class QComboBox;

namespace kesto {

class MessageBox;

class PlayListChoiceDialog final : public SkinnedDialog {
public:
    struct Parts {
        MyAlbumDb* db = nullptr;
        MessageBox* box = nullptr;
        KestoHostTable skin = nullptr;
        KestoSvcCreatePlaylistFn createPlaylist = nullptr;
        MessagePort* port = nullptr;
        WindowHandle host = nullptr;
        std::string shownAlbumId; // empty off the play-list pages
        bool fromPlaylist = false;
        bool move = false; // the move command: the box starts set
    };

    PlayListChoiceDialog(QWidget* parent, Parts parts, std::vector<Song> songs);

    // False when the play lists could not be read ("DB Error" has been shown).
    bool load();
    const PutResult& result() const { return result_; }

    // Opens the dialog; true when songs were put.
    static bool run(QWidget* parent, Parts parts, std::vector<Song> songs);

protected:
    bool confirm() override;

private:
    void newPlayList();
    void tell(std::string_view textUtf8, int style) const;
    void tellHost() const;

    Parts parts_;
    std::vector<Song> songs_;
    PlaylistMover mover_;
    QComboBox* lists_ = nullptr;
    QCheckBox* move_ = nullptr;
    PutResult result_;
};

} // namespace kesto
