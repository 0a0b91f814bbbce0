#include "protocol/song_command_reply.h"

#include "songs/song_store.h"
#include "protocol/protocol_exchange.h"

namespace kesto {

namespace {
constexpr std::intptr_t kPlayFlag = 1;
}

bool SongCommandReply::read(const ProtocolContext& context, std::string_view reply, SongRecord& record) {
    const auto reading = ProtocolExchange::read(context, reply);
    if (!reading || reading->code() < 0)
        return false;
    const ReplyFields& fields = *reading;
    std::string scratch;
    copyField(record.Service_Flags, fields.text(2, scratch));
    copyField(record.Song_Name, fields.text(3, scratch));
    record.Play_Time = fields.number(4);
    copyField(record.Artist_ID, fields.text(6, scratch));
    copyField(record.Artist_Name, fields.text(7, scratch));
    copyField(record.Album_ID, fields.text(8, scratch));
    copyField(record.Album_Name, fields.text(9, scratch));
    record.Phone_Deco = fields.number(10);
    record.Has_Lyrics = fields.number(11);
    return true;
}

int SongCommandReply::play(const ProtocolContext& context, std::string_view reply, const SongRecord& base,
                           SongStore& nowPlaying, bool append) {
    SongRecord record = base;
    if (!read(context, reply, record))
        return -1;
    if (!append)
        nowPlaying.clear();
    if (nowPlaying.addCopy(&record) != 1)
        return -1;
    const int position = nowPlaying.count() - 1;
    if (context.port != nullptr)
        context.port->post(context.host, KESTO_MSG_PLAY_NOW_PLAYING, position, kPlayFlag);
    return position;
}

} // namespace kesto
