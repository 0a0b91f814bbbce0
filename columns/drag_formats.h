#pragma once
// The formats songs are dragged under, by name, so that every list of this process speaks
// them: which one a drag offers (by the page, and on the now-playing page by what the dragged
// songs are), and which ones carry songs that a list target may take.

#include "songs/song.h"

#include <array>
#include <span>
#include <string_view>

namespace kesto {

class DragFormats {
public:
    static constexpr std::string_view kGeneral = "KestoDragDropFormat"; // taken, never offered here
    static constexpr std::string_view kOneItem = "KestoDragDropOneItem";
    static constexpr std::string_view kAlbum = "DragDropAlbum";
    static constexpr std::string_view kPlayList = "DragDropPlayList";
    static constexpr std::string_view kTempPlay = "DragDropTempPlay";
    static constexpr std::string_view kMp3Play = "DragDropMp3Play";
    static constexpr std::string_view kMp3Bell = "DragDropMp3Bell";
    static constexpr std::string_view kPurchaseList = "DragDropPurchaseList";
    static constexpr std::string_view kCart = "DragDropCart";
    static constexpr std::string_view kMiniList = "DragDropMiniList"; // the mini play list's own
    // The page kind whose format a drag of now-playing songs offers.
    static constexpr int kNowPlayingPage = 1;

    static constexpr std::array<std::string_view, 10> kAll = {kGeneral,  kOneItem, kAlbum,   kPlayList,
                                                              kTempPlay, kMp3Play, kMp3Bell, kPurchaseList,
                                                              kCart,     kMiniList};
    // Formats whose songs a list target weighs by its page.
    static constexpr std::array<std::string_view, 5> kSongFormats = {kGeneral, kPlayList, kAlbum, kMp3Play,
                                                                     kTempPlay};
    // A drop reads the songs under the first of these the data carries.
    static constexpr std::array<std::string_view, 5> kPayloadOrder = {kTempPlay, kAlbum, kPlayList, kMp3Play,
                                                                      kGeneral};
    // Formats (besides a file list) that make the first answer of a target copy.
    static constexpr std::array<std::string_view, 4> kEnterCopy = {kGeneral, kPlayList, kAlbum, kOneItem};

    // No drag starts on the device lists.
    static bool dragStarts(int pageKind);
    // The one format a drag of these records from the page offers; empty for no records.
    static std::string_view offeredBy(int pageKind, std::span<const Song* const> records);
    static bool isSongFormat(std::string_view format);
    static bool isOurs(std::string_view format);
};

} // namespace kesto
