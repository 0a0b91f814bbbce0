#include "columns/cell_formatter.h"

#include "columns/column_kind.h"
#include "platform/cp949.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <strings.h>

namespace kesto {
namespace {

// "%02d" of a non-negative number.
std::string pad2(long long value) {
    std::string text = std::to_string(value);
    return text.size() < 2 ? "0" + text : text;
}

// Korean texts, converted once to the code page the cells hold.
struct Texts {
    std::string songsSuffix = Cp949::fromUtf8(" 곡, ");
    std::string freeClub = Cp949::fromUtf8("프리클럽 해지월까지");
    std::string entered = Cp949::fromUtf8("진입");
    std::string up = Cp949::fromUtf8("↑ ");
    std::string down = Cp949::fromUtf8("↓ ");
    std::array<std::string, 5> giftStates = {Cp949::fromUtf8("받음"), Cp949::fromUtf8("대기"),
                                             Cp949::fromUtf8("자동취소"), Cp949::fromUtf8("거부"),
                                             Cp949::fromUtf8("취소")};
};

const Texts& texts() {
    static const Texts converted;
    return converted;
}

bool iequals(std::string_view a, std::string_view b) {
    return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

// Integer at the start of a text, as atoi reads it.
int leadingInt(std::string_view text) {
    std::string copy(text);
    return std::atoi(copy.c_str());
}

std::string_view fileNameOf(std::string_view path) {
    const std::size_t cut = path.find_last_of("/\\");
    return cut == std::string_view::npos ? path : path.substr(cut + 1);
}

} // namespace

std::string CellFormatter::playTime(int seconds) {
    if (seconds < 0)
        seconds = 0;
    const std::string minSec = pad2(seconds / 60 % 60) + ":" + pad2(seconds % 60);
    if (seconds >= 3600)
        return pad2(seconds / 3600) + ":" + minSec;
    return pad2(seconds / 60) + ":" + pad2(seconds % 60);
}

std::string CellFormatter::listTotal(int count, long long seconds) {
    if (seconds < 0)
        seconds = 0;
    return std::to_string(count) + texts().songsSuffix + pad2(seconds / 3600) + ":" +
           pad2(seconds / 60 % 60) + ":" + pad2(seconds % 60);
}

std::string CellFormatter::dateTime(std::string_view s) {
    if (s.size() >= 14)
        return std::string(s.substr(0, 4)) + "-" + std::string(s.substr(4, 2)) + "-" +
               std::string(s.substr(6, 2)) + " " + std::string(s.substr(8, 2)) + ":" +
               std::string(s.substr(10, 2)) + ":" + std::string(s.substr(12, 2));
    if (s.size() >= 8)
        return std::string(s.substr(0, 4)) + "-" + std::string(s.substr(4, 2)) + "-" +
               std::string(s.substr(6, 2));
    return std::string(s);
}

std::string CellFormatter::fileFormat(int code) {
    static constexpr const char* kNames[] = {"mp3", "aac", "skm", "dcf", "dcf",
                                             "wma", "ogg", "wav", "asf", "bell"};
    if (code < 0 || code > 9)
        return {};
    return kNames[code];
}

std::string CellFormatter::quality(const Song& record) {
    const std::string_view flags = record.text(SongField::Quality_Flags);
    if (flags.size() > 5) {
        if (flags[0] == '1')
            return "128 kbps";
        if (flags[1] == '1')
            return "192 kbps";
        if (flags[2] == '1')
            return "64 kbps";
        return {};
    }
    return std::to_string(record.Bitrate / 1000) + "  kbps";
}

std::string CellFormatter::expiry(const Song& record, int pageKind) {
    const std::string_view stamp = record.text(SongField::Expire_Date);
    const bool devicePage = pageKind == 12 || pageKind == 13 || pageKind == 14 || pageKind == 24 ||
                            pageKind == 25 || pageKind == 31;
    if (!devicePage && record.File_Format == 4)
        return stamp.starts_with("2099") ? std::string() : texts().freeClub;
    return dateTime(stamp);
}

std::string CellFormatter::size(std::int32_t bytes, bool singleRow) {
    const double megabytes = static_cast<double>(bytes) / 1048576.0;
    char buffer[48];
    if (singleRow)
        std::snprintf(buffer, sizeof buffer, "%1.2fM", megabytes);
    else
        std::snprintf(buffer, sizeof buffer, "%1.2f MB", megabytes);
    return buffer;
}

std::string CellFormatter::rankChange(std::string_view rankText, RankTrend* trend) {
    RankTrend result = RankTrend::None;
    std::string text;
    if (iequals(rankText, "NEW")) {
        result = RankTrend::New;
        text = texts().entered;
    } else if (!iequals(rankText, "NO")) {
        const int n = leadingInt(rankText);
        if (n == 0) {
            result = RankTrend::Same;
            text = " - ";
        } else if (n > 0) {
            result = RankTrend::Up;
            text = texts().up + std::to_string(n);
        } else {
            result = RankTrend::Down;
            text = texts().down + std::to_string(n);
        }
    }
    if (trend != nullptr)
        *trend = result;
    return text;
}

std::string CellFormatter::section(std::string_view start, std::string_view end) {
    auto minSec = [](std::string_view text) {
        const int seconds = std::max(0, leadingInt(text));
        return pad2(seconds / 60 % 60) + ":" + pad2(seconds % 60);
    };
    return minSec(start) + "/" + minSec(end);
}

std::string CellFormatter::giftState(std::string_view code) {
    if (code.size() != 2 || code[0] != '0' || code[1] < '1' || code[1] > '5')
        return {};
    return texts().giftStates[static_cast<std::size_t>(code[1] - '1')];
}

std::string CellFormatter::dateOf(int kind, const Song& r) {
    auto either = [](const char* first, const char* second) { return first[0] != '\0' ? first : second; };
    switch (kind) {
    case col::kAddedTime:
        return dateTime(either(r.text(SongField::Added_Date), r.text(SongField::Date_1)));
    case col::kModifiedTime:
        return dateTime(r.text(SongField::Modified_Date));
    case col::kPurchaseTime:
    case col::kPurchaseDate:
        return dateTime(either(r.text(SongField::Purchase_Time), r.text(SongField::Date_1)));
    case col::kSentTime:
    case col::kReceivedTime:
        return dateTime(either(r.text(SongField::Date_2), r.text(SongField::Date_1)));
    case col::kLastPlayTime:
        return dateTime(r.text(SongField::Last_Play_Time));
    case col::kDownloadDate:
        return dateTime(r.text(SongField::Download_Date));
    case col::kFreeDownloadPeriod:
        return dateTime(r.text(SongField::Free_Download_Period));
    default:
        return {};
    }
}

std::string CellFormatter::songName(const Song& record, const CellContext& context) {
    if (!context.miniList)
        return record.text(SongField::Song_Name);
    return std::to_string(context.row + 1) + "." + record.text(SongField::Song_Name) + " - " +
           record.text(SongField::Artist_Name);
}

std::optional<std::string_view> CellFormatter::view(int kind, const Song& r, const CellContext& context) {
    switch (kind) {
    case col::kSongName:
    case col::kMiniSong:
        if (context.miniList)
            return std::nullopt;
        return r.view(SongField::Song_Name);
    case col::kArtist:
        return r.view(SongField::Artist_Name);
    case col::kAlbum:
        return r.view(SongField::Album_Name);
    case col::kSourceText:
        return r.view(SongField::Source);
    case col::kFileName:
        return r.isEmpty(SongField::Local_Path) ? r.view(SongField::Song_Name)
                                                : fileNameOf(r.view(SongField::Local_Path));
    case col::kSender:
    case col::kReceiver:
        return r.view(SongField::Gift_Peer);
    case col::kCast:
        return r.view(SongField::Cast);
    case col::kMvName:
        return r.view(SongField::MV_Name);
    case col::kMvSize:
        return r.view(SongField::MV_Size);
    default:
        return std::nullopt;
    }
}

std::string CellFormatter::format(int kind, const Song& r, const CellContext& context) {
    if (const std::optional<std::string_view> shown = view(kind, r, context))
        return std::string(*shown);
    switch (kind) {
    case col::kNumber:
        return std::to_string(context.row + 1);
    case col::kSongName:
    case col::kMiniSong:
        return songName(r, context);
    case col::kPlayTime:
    case col::kMiniTime:
        return playTime(r.Play_Time);
    case col::kFormat:
        return fileFormat(r.File_Format);
    case col::kQuality:
        return quality(r);
    case col::kExpiry:
        return expiry(r, context.pageKind);
    case col::kSize:
        return size(r.File_Size, context.singleRow);
    case col::kListenCount:
        return std::to_string(r.Listen_Count);
    case col::kCount:
        return std::to_string(r.List_Value);
    case col::kRankChange:
        return rankChange(r.text(SongField::Rank_Text));
    case col::kSection:
        return section(r.text(SongField::Section_Start), r.text(SongField::Section_End));
    case col::kGiftState:
        return giftState(r.text(SongField::Gift_Status));
    default:
        return dateOf(kind, r);
    }
}

} // namespace kesto
