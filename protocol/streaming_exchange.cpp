#include "protocol/streaming_exchange.h"

#include "protocol/protocol_url.h"
#include "protocol/protocol_words.h"
#include "protocol/reply_fields.h"
#include "protocol/request_sender.h"
#include "protocol/server_error.h"

namespace kesto {

namespace {
// The first character of the login reply's field 10 that grants the full-play flag.
bool fullPlayFlag(const LoginBlock& login) {
    const char first = login.memberClass[0];
    return first == '1' || first == '3' || first == '5' || first == '6';
}
} // namespace

std::string StreamingExchange::url() const {
    const auto word =
        context_.codecMode == proto::kCodecWithLyrics ? proto::kStreamingWithLyrics : proto::kStreaming;
    return ProtocolUrl::command(*context_.login, word);
}

RequestBody StreamingExchange::body(const Song& song) const {
    const LoginBlock& login = *context_.login;
    RequestBody body(login);
    body.add(song.view(SongField::Menu_ID))
        .add(song.Item_Type)
        .add(song.view(SongField::Song_ID))
        .add("")
        .add(song.Purchase_Mark)
        .add(std::string_view(login.joinedKey))
        .add(fullPlayFlag(login) ? "1" : "0");
    return body;
}

PlayResult StreamingExchange::play(const Song& song) const {
    const std::string reply = RequestSender::send(context_.request, url(), true, body(song).text());
    return read(reply);
}

PlayResult StreamingExchange::read(const std::string& reply) const {
    PlayResult result;
    if (reply.empty())
        return result;
    result.answered = true;
    const ReplyFields fields(reply);
    const std::int32_t code = fields.code();
    if (code < 0) {
        if (ServerError::endsLogin(code))
            result.streamAddress = proto::kDoubleLoginMarker;
        ServerError::show(context_, code, fields.raw(1));
        return result;
    }
    result.granted = true;
    result.streamAddress = fields.raw(1);
    result.playSeconds = fields.number(2);
    result.field3 = fields.raw(3);
    result.field4 = fields.raw(4);
    result.fullPlay = fields.number(5);
    return result;
}

} // namespace kesto
