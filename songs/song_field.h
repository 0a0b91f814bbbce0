#pragma once
// The fields of a song, named as the record format names them. The texts are listed once here:
// the song's text table, its capacities and the fixed record's slots all follow this order.

#include <cstddef>

#define KESTO_SONG_TEXTS(X)                                                                                  \
    X(Song_ID)                                                                                               \
    X(Song_Name)                                                                                             \
    X(Quality_Flags)                                                                                         \
    X(Artist_ID)                                                                                             \
    X(Artist_Name)                                                                                           \
    X(Album_ID)                                                                                              \
    X(Album_Name)                                                                                            \
    X(Date_1)                                                                                                \
    X(Date_2)                                                                                                \
    X(Expire_Date)                                                                                           \
    X(Added_Date)                                                                                            \
    X(Service_Flags)                                                                                         \
    X(Gift_Peer)                                                                                             \
    X(Row_Text)                                                                                              \
    X(Modified_Date)                                                                                         \
    X(Local_Path)                                                                                            \
    X(Source)                                                                                                \
    X(Menu_ID)                                                                                               \
    X(List_Menu_Code)                                                                                        \
    X(Transaction_ID)                                                                                        \
    X(Date_3)                                                                                                \
    X(Extra_Text)                                                                                            \
    X(MV_ID)                                                                                                 \
    X(MV_Name)                                                                                               \
    X(Source_ID)                                                                                             \
    X(Purchase_Time)                                                                                         \
    X(Last_Play_Time)                                                                                        \
    X(Rank_Text)                                                                                             \
    X(Cart_Item_ID)                                                                                          \
    X(Section_Start)                                                                                         \
    X(Section_End)                                                                                           \
    X(Download_Date)                                                                                         \
    X(Free_Download_Period)                                                                                  \
    X(Gift_Status)                                                                                           \
    X(Cast)                                                                                                  \
    X(MV_Size)

#define KESTO_SONG_NUMBERS(X)                                                                                \
    X(Play_Time)                                                                                             \
    X(Has_Lyrics)                                                                                            \
    X(Has_Message)                                                                                           \
    X(Listen_Count)                                                                                          \
    X(File_Size)                                                                                             \
    X(File_Format)                                                                                           \
    X(Item_Type)                                                                                             \
    X(Bitrate)                                                                                               \
    X(Is_Current)                                                                                            \
    X(Phone_Deco)                                                                                            \
    X(Source_Kind)                                                                                           \
    X(Play_State)                                                                                            \
    X(Marked)                                                                                                \
    X(Shuffle_Mark)                                                                                          \
    X(Serviceable)                                                                                           \
    X(List_Value)                                                                                            \
    X(Purchase_Mark)                                                                                         \
    X(Cart_Value)

namespace kesto {

// A text field of a song.
enum class SongField : unsigned char {
#define KESTO_SONG_ENUMERATOR(name) name,
    KESTO_SONG_TEXTS(KESTO_SONG_ENUMERATOR)
#undef KESTO_SONG_ENUMERATOR
};

#define KESTO_SONG_COUNT(name) +1
inline constexpr std::size_t kSongTextCount = 0 KESTO_SONG_TEXTS(KESTO_SONG_COUNT);
#undef KESTO_SONG_COUNT

} // namespace kesto
