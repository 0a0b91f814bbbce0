#include "columns/drag_formats.h"

#include <algorithm>

namespace kesto {

namespace {

bool among(std::initializer_list<int> kinds, int pageKind) {
    return std::find(kinds.begin(), kinds.end(), pageKind) != kinds.end();
}

// Local files that play in a play list: mp3, dcf and ogg.
bool playListFile(const Song& song) {
    return song.isLocal() && among({0, 3, 4, 6}, song.File_Format);
}

std::string_view nowPlayingFormat(std::span<const Song* const> records) {
    std::size_t streaming = 0;
    std::size_t local = 0;
    for (const Song* song : records) {
        if (song->isStreaming())
            ++streaming;
        else if (playListFile(*song))
            ++local;
    }
    if (streaming == records.size())
        return DragFormats::kAlbum;
    if (local == records.size())
        return DragFormats::kPlayList;
    if (streaming + local == records.size())
        return DragFormats::kTempPlay;
    return DragFormats::kMp3Play;
}

} // namespace

bool DragFormats::dragStarts(int pageKind) {
    return !among({12, 13, 14, 24, 25, 31}, pageKind);
}

std::string_view DragFormats::offeredBy(int pageKind, std::span<const Song* const> records) {
    if (records.empty())
        return {};
    if (pageKind == kNowPlayingPage)
        return nowPlayingFormat(records);
    if (among({2, 3, 7, 8, 11, 16, 17, 18, 19, 21, 22}, pageKind))
        return kAlbum;
    if (among({4, 5, 6}, pageKind))
        return kPlayList;
    if (pageKind == 9)
        return kMp3Bell;
    if (pageKind == 10)
        return kPurchaseList;
    if (pageKind == 23)
        return kCart;
    return kOneItem;
}

bool DragFormats::isSongFormat(std::string_view format) {
    return std::find(kSongFormats.begin(), kSongFormats.end(), format) != kSongFormats.end();
}

bool DragFormats::isOurs(std::string_view format) {
    return std::find(kAll.begin(), kAll.end(), format) != kAll.end();
}

} // namespace kesto
