#pragma once
// The fixed-size song record of the C interface: what hosts are handed (the now-playing list,
// a record filled from a local file, the files handed to the host) and the drag payload. Text
// fields are NUL-terminated CP949 in fixed arrays whose sizes include the terminator; an absent
// value is the empty string. Songs become records and records songs here only.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "songs/song.h"

namespace kesto {

// Capacity of a text field whose size the record format leaves open.
inline constexpr std::size_t kTextField = 260;

struct SongRecord {
    char Song_ID[21];
    char Song_Name[260];
    std::int32_t Play_Time;
    char Quality_Flags[21];
    char Artist_ID[21];
    char Artist_Name[201];
    char Album_ID[21];
    char Album_Name[201];
    char Date_1[15];
    char Date_2[16];
    std::int32_t Has_Lyrics;
    std::int32_t Has_Message;
    char Expire_Date[20];
    char Added_Date[33];
    std::int32_t Listen_Count;
    std::int32_t File_Size;
    std::uint8_t File_Format;
    char Service_Flags[6];
    char Gift_Peer[21];
    char Row_Text[280];
    std::int32_t Item_Type;
    char Modified_Date[15];
    char Local_Path[260];
    char Source[203];
    std::int32_t Bitrate;
    std::int32_t Is_Current;
    char Menu_ID[6];
    char List_Menu_Code[22];
    std::int32_t Phone_Deco;
    std::int16_t Source_Kind;
    std::int32_t Play_State;
    std::int32_t Marked;
    std::int32_t Shuffle_Mark;
    char Transaction_ID[24];
    std::int32_t Serviceable;
    char Date_3[15];
    char Extra_Text[kTextField];
    char MV_ID[21];
    char MV_Name[kTextField];
    // Filled only by particular list parsers.
    char Source_ID[21];
    char Purchase_Time[15];
    std::int32_t List_Value;
    std::int32_t Purchase_Mark;
    char Last_Play_Time[18];
    char Rank_Text[kTextField];
    char Cart_Item_ID[kTextField];
    std::int32_t Cart_Value;
    char Section_Start[kTextField];
    char Section_End[kTextField];
    char Download_Date[15];
    char Free_Download_Period[kTextField];
    char Gift_Status[kTextField];
    char Cast[kTextField];
    char MV_Size[kTextField];

    // A new record: zero-filled, Serviceable 1.
    static SongRecord make();
    // The same, in place: no temporary of the record's size on the way.
    static void reset(SongRecord& record);

    // The record of a song, and the song of a record (texts read up to their capacity).
    static SongRecord of(const Song& song);
    static void fill(SongRecord& record, const Song& song);
    Song toSong() const;

    // The capacity of a text field, terminator included.
    static std::size_t capacityOf(SongField field);
};

// The capacity of each text field, terminator included, in the order of SongField.
inline constexpr std::array<std::uint16_t, kSongTextCount> kSongTextCapacities = {{
#define KESTO_SONG_CAPACITY(name) sizeof(SongRecord::name),
    KESTO_SONG_TEXTS(KESTO_SONG_CAPACITY)
#undef KESTO_SONG_CAPACITY
}};

// The one bounded copy into a fixed field: cut to capacity - 1 bytes without splitting a
// two-byte CP949 character, always NUL-terminated. Returns the bytes copied.
std::size_t copyBounded(char* field, std::size_t capacity, std::string_view text);

template <std::size_t N> std::size_t copyField(char (&field)[N], std::string_view text) {
    return copyBounded(field, N, text);
}

} // namespace kesto
