#pragma once
// The panel's now-playing store as the entries reach it: the next song, the play state and
// current mark on the rows that show it, the played text, the options and the mini-mode flag.
// It lives as long as the panel; the list view is attached while the window exists.

#include "module/now_playing_operations.h"
#include "pages/panel_model.h"

namespace kesto {

class ListViewArea;
class PlayedSongLyrics;
class ShowPage;
class Song;

class PanelNowPlaying final : public NowPlayingOperations {
public:
    explicit PanelNowPlaying(PanelModel& model) : model_(model) {}
    ~PanelNowPlaying() override { detach(); }
    PanelNowPlaying(const PanelNowPlaying&) = delete;
    PanelNowPlaying& operator=(const PanelNowPlaying&) = delete;

    // The window's list view and its page maker.
    void attach(ListViewArea* listView, const ShowPage* showPage);
    void detach();
    // The played song's lyrics, kept from the first window on.
    void setLyrics(PlayedSongLyrics* lyrics) { lyrics_ = lyrics; }

    int nowPlayingCount() const override;
    SongStore* nowPlayingStore() override;
    MyAlbumDb* albumDb() override;
    NextSongResult nextSong(const NextSongRequest& request) override;
    std::string lastPlayedText() const override { return lastPlayedText_; }
    void keepPlayedText(const std::string& text) override { lastPlayedText_ = text; }
    int setPlayState(int state) override;
    int clearCurrentMark() override;
    void selectSong(int index) override;
    void notifyStoppedByService() override;
    bool miniModeFlag() const override { return miniMode_; }
    void setMiniModeFlag(bool on) override { miniMode_ = on; }
    int option() const override { return option_; }
    void setOption(int value) override { option_ = value; }
    void reloadOptions() override;
    int setLyricsDownload(int value) override;

private:
    // Entry 25's state on every row of the shown list that holds the song.
    void showPlayState(const Song& current);
    // The now-playing store is being cleared: its page's rows let go of the records.
    void nowPlayingCleared();
    bool onNowPlayingPage() const;

    PanelModel& model_;
    ListViewArea* listView_ = nullptr;
    const ShowPage* showPage_ = nullptr;
    PlayedSongLyrics* lyrics_ = nullptr;
    int clearHook_ = 0; // of the now-playing store's clear hooks
    std::string lastPlayedText_;
    bool miniMode_ = false;
    int option_ = 0;
};

} // namespace kesto
