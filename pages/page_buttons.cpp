#include "pages/page_buttons.h"

#include "songs/panel_messages.h"

#include <algorithm>
#include <array>
#include <initializer_list>

namespace kesto {

namespace {

// The song buttons, one bit each.
constexpr std::array kSongButtons = {
    cmd::kListen,   cmd::kNothing,        cmd::kBlankButton, cmd::kCart,       cmd::kGift,
    cmd::kDownload, cmd::kDeleteFromCart, cmd::kMyAlbum,     cmd::kMove,       cmd::kPlayList,
    cmd::kBuy,      cmd::kBuy2,           cmd::kToPhone,     cmd::kToMp3Player};

constexpr unsigned bit(int controlId) {
    for (std::size_t i = 0; i < kSongButtons.size(); ++i)
        if (kSongButtons[i] == controlId)
            return 1U << i;
    return 0;
}

constexpr unsigned set(std::initializer_list<int> ids) {
    unsigned mask = 0;
    for (const int id : ids)
        mask |= bit(id);
    return mask;
}

struct Row {
    std::initializer_list<int> kinds;
    unsigned buttons;
};

using namespace cmd;

constexpr unsigned kPlayAndKeep = set({kListen, kMyAlbum, kPlayList, kToPhone, kToMp3Player});
constexpr unsigned kStore = set({kCart, kGift, kDownload, kBuy, kBuy2});

// Page kinds not listed (no song list, device lists kept by the host) act with no song button;
// the "do nothing" and blank buttons act nowhere.
const Row kRows[] = {
    {{1}, kPlayAndKeep | kStore},                          // now playing
    {{2, 3, 4, 5}, kPlayAndKeep | kStore | set({kMove})},  // my albums, on-line and on this PC
    {{6}, kPlayAndKeep},                                   // download storage
    {{7, 8, 9}, kPlayAndKeep | set({kGift, kDownload})},   // purchases
    {{10, 11}, kPlayAndKeep | set({kDownload})},           // gift box
    {{16, 17, 18, 19, 20, 21, 22}, kPlayAndKeep | kStore}, // service lists and search
    {{23}, set({kListen, kGift, kDownload, kDeleteFromCart, kMyAlbum, kPlayList, kBuy, kBuy2})}, // cart
    {{28}, set({kDownload})},                    // ring-tone cuts
    {{29}, set({kDeleteFromCart, kBuy, kBuy2})}, // music video cart
    {{30}, set({kDownload})},                    // music video purchases
};

} // namespace

bool PageButtons::isSongButton(int controlId) {
    return bit(controlId) != 0;
}

bool PageButtons::acts(int pageKind, int controlId) {
    const unsigned mask = bit(controlId);
    if (mask == 0)
        return true;
    return std::ranges::any_of(kRows, [&](const Row& row) {
        return std::ranges::find(row.kinds, pageKind) != row.kinds.end() && (row.buttons & mask) != 0;
    });
}

} // namespace kesto
