#pragma once
// Rows of the per-user state, as the stores hand them to the command handlers.

#include <cstdint>
#include <string>

namespace kesto::service {

enum class CartKind { Song = 1, Album = 2, MusicVideo = 3 };

struct CartItem {
    std::int64_t id = 0;
    CartKind kind = CartKind::Song;
    std::string itemId;
    std::string menuId;
};

struct MyAlbum {
    std::int64_t id = 0;
    std::string name;
    std::int64_t songCount = 0;
};

struct MyAlbumSong {
    std::int64_t albumId = 0;
    std::string songId;
    std::string sourceId;
    std::string added;
};

// State codes of a gift as the sender's gift box shows them: 01 received, 02 waiting,
// 03 cancelled by the service, 04 refused, 05 cancelled by the sender.
inline constexpr char kGiftReceived[] = "01";

struct GiftRow {
    std::int64_t id = 0;
    std::string sender;
    std::string receiver;
    std::string songId;
    std::string message;
    std::string sent;
    std::string received;
    std::string status; // a state code above
};

enum class PurchaseKind { Streaming = 1, Download = 2, Album = 3, RingCut = 4, MusicVideo = 5 };

struct PurchaseRow {
    std::int64_t id = 0;
    PurchaseKind kind = PurchaseKind::Streaming;
    std::string itemId;
    std::string bought;
    std::string expires;
    std::int64_t price = 0;
};

struct ListenRow {
    std::string songId;
    std::int64_t count = 0;
    std::string lastPlayed;
};

} // namespace kesto::service
