#include "dialogs/dialog_hooks.h"

#include "commands/buy_command.h"
#include "dialogs/delete_confirm_dialog.h"
#include "dialogs/dialog_texts.h"
#include "dialogs/gift_dialog.h"
#include "dialogs/local_file_dialogs.h"
#include "dialogs/my_album_choice_dialog.h"
#include "dialogs/play_list_choice_dialog.h"
#include "dialogs/purchase_dialog.h"
#include "dialogs/song_info_dialog.h"
#include "library/file_type.h"
#include "library/folder_walker.h"
#include "library/my_album_db.h"
#include "songs/list_pages.h"

#include <QMessageBox>
#include <QPointer>
#include <QWidget>

namespace kesto {
namespace {

template <class Fn> Fn hostEntry(KestoHostTable table, int index) {
    return table != nullptr ? reinterpret_cast<Fn>(table[index]) : nullptr;
}

bool onlineAlbumPage(int pageKind) {
    return pageKind == 2 || pageKind == 3;
}

bool localAlbumPage(int pageKind) {
    return pageKind == 4 || pageKind == 5;
}

MyAlbumChoiceDialog::Parts myAlbumParts(const DialogParts& parts, bool move) {
    MyAlbumChoiceDialog::Parts made;
    made.protocol = parts.context.protocol;
    made.skin = parts.skin;
    made.createAlbum =
        hostEntry<KestoSvcCreateMyAlbumFn>(parts.context.serviceA, KESTO_SVC_A_CREATE_MY_ALBUM);
    made.move = move;
    made.fromMyAlbum = onlineAlbumPage(parts.context.pageKind);
    return made;
}

PlayListChoiceDialog::Parts playListParts(const DialogParts& parts, bool move) {
    const CommandContext& context = parts.context;
    PlayListChoiceDialog::Parts made;
    made.db = context.albums;
    made.box = context.protocol.box;
    made.skin = parts.skin;
    made.createPlaylist = hostEntry<KestoSvcCreatePlaylistFn>(context.serviceA, KESTO_SVC_A_CREATE_PLAYLIST);
    made.port = context.protocol.port;
    made.host = context.protocol.host;
    made.fromPlaylist = localAlbumPage(context.pageKind);
    made.move = move;
    if (context.menuId == menu::kLocalAlbums)
        made.shownAlbumId = std::to_string(MyAlbumDb::kAllSongsAlbum);
    else if (made.fromPlaylist && context.protocol.login != nullptr)
        made.shownAlbumId = context.protocol.login->menuParameter;
    return made;
}

} // namespace

void DialogHooks::install(CommandHooks& hooks, const DialogParts& parts) {
    albums(hooks, parts);
    playLists(hooks, parts);
    files(hooks, parts);
    purchases(hooks, parts);
    hooks.confirmDelete = [parent = QPointer<QWidget>(parts.parent), skin = parts.skin,
                           settings = parts.context.settings] {
        return DeleteConfirmDialog::run(parent, skin, settings);
    };
    hooks.songInfo = [parent = QPointer<QWidget>(parts.parent), skin = parts.skin, db = parts.context.albums,
                      protocol = parts.context.protocol](const Song& song) {
        SongInfoDialog::run(parent, skin, song, db, &protocol);
    };
}

void DialogHooks::albums(CommandHooks& hooks, const DialogParts& parts) {
    const QPointer<QWidget> parent(parts.parent);
    hooks.chooseMyAlbum = [parent, made = myAlbumParts(parts, false)](const SongList&) {
        return MyAlbumChoiceDialog::run(parent, made);
    };
    hooks.moveOnline = [parent, made = myAlbumParts(parts, true), context = parts.context,
                        reshow = hooks.reshowPage](const SongList& songs) {
        const auto choice = MyAlbumChoiceDialog::run(parent, made);
        const MyAlbumPut put(context.protocol);
        if (choice && put.put(*choice, put.currentAlbum(context.menuId), songs) && reshow)
            reshow();
    };
}

void DialogHooks::playLists(CommandHooks& hooks, const DialogParts& parts) {
    const QPointer<QWidget> parent(parts.parent);
    hooks.playListDialog = [parent, made = playListParts(parts, false)](const SongList& songs) {
        PlayListChoiceDialog::run(parent, made, songs);
    };
    hooks.moveLocal = [parent, made = playListParts(parts, true),
                       reshow = hooks.reshowPage](const SongList& songs) {
        if (PlayListChoiceDialog::run(parent, made, songs) && reshow)
            reshow();
    };
}

void DialogHooks::files(CommandHooks& hooks, const DialogParts& parts) {
    const QPointer<QWidget> parent(parts.parent);
    RegistryKey* settings = parts.context.settings;
    hooks.addFiles = [parent, settings, import = parts.import] {
        const auto paths = LocalFileDialogs::chooseFiles(parent, settings);
        if (!paths.empty() && import)
            import(paths);
    };
    hooks.addFolder = [parent, settings, import = parts.import] {
        const auto choice = LocalFileDialogs::chooseFolder(parent, settings);
        if (!choice || !import)
            return;
        const FolderWalker walker({FileType::kFolderExtensions.begin(), FileType::kFolderExtensions.end()});
        import(walker.collect(choice->folder, choice->subFolders));
    };
}

} // namespace kesto

namespace kesto {

void DialogHooks::purchases(CommandHooks& hooks, const DialogParts& parts) {
    const QPointer<QWidget> parent(parts.parent);
    PurchaseDialog::Parts made;
    made.protocol = parts.context.protocol;
    made.skin = parts.skin;
    made.serviceA = parts.context.serviceA;
    made.settings = parts.context.settings;
    made.albums = parts.context.albums;
    made.downloadStarted = hooks.downloadStarted;
    hooks.purchaseDialog = [parent, made](const SongList& songs, const PriceReply& prices, int mode,
                                          const std::string& intoAlbum) {
        PurchaseDialog::Parts one = made;
        one.download = mode != BuyCommand::kBuyOnly;
        one.mode = mode;
        one.intoAlbum = intoAlbum;
        PurchaseDialog::run(parent, one, songs, prices);
    };
    hooks.giftDialog = [parent, protocol = parts.context.protocol,
                        skin = parts.skin](const SongList& songs, const PriceReply& prices) {
        GiftDialog::run(parent, protocol, skin, songs, prices);
    };
    // A notice only: the download goes on once it is read.
    hooks.dcfNotice = [parent] {
        QMessageBox::information(parent, dialogText(kMessageBoxCaption), dialogText(dialog_text::kDcfNotice));
        return true;
    };
}

} // namespace kesto
