#include "columns/default_column_sets.h"

#include "columns/column_kind.h"
#include "platform/cp949.h"

#include <array>
#include <string>

namespace kesto {
namespace {

struct Def {
    const char* titleUtf8;
    int width;
    int kind;
};

constexpr Def kState{"", 30, col::kPlayState};
constexpr Def kCheck{"", 27, col::kCheck};
constexpr Def kNo{"No.", 40, col::kNumber};
constexpr Def kLyrics{"가사", 40, col::kLyrics};
constexpr Def kSong{"곡명", 120, col::kSongName};
constexpr Def kTime{"시간", 80, col::kPlayTime};
constexpr Def kArtist{"아티스트", 100, col::kArtist};
constexpr Def kAlbum{"앨범명", 110, col::kAlbum};
constexpr Def kDown{"다운", 38, col::kDownload};
constexpr Def kDeco{"폰꾸미기", 60, col::kPhoneDeco};
constexpr Def kFormat{"형식", 50, col::kFormat};
constexpr Def kAdded{"담은시각", 120, col::kAddedTime};
constexpr Def kExpiry{"만료시각", 120, col::kExpiry};
constexpr Def kBought{"구매시각", 120, col::kPurchaseTime};
constexpr Def kSong300{"곡명", 300, col::kSongName};
constexpr Def kMvName{"뮤비명", 120, col::kMvName};
constexpr Def kCast{"출연진", 150, col::kCast};
constexpr Def kMvSize{"용량", 80, col::kMvSize};

std::vector<ColumnInfo> build(const std::vector<Def>& defs) {
    std::vector<ColumnInfo> set;
    set.reserve(defs.size());
    for (const Def& def : defs)
        set.push_back(ColumnInfo::make(static_cast<std::uint16_t>(set.size()), Cp949::fromUtf8(def.titleUtf8),
                                       def.width, def.kind));
    return set;
}

std::array<std::vector<ColumnInfo>, 24> buildAll() {
    const std::vector<Def> a10 = {kState, kCheck, kNo, kLyrics, kSong, kTime, kArtist, kAlbum, kDown, kDeco};
    auto first10 = [&](Def extra) {
        std::vector<Def> defs(a10);
        defs.push_back(extra);
        return defs;
    };
    std::array<std::vector<ColumnInfo>, 24> sets;
    sets[0] = build(first10(kFormat)); // A
    sets[1] = build(first10(kAdded));  // B
    // C: A's first eight columns, then format, quality, added and expiry times.
    sets[2] = build({kState,
                     kCheck,
                     kNo,
                     kLyrics,
                     kSong,
                     kTime,
                     kArtist,
                     kAlbum,
                     kFormat,
                     {"음질", 50, col::kQuality},
                     kAdded,
                     kExpiry});
    // D: C with a wider quality column.
    sets[3] = sets[2];
    sets[3][9].width = 100;
    sets[4] = build({kState,
                     kCheck,
                     kNo,
                     {"파일명", 120, col::kFileName},
                     kArtist,
                     kFormat, // E
                     {"용량", 80, col::kSize},
                     {"음질", 115, col::kQuality},
                     {"수정한 날짜", 120, col::kModifiedTime}});
    sets[5] = build(first10(kBought)); // F
    {
        std::vector<Def> g = first10(kBought); // G
        g.push_back(kExpiry);
        sets[6] = build(g);
    }
    sets[7] = build({kState,
                     kCheck,
                     kNo,
                     kLyrics,
                     kSong,
                     kArtist,
                     kAlbum, // H
                     {"구매일", 120, col::kPurchaseDate}});
    sets[8] = build({kNo,
                     kSong,
                     {"아티스트", 140, col::kArtist},
                     kAlbum,
                     {"구간", 80, col::kSection}, // I
                     {"다운로드일", 80, col::kDownloadDate},
                     {"무료다운로드기간", 120, col::kFreeDownloadPeriod},
                     {"재전송", 50, col::kResend}});
    sets[9] = build({kState,
                     kCheck,
                     kNo,
                     kLyrics,
                     {"보낸사람", 120, col::kSender}, // J
                     {"메시지", 50, col::kMessage},
                     {"곡명", 80, col::kSongName},
                     kTime,
                     kArtist,
                     kAlbum,
                     {"받은시각", 120, col::kReceivedTime}});
    sets[10] = build({kState,
                      kCheck,
                      kNo,
                      kLyrics,
                      {"받는사람", 120, col::kReceiver}, // K
                      {"메시지", 50, col::kMessage},
                      {"곡명", 80, col::kSongName},
                      kTime,
                      kArtist,
                      kAlbum,
                      {"보낸시각", 120, col::kSentTime},
                      {"보낸 선물상태", 120, col::kGiftState}});
    sets[11] = build({kNo, kSong300, kTime, kExpiry});                                 // L
    sets[12] = build({kNo, kSong300, kTime, {"출처", 80, col::kSourceMark}, kExpiry}); // M
    sets[13] = build({kNo, kSong300, kTime});                                          // N
    sets[14] = build({kNo, kSong300, kTime, {"출처", 80, col::kSourceMark}});          // O
    sets[15] = build({kState,
                      kCheck,
                      kNo,
                      {"파일명", 300, col::kSongName},
                      kFormat, // P
                      {"용량", 80, col::kSize},
                      {"만료일", 100, col::kExpiry},
                      {"수정한 날짜", 120, col::kModifiedTime}});
    sets[16] = build({kState,
                      kCheck,
                      kNo,
                      kLyrics,
                      kSong,
                      {"MV", 50, col::kMusicVideo},
                      kTime,
                      kArtist, // Q
                      kAlbum,
                      kDown,
                      kDeco});
    sets[17] = build(first10({"마지막 플레이시각", 120, col::kLastPlayTime})); // R
    sets[18] = build(first10({"들은횟수", 50, col::kListenCount}));            // S
    sets[19] = build({kState,
                      kCheck,
                      kNo,
                      {"장바구니 목록", 120, col::kSongName},
                      kArtist, // T
                      {"앨범명", 115, col::kAlbum},
                      kDown});
    sets[20] = build({kState,
                      kCheck,
                      kNo,
                      kLyrics,
                      {"Rank", 50, col::kRankChange},
                      kSong,
                      kTime, // U
                      kArtist,
                      kAlbum,
                      kDown,
                      kDeco});
    sets[21] = build({kState, kNo, kMvName, kArtist, kCast, {"다운", 60, col::kMvDownload}, kMvSize}); // V
    sets[22] = build({kState,
                      kNo,
                      kMvName,
                      kArtist,
                      kCast,
                      {"재전송", 60, col::kMvResend},
                      kMvSize, // W
                      {"구입일", 120, col::kPurchaseDate}});
    sets[23] =
        build({kNo, {"곡명", 120, col::kSongName}, kTime, {"출처", 80, col::kSourceText}, kExpiry}); // X
    return sets;
}

// Page kind 0 to 31 -> set letter; 0 where a kind has no default set.
constexpr std::array<char, 32> kLetters = {0,   'A', 'B', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'J',
                                           'K', 'L', 'M', 'P', 0,   'Q', 'R', 'S', 'U', 'Q', 'Q',
                                           'Q', 'T', 'N', 'O', 0,   0,   'I', 'V', 'W', 'X'};

const std::vector<ColumnInfo>& empty() {
    static const std::vector<ColumnInfo> none;
    return none;
}

} // namespace

const std::vector<ColumnInfo>& DefaultColumnSets::byLetter(char letter) {
    static const std::array<std::vector<ColumnInfo>, 24> sets = buildAll();
    if (letter < 'A' || letter > 'X')
        return empty();
    return sets[static_cast<std::size_t>(letter - 'A')];
}

char DefaultColumnSets::letterOf(int pageKind) {
    if (pageKind < 0 || pageKind >= static_cast<int>(kLetters.size()))
        return 0;
    return kLetters[static_cast<std::size_t>(pageKind)];
}

const std::vector<ColumnInfo>& DefaultColumnSets::forPageKind(int pageKind) {
    const char letter = letterOf(pageKind);
    return letter == 0 ? empty() : byLetter(letter);
}

const std::vector<ColumnInfo>& DefaultColumnSets::miniList() {
    static const std::vector<ColumnInfo> set = build({{"", 0, col::kNumber},
                                                      {"", 15, col::kCheck},
                                                      {"곡명", 225, col::kSongName},
                                                      {"", 22, col::kLyrics},
                                                      {"", 18, col::kPhoneDeco},
                                                      {"시간", 45, col::kMiniTime}});
    return set;
}

} // namespace kesto
