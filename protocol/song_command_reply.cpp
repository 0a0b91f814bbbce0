#include "protocol/song_command_reply.h"

#include "protocol/protocol_exchange.h"
#include "songs/song_store.h"

namespace kesto {

namespace {
constexpr std::intptr_t kPlayFlag = 1;
}

bool SongCommandReply::read(const ProtocolContext& context, std::string_view reply, Song& record) {
    const auto reading = ProtocolExchange::read(context, reply);
    if (!reading || reading->code() < 0)
        return false;
    const ReplyFields& fields = *reading;
    std::string scratch;
    record.setText(SongField::Service_Flags, fields.text(2, scratch));
    record.setText(SongField::Song_Name, fields.text(3, scratch));
    record.Play_Time = fields.number(4);
    record.setText(SongField::Artist_ID, fields.text(6, scratch));
    record.setText(SongField::Artist_Name, fields.text(7, scratch));
    record.setText(SongField::Album_ID, fields.text(8, scratch));
    record.setText(SongField::Album_Name, fields.text(9, scratch));
    record.Phone_Deco = fields.number(10);
    record.Has_Lyrics = fields.number(11);
    return true;
}

int SongCommandReply::play(const ProtocolContext& context, std::string_view reply, const Song& base,
                           SongStore& nowPlaying, bool append) {
    Song record = base;
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
