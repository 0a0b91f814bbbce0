#pragma once
// What a column shows. The numbers are stored in the settings tree as key names, so they never change.

namespace kesto::col {

inline constexpr int kPlayState = 1;
inline constexpr int kCheck = 2;
inline constexpr int kNumber = 3;
inline constexpr int kSongName = 4;
inline constexpr int kPlayTime = 5;
inline constexpr int kArtist = 6;
inline constexpr int kAlbum = 7;
inline constexpr int kDownload = 8;
inline constexpr int kPhoneDeco = 9;
inline constexpr int kFormat = 10;
inline constexpr int kQuality = 11;
inline constexpr int kSourceText = 12;
inline constexpr int kAddedTime = 13;
inline constexpr int kExpiry = 14;
inline constexpr int kModifiedTime = 15;
inline constexpr int kFileName = 16;
inline constexpr int kSize = 17;
inline constexpr int kPurchaseTime = 18;
inline constexpr int kMessage = 19;
inline constexpr int kSentTime = 20;
inline constexpr int kReceivedTime = 21;
inline constexpr int kLastPlayTime = 22;
inline constexpr int kListenCount = 23;
inline constexpr int kSender = 24;
inline constexpr int kReceiver = 25;
inline constexpr int kPurchaseDate = 26;
inline constexpr int kCount = 27;
inline constexpr int kRankChange = 28;
inline constexpr int kMusicVideo = 29;
inline constexpr int kLyrics = 30;
inline constexpr int kSourceMark = 31;
inline constexpr int kMiniSong = 32;
inline constexpr int kMiniTime = 33;
inline constexpr int kDownloadDate = 34;
inline constexpr int kFreeDownloadPeriod = 35;
inline constexpr int kResend = 36;
inline constexpr int kSection = 37;
inline constexpr int kGiftState = 38;
inline constexpr int kCast = 39;
inline constexpr int kMvName = 40;
inline constexpr int kMvSize = 41;
inline constexpr int kMvDownload = 42;
inline constexpr int kMvResend = 43;

inline constexpr int kFirst = kPlayState;
inline constexpr int kLast = kMvResend;

// Kinds whose cell is an icon, a check box or a button rather than text.
constexpr bool isIconKind(int kind) {
    switch (kind) {
    case kPlayState:
    case kCheck:
    case kDownload:
    case kPhoneDeco:
    case kMessage:
    case kMusicVideo:
    case kLyrics:
    case kResend:
    case kMvDownload:
    case kMvResend:
        return true;
    default:
        return false;
    }
}

} // namespace kesto::col
