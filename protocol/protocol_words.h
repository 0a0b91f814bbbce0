#pragma once
// The protocol's fixed texts and numbers: separators, endpoint paths, command words and the
// result codes that mean the log-in is no longer valid.

#include <string_view>

namespace kesto::proto {

// Field separator of bodies and replies; ';' separates the items of a link parameter.
inline constexpr char kVt = '\x0b';
inline constexpr char kLinkItemSeparator = ';';

inline constexpr std::string_view kProtocolPath = "/protocol.jsp?";
inline constexpr std::string_view kSearchPath = "/protocol_search.jsp?";

// Command words.
inline constexpr std::string_view kServerTime = "serverTime";
inline constexpr std::string_view kSearch = "search";
inline constexpr std::string_view kSong = "song";
inline constexpr std::string_view kAlbum = "album";
inline constexpr std::string_view kArtist = "artist";
inline constexpr std::string_view kKestoSong = "kestoSong";
inline constexpr std::string_view kTheme = "theme";
inline constexpr std::string_view kAddToCart = "addToCart";
inline constexpr std::string_view kDeleteFromCart = "deleteFromCart";
inline constexpr std::string_view kPromotion = "promotion";
inline constexpr std::string_view kStreaming = "streaming";
inline constexpr std::string_view kStreamingWithLyrics = "getstnlyricsinfo2";
inline constexpr std::string_view kAddSongToMyAlbum = "addSongToMyAlbum";
inline constexpr std::string_view kDeleteSongFromMyAlbum = "deleteSongFromMyAlbum";
inline constexpr std::string_view kMyAlbum = "myAlbum";
inline constexpr std::string_view kMyAlbumSource = "myAlbumSource";

// Purchase exchanges.
inline constexpr std::string_view kAuthInfo = "authinfo";
inline constexpr std::string_view kCash = "cash";
inline constexpr std::string_view kBuy = "buy";
inline constexpr std::string_view kSms = "sms";
inline constexpr std::string_view kExternalPoint = "externalpoint";
inline constexpr std::string_view kGift = "gift";
inline constexpr std::string_view kPrice = "price";
inline constexpr std::string_view kPriceForDirectBuy = "priceForDirectBuy";

// Result codes after which the host learns that the log-in is no longer valid.
inline constexpr int kCodeSessionExpired = -20000;
inline constexpr int kCodeDoubleLogin = -10104;

// Handed to the host in place of the play results when the log-in is in use elsewhere.
inline constexpr std::string_view kDoubleLoginMarker = "$$$DOUBLELOGIN$$$";

// UpdateCODEC value that selects the play command with lyrics information.
inline constexpr int kCodecWithLyrics = 2;

// Menu ids that list replies of the link-driven commands are shown under.
inline constexpr int kMenuSearch = 8000;
inline constexpr int kMenuAlbum = 2700;
inline constexpr int kMenuArtist = 9100;
inline constexpr int kMenuServiceList = 2600;
inline constexpr int kMenuTheme = 2800;
inline constexpr int kMenuCart = 9000;

} // namespace kesto::proto
