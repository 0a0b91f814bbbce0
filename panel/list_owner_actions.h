#pragma once
// What the panel does for its song list beyond showing it: a tick on the now-playing page
// marks the matching now-playing entry, a sort brings the now-playing store into the new row
// order, menu items are greyed by the chosen songs, and the menu's put-into, load and clear
// commands reach the song commands and pages.

#include "platform/message_port.h"
#include "songs/song.h"

#include <functional>
#include <vector>

namespace kesto {

class SongListView;
class SongCommands;
class SongDrops;
class SongStore;

struct ListOwnerParts {
    SongStore* nowPlaying = nullptr;
    std::function<SongListView*()> list;
    std::function<int()> pageKind;
    std::function<SongCommands*()> songs;
    std::function<SongDrops*()> drops; // cut and paste
    // Shows a menu id in a view mode; drops the rows before a store they point into changes.
    std::function<void(int menuId, int viewMode)> showPage;
    std::function<void()> dropRows;
    // Entry 21 and 22 values: the host's skin type and whether the playing row is marked.
    std::function<int()> skinValue;
    std::function<int()> markingValue;
};

class ListOwnerActions {
public:
    static constexpr int kLoadPlayList = 1;
    static constexpr int kLoadMyAlbum = 2;
    static constexpr int kLoadViewMode = 4;
    static constexpr int kOnlineAlbumViewMode = 2;
    static constexpr int kReceivedGifts = 10; // page kind

    explicit ListOwnerActions(ListOwnerParts parts) : p_(std::move(parts)) {}

    void checkChanged(int row, bool checked);
    void rowsSorted();
    bool commandEnabled(int commandId) const;
    void putInto(int commandId, const std::vector<Song*>& records);
    // Cut, copy or paste by the list's command id.
    void clipboard(int commandId);
    void loadList(int which);
    void clearNowPlaying();
    // Delete on the now-playing page: the ticked songs leave the list, nothing else.
    void deleteFromNowPlaying();
    // 0 (never set by the host) reads as skin 1.
    int skinType() const;
    bool currentMarking() const;

private:
    bool onNowPlayingPage() const;
    bool onGiftBoxPage() const;

    ListOwnerParts p_;
};

} // namespace kesto
