#pragma once
// What the entries ask of the panel's now-playing store, its playing marks and its options.

#include "songs/next_song.h"

#include <string>

namespace kesto {

class MyAlbumDb;
class SongStore;

class NowPlayingOperations {
public:
    virtual ~NowPlayingOperations() = default;

    virtual int nowPlayingCount() const = 0;
    virtual SongStore* nowPlayingStore() = 0;
    // Where played album songs are counted, also from the mini list; null without a database.
    virtual MyAlbumDb* albumDb() = 0;
    virtual NextSongResult nextSong(const NextSongRequest& request) = 0;
    virtual std::string lastPlayedText() const = 0;
    // What the mini list handed the host for its last song, for entry 10 in mini mode too.
    virtual void keepPlayedText(const std::string& text) = 0;
    virtual int setPlayState(int state) = 0;
    virtual int clearCurrentMark() = 0;
    // Marks the song at index on the now-playing page, its rows read anew: when mini mode ends
    // and whenever the mini list changed the now-playing list.
    virtual void selectSong(int index) = 0;
    // Entry 41: the service stopped the playing.
    virtual void notifyStoppedByService() = 0;

    // Mini-mode flag and options.
    virtual bool miniModeFlag() const = 0;
    virtual void setMiniModeFlag(bool on) = 0;
    virtual int option() const = 0;
    virtual void setOption(int value) = 0;
    virtual void reloadOptions() = 0;
    virtual int setLyricsDownload(int value) = 0;
};

} // namespace kesto
