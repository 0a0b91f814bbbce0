#include "panel/panel_now_playing.h"

#include "listview/song_list_view.h"
#include "pages/codec_setting.h"
#include "pages/host_song_entries.h"
#include "pages/panel_model.h"
#include "pages/play_next.h"
#include "pages/played_song_lyrics.h"
#include "pages/show_page.h"
#include "panel/list_view_area.h"
#include "settings/registry_section.h"
#include "settings/settings_keys.h"
#include "songs/list_pages.h"
#include "songs/song_store.h"

#include <QTimer>

namespace kesto {

namespace {

// The panel option (entries 6 and 7): 0 scrolls the now-playing page to the played song.
constexpr int kFollowPlayedSong = 0;

} // namespace

void PanelNowPlaying::attach(ListViewArea* listView, const ShowPage* showPage) {
    listView_ = listView;
    showPage_ = showPage;
    clearHook_ = model_.nowPlaying().addClearHook([this] { nowPlayingCleared(); });
}

void PanelNowPlaying::detach() {
    if (clearHook_ != 0)
        model_.nowPlaying().removeClearHook(clearHook_);
    clearHook_ = 0;
    listView_ = nullptr;
    showPage_ = nullptr;
}

bool PanelNowPlaying::onNowPlayingPage() const {
    return listView_ != nullptr && model_.state().pageKind == ListPages::pageKindOf(menu::kNowPlaying);
}

int PanelNowPlaying::nowPlayingCount() const {
    return model_.nowPlaying().count();
}

SongStore* PanelNowPlaying::nowPlayingStore() {
    return &model_.nowPlaying();
}

MyAlbumDb* PanelNowPlaying::albumDb() {
    return model_.albumDb();
}

NextSongResult PanelNowPlaying::nextSong(const NextSongRequest& request) {
    NextSongResult result = PlayNext::run(model_.nowPlaying(), model_.context(), request, model_.albumDb());
    if (onNowPlayingPage()) {
        if (option_ == kFollowPlayedSong)
            listView_->showCurrent(result.position);
        else
            listView_->list().setCurrentRow(result.position);
    }
    lastPlayedText_ = result.storedText;
    const Song* played = model_.nowPlaying().get(result.position);
    // A song that does not play gets no lyrics steps.
    if (played != nullptr && lyrics_ != nullptr && request.hostText.empty() && !result.refused) {
        const Song song = *played;
        lyrics_->played(song);
    }
    return result;
}

int PanelNowPlaying::setPlayState(int playState) {
    SongStore& nowPlaying = model_.nowPlaying();
    Song* current = nowPlaying.get(nowPlaying.current());
    if (current == nullptr)
        return 0;
    current->Play_State = playState;
    showPlayState(*current);
    return 1;
}

void PanelNowPlaying::showPlayState(const Song& current) {
    if (listView_ == nullptr)
        return;
    SongListView& list = listView_->list();
    for (int row = 0; row < list.rowCount(); ++row) {
        Song* shown = list.record(row);
        if (shown != nullptr && shown->view(SongField::Song_ID) == current.text(SongField::Song_ID) &&
            current.text(SongField::Song_ID)[0] != '\0') {
            shown->Play_State = current.Play_State;
            list.refreshRow(row);
        }
    }
    list.viewport()->update();
}

int PanelNowPlaying::clearCurrentMark() {
    model_.nowPlaying().setCurrent(-1);
    if (listView_ != nullptr)
        listView_->list().setCurrentRow(-1);
    return 1;
}

void PanelNowPlaying::selectSong(int index) {
    if (!onNowPlayingPage())
        return;
    // The mini list may have changed the now-playing list: its rows are read anew.
    listView_->showList(model_.nowPlaying(), showPage_->handOver());
    listView_->showCurrent(index);
}

void PanelNowPlaying::notifyStoppedByService() {
    HostSongEntries::stoppedByService(model_.context().box);
}

void PanelNowPlaying::reloadOptions() {
    RegistrySection section(settings::kSectionBase);
    model_.context().codecMode = CodecSetting::read(section);
    if (listView_ == nullptr)
        return;
    SongListView& list = listView_->list();
    for (int row = 0; row < list.rowCount(); ++row)
        list.refreshRow(row);
    list.viewport()->update();
}

int PanelNowPlaying::setLyricsDownload(int value) {
    return lyrics_ != nullptr ? lyrics_->setDownloadOption(value) : 0;
}

void PanelNowPlaying::nowPlayingCleared() {
    if (listView_ == nullptr || model_.state().pageKind != page_kind::kNowPlaying)
        return;
    listView_->dropRows();
    // Whoever clears fills the store again in the same call: the rows follow once it is done.
    QTimer::singleShot(0, listView_, [this] {
        const PageState& s = model_.state();
        if (listView_ != nullptr && s.pageKind == page_kind::kNowPlaying)
            listView_->showList(model_.nowPlaying(), ListHandOver{s.viewMode, s.pageKind, {}, s.header, {}});
    });
}

} // namespace kesto
