// The record the module keeps is the record the public header gives hosts, byte for byte.
#include "include/kesto/panel_api.h"
#include "songs/song_record.h"

#include <cstddef>
#include <type_traits>

namespace kesto {
namespace {

static_assert(sizeof(SongRecord) == sizeof(KestoSongRecord), "the public record has the module's size");
static_assert(sizeof(SongRecord) == KESTO_SONG_RECORD_SIZE, "KESTO_SONG_RECORD_SIZE names the size");
static_assert(alignof(SongRecord) == alignof(KestoSongRecord), "and its alignment");
static_assert(std::is_standard_layout_v<SongRecord>, "offsets are meaningful");

#define KESTO_SAME_FIELD(name)                                                                               \
    static_assert(offsetof(SongRecord, name) == offsetof(KestoSongRecord, name) &&                           \
                      sizeof(SongRecord::name) == sizeof(KestoSongRecord::name) &&                           \
                      std::is_same_v<std::remove_all_extents_t<decltype(SongRecord::name)>,                  \
                                     std::remove_all_extents_t<decltype(KestoSongRecord::name)>>,            \
                  "field " #name " differs from the public record")

[[maybe_unused]] constexpr bool kChecked = [] {
    KESTO_SAME_FIELD(Song_ID);
    KESTO_SAME_FIELD(Song_Name);
    KESTO_SAME_FIELD(Play_Time);
    KESTO_SAME_FIELD(Quality_Flags);
    KESTO_SAME_FIELD(Artist_ID);
    KESTO_SAME_FIELD(Artist_Name);
    KESTO_SAME_FIELD(Album_ID);
    KESTO_SAME_FIELD(Album_Name);
    KESTO_SAME_FIELD(Date_1);
    KESTO_SAME_FIELD(Date_2);
    KESTO_SAME_FIELD(Has_Lyrics);
    KESTO_SAME_FIELD(Has_Message);
    KESTO_SAME_FIELD(Expire_Date);
    KESTO_SAME_FIELD(Added_Date);
    KESTO_SAME_FIELD(Listen_Count);
    KESTO_SAME_FIELD(File_Size);
    KESTO_SAME_FIELD(File_Format);
    KESTO_SAME_FIELD(Service_Flags);
    KESTO_SAME_FIELD(Gift_Peer);
    KESTO_SAME_FIELD(Row_Text);
    KESTO_SAME_FIELD(Item_Type);
    KESTO_SAME_FIELD(Modified_Date);
    KESTO_SAME_FIELD(Local_Path);
    KESTO_SAME_FIELD(Source);
    KESTO_SAME_FIELD(Bitrate);
    KESTO_SAME_FIELD(Is_Current);
    KESTO_SAME_FIELD(Menu_ID);
    KESTO_SAME_FIELD(List_Menu_Code);
    KESTO_SAME_FIELD(Phone_Deco);
    KESTO_SAME_FIELD(Source_Kind);
    KESTO_SAME_FIELD(Play_State);
    KESTO_SAME_FIELD(Marked);
    KESTO_SAME_FIELD(Shuffle_Mark);
    KESTO_SAME_FIELD(Transaction_ID);
    KESTO_SAME_FIELD(Serviceable);
    KESTO_SAME_FIELD(Date_3);
    KESTO_SAME_FIELD(Extra_Text);
    KESTO_SAME_FIELD(MV_ID);
    KESTO_SAME_FIELD(MV_Name);
    KESTO_SAME_FIELD(Source_ID);
    KESTO_SAME_FIELD(Purchase_Time);
    KESTO_SAME_FIELD(List_Value);
    KESTO_SAME_FIELD(Purchase_Mark);
    KESTO_SAME_FIELD(Last_Play_Time);
    KESTO_SAME_FIELD(Rank_Text);
    KESTO_SAME_FIELD(Cart_Item_ID);
    KESTO_SAME_FIELD(Cart_Value);
    KESTO_SAME_FIELD(Section_Start);
    KESTO_SAME_FIELD(Section_End);
    KESTO_SAME_FIELD(Download_Date);
    KESTO_SAME_FIELD(Free_Download_Period);
    KESTO_SAME_FIELD(Gift_Status);
    KESTO_SAME_FIELD(Cast);
    KESTO_SAME_FIELD(MV_Size);
    return true;
}();

#undef KESTO_SAME_FIELD

} // namespace
} // namespace kesto
