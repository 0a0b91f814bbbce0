#pragma once
// List codes the service puts in list headers (at most five characters: they become the rows'
// menu ids). Chart codes come from the catalogue; "238" is the MP3-bell list.

namespace kesto::service::list_codes {

inline constexpr const char* kRecent = "00201";
inline constexpr const char* kOften = "00202";
inline constexpr const char* kAlbum = "00301";
inline constexpr const char* kArtist = "00302";
inline constexpr const char* kTheme = "00303";
inline constexpr const char* kSearch = "00304";
inline constexpr const char* kMyAlbum = "00401";
inline constexpr const char* kPurchase = "00501";
inline constexpr const char* kRingCut = "00540";
inline constexpr const char* kReceivedGift = "00601";
inline constexpr const char* kSentGift = "00701";
inline constexpr const char* kCartForMv = "00971";
inline constexpr const char* kMvPurchase = "00961";
inline constexpr const char* kMp3Bell = "238";

inline constexpr const char* kRecentWord = "recent";
inline constexpr const char* kOftenWord = "often";

} // namespace kesto::service::list_codes
