#pragma once
// What a row of the mini list opens: the song's lyrics in the song-text window (which the host
// makes when it is absent), and the song's information and phone-decoration pages through the
// host.

#include "pages/message_shapes.h"

#include <functional>

namespace kesto {

class ModuleState;
class RegistryKey;
class Song;
class SongListView;
struct ProtocolContext;

struct MiniSongPageParts {
    ModuleState* module = nullptr;
    RegistryKey* settings = nullptr;
    // Read when used: the exchanges' context, the list while the window exists.
    std::function<ProtocolContext&()> protocol;
    std::function<SongListView*()> list;
};

class MiniSongPages {
public:
    explicit MiniSongPages(MiniSongPageParts parts) : p_(std::move(parts)) {}

    void showLyrics(ListRow row);
    void songInformation(ListRow row);
    void phoneDecoPage(ListRow row);
    // Shows the song's lyrics page in the song-text window, when there is one.
    void follow(const Song& song);

private:
    const Song* record(ListRow row) const;
    // The host makes the song-text window when it is absent (asked through its service table);
    // the window then goes where it was kept.
    void openSongText();

    MiniSongPageParts p_;
};

} // namespace kesto
