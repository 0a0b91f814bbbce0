#pragma once
// The list pages: every menu id the host can choose, the page kind it shows and, for pages the
// panel fetches itself, how the list request is formed. Requests and column sets are built
// from this one table.

#include "include/kesto/panel_api.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace kesto {

// Menu ids the panel treats on their own.
namespace menu {
inline constexpr int kNowPlaying = KESTO_MENU_NOW_PLAYING;
inline constexpr int kServiceList = KESTO_MENU_SERVICE_LIST;
inline constexpr int kNoChange = 2000; // show page ends without a change
inline constexpr int kOnlineAlbums = KESTO_MENU_ONLINE_ALBUMS;
inline constexpr int kOnlineAlbum = 2200;
inline constexpr int kDownloadStorage = KESTO_MENU_DOWNLOAD_STORAGE;
inline constexpr int kFirstDevice = 3100;
inline constexpr int kLastDevice = 3600;
inline constexpr int kLocalAlbums = KESTO_MENU_LOCAL_ALBUMS;
inline constexpr int kLocalAlbum = KESTO_MENU_LOCAL_ALBUM;
inline constexpr int kSearch = 8000;
inline constexpr int kCart = 9000;
} // namespace menu

// Page kinds that code tests by number.
namespace page_kind {
inline constexpr int kNowPlaying = 1;
inline constexpr int kLocalMyAlbum = 4; // the local my albums and their songs
inline constexpr int kFolder = 6;       // the download storage folder
inline constexpr int kSentGifts = 11;
inline constexpr int kFirstChart = 17;
inline constexpr int kLastChart = 19;
inline constexpr int kSearch = 22;
inline constexpr int kCart = 23;
inline constexpr int kMusicVideoCart = 29;
} // namespace page_kind

// Where a page's songs come from.
enum class PageSource : std::uint8_t {
    Server,   // the panel sends the page's list request
    Link,     // a link of the web view forms the request (its items, not the page's)
    PageOnly, // the page asks nothing; the web view shows it
    Local,    // this PC: the now-playing list, the download storage, local albums
    Device,   // kept by the host; never reaches the server
};

// One field of a request body after the user id and the u_key.
struct BodyItem {
    enum class Kind : std::uint8_t { Text, MenuParameter };
    Kind kind = Kind::Text;
    std::string_view text; // Kind::Text only
};

struct ListPage {
    int menuId = 0;
    int pageKind = 0;
    PageSource source = PageSource::Local;
    // Command word after the endpoint ("kestoSong"); empty when the page sends nothing.
    std::string_view command;
    // True when the command goes to the search endpoint rather than the protocol endpoint.
    bool searchEndpoint = false;
    std::array<BodyItem, 1> items{};
    std::uint8_t itemCount = 0;
    bool pageNumber = false;    // the page number in decimal follows the items
    bool trailingEmpty = false; // one empty field closes the body

    std::span<const BodyItem> bodyItems() const { return {items.data(), itemCount}; }
    bool sendsListRequest() const { return source == PageSource::Server && pageNumber; }
};

class ListPages {
public:
    // The page of a menu id, or null for ids outside the table.
    static const ListPage* find(int menuId);
    // The page kind of a menu id; 0 (no song list) for ids outside the table.
    static int pageKindOf(int menuId);
    // The list page a service command word asks for, as a link names it: the page whose first
    // body item is that item, else the first page of the word; null when no page sends it.
    static const ListPage* findByCommand(std::string_view command, std::string_view firstItem);
    static std::span<const ListPage> all();
};

} // namespace kesto
