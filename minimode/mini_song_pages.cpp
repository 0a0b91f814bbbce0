#include "minimode/mini_song_pages.h"

#include "commands/command_settings.h"
#include "listview/song_list_view.h"
#include "minimode/mini_song_text.h"
#include "module/module_state.h"
#include "platform/cp949.h"
#include "platform/failure_log.h"
#include "protocol/lyrics_exchange.h"
#include "protocol/web_handoff.h"
#include "songs/notice_texts.h"

namespace kesto {

const Song* MiniSongPages::record(ListRow row) const {
    SongListView* list = p_.list();
    return list != nullptr ? list->record(row.row) : nullptr;
}

void MiniSongPages::showLyrics(ListRow row) {
    const Song* shown = record(row);
    if (shown == nullptr)
        return;
    const Song song = *shown;
    openSongText();
    if (song.isLocal() && song.Has_Lyrics == 0) {
        if (MessageBox* box = p_.protocol().box)
            box->show(Cp949::fromUtf8(notice::kNoLyrics), kMessageBoxCaption, mb::kStopOk);
        return;
    }
    follow(song);
}

void MiniSongPages::openSongText() {
    ModuleState& module = *p_.module;
    if (module.songText() != nullptr)
        return;
    const KestoRect rect = MiniSongText::placement();
    if (auto open = StartupValues::slotAs<KestoSvcOpenSongTextFn>(module.startup().serviceA,
                                                                  KESTO_SVC_A_OPEN_SONG_TEXT))
        open(&rect);
    SongTextOperations* text = module.songText();
    if (text == nullptr)
        return FailureLog::write(LogCategory::Panel, "lyrics not shown: the host made no song-text window");
    text->moveTo(rect);
}

void MiniSongPages::follow(const Song& song) {
    SongTextOperations* text = p_.module->songText();
    if (text == nullptr)
        return;
    const CommandSettings options(p_.settings);
    LyricsHooks hooks;
    hooks.showPage = [text](const std::string& address, const std::string& body, int) {
        text->post(address, body);
    };
    LyricsExchange(p_.protocol(), std::move(hooks))
        .show(song, {options.installPath(), options.downloadLyric()}, false);
}

void MiniSongPages::songInformation(ListRow row) {
    const Song* song = record(row);
    if (song != nullptr && !song->isLocal())
        WebHandoff(p_.protocol()).songInformation(song);
}

void MiniSongPages::phoneDecoPage(ListRow row) {
    const Song* song = record(row);
    if (song != nullptr && !song->isLocal())
        WebHandoff(p_.protocol()).phoneDeco(*song, song->Phone_Deco);
}

} // namespace kesto
