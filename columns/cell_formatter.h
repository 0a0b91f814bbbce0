#pragma once
// Cell texts of every column kind, formed from a song record. Texts are CP949.

#include "songs/song.h"

#include <optional>
#include <string>
#include <string_view>

namespace kesto {

// How a rank-change cell is marked and coloured.
enum class RankTrend { None, New, Same, Up, Down };

struct CellContext {
    int pageKind = 0;
    int row = 0;            // position in the list, counted from 0
    bool miniList = false;  // the mini list numbers its song cells
    bool singleRow = false; // a single refreshed row shows sizes in the short form
};

class CellFormatter {
public:
    static std::string format(int kind, const Song& record, const CellContext& context);
    // The text of a kind that shows a song text as it is (or the file name at the end of a path),
    // as a view of the song's own bytes: sorting reads it without a copy. Nothing for other kinds.
    static std::optional<std::string_view> view(int kind, const Song& record, const CellContext& context);

    // "%02d:%02d", or "%02d:%02d:%02d" from one hour on.
    static std::string playTime(int seconds);
    // "%d 곡, %02d:%02d:%02d".
    static std::string listTotal(int count, long long seconds);
    // YYYYMMDDhhmmss -> "YYYY-MM-DD hh:mm:ss"; 8 to 13 characters -> "YYYY-MM-DD"; shorter unchanged.
    static std::string dateTime(std::string_view stamp);
    static std::string fileFormat(int code);
    static std::string quality(const Song& record);
    static std::string expiry(const Song& record, int pageKind);
    static std::string size(std::int32_t bytes, bool singleRow);
    static std::string rankChange(std::string_view rankText, RankTrend* trend = nullptr);
    static std::string section(std::string_view start, std::string_view end);
    static std::string giftState(std::string_view code);

private:
    static std::string dateOf(int kind, const Song& record);
    static std::string songName(const Song& record, const CellContext& context);
};

} // namespace kesto
