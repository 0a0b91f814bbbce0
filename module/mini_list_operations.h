#pragma once
// What the entry table asks of the mini play list window.

#include "include/kesto/panel_api.h"
#include "platform/message_port.h"
#include "songs/next_song.h"

#include <string>
#include <string_view>
#include <vector>

namespace kesto {

class SongStore;

class MiniListOperations {
public:
    virtual ~MiniListOperations() = default;

    virtual bool createWindow(const KestoRect& rect) = 0;
    virtual void destroyWindow() = 0;
    virtual WindowHandle window() const = 0;
    virtual int show(bool visible) = 0; // the previous visibility, 1 or 0

    // Mini mode: the list takes over the panel's now-playing store and gives it back.
    virtual void takeOverNowPlaying(SongStore* store) = 0;
    virtual int currentIndex() const = 0;
    virtual void clearList() = 0;
    virtual void clearCurrentMark() = 0;

    virtual NextSongResult nextSong(const NextSongRequest& request) = 0;
    virtual void listen() = 0;
    virtual void playFiles(const std::vector<std::string>& paths) = 0;
    virtual void importPath(std::string_view path) = 0;
    virtual void addItems(int kind, std::string_view values) = 0;

    virtual void takeText(std::string_view text) = 0;     // entry 33
    virtual void showSongInfo(std::string_view text) = 0; // entry 36
    virtual void setValues(int a, int b, int c, int d) = 0;
    virtual void reload() = 0;
    // The list's window and screen rectangle when visible, else null.
    virtual WindowHandle listWindow(KestoRect& screenRect) const = 0;
};

} // namespace kesto
