#pragma once
// What the entry table asks of the list panel: the life of its window, and the parts that own
// each concern (the now-playing store, local files, pages, song commands, the list control).
// The panel subsystem implements it; the module state holds the one instance while the panel
// exists.

#include "include/kesto/panel_api.h"
#include "platform/message_port.h"

#include <string>

namespace kesto {

class ListControlOperations;
class LocalFileOperations;
class NowPlayingOperations;
class PageOperations;
class SongOperations;

class PanelOperations {
public:
    virtual ~PanelOperations() = default;

    // Life of the window (entries 16 to 20).
    virtual bool createWindow(WindowHandle parent, const KestoRect& rect, bool noBlank) = 0;
    virtual void destroyWindow() = 0;
    virtual int setWindowPos(WindowHandle insertAfter, int x, int y, int cx, int cy, unsigned flags) = 0;
    virtual void moveWindow(int x, int y, int cx, int cy, bool repaint) = 0;
    virtual WindowHandle window() const = 0; // null while there is no window

    // The page kind shown, and the pending flag a new page choice clears.
    virtual int pageKind() const = 0;
    virtual void clearPagePending() = 0;
    virtual std::string serverTime() = 0;
    virtual void startPromotion() = 0;
    // Whether a download or other work is still under way.
    virtual bool hasPendingWork() const = 0;

    // The parts, each by its concern. Pages, song commands and the list control exist only
    // with the window (null without one).
    virtual NowPlayingOperations& nowPlaying() = 0;
    virtual LocalFileOperations& localFiles() = 0;
    virtual PageOperations* pages() = 0;
    virtual SongOperations* songs() = 0;
    virtual ListControlOperations* listControl() = 0;
};

} // namespace kesto
