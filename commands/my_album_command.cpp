#include "commands/my_album_command.h"

#include "commands/eligibility.h"
#include "commands/song_id_list.h"
#include "protocol/protocol_exchange.h"
#include "protocol/protocol_url.h"
#include "protocol/request_body.h"

namespace kesto {

std::optional<Selection> MyAlbumCommand::eligible(const Selection& chosen) const {
    const CommandBox box(context_.protocol.box);
    EligibilityRules rules;
    rules.emptySelection = origin_ == CommandOrigin::NowPlaying ? CommandText::MyAlbumEmptyNowPlaying
                                                                : CommandText::MyAlbumEmpty;
    rules.verdict = [](const SongRecord& song) {
        return Verdict::streamingOnly(song, CommandText::MyAlbumBell);
    };
    rules.nothingLeft = CommandText::MyAlbumAllLocal;
    rules.someExcluded = CommandText::MyAlbumSomeLocal;
    rules.grey = GreyItemRule(context_.pageKind, CommandText::MyAlbumGreyQuestion);
    return Eligibility(box).check(chosen, rules);
}

bool MyAlbumCommand::run(const Selection& chosen) const {
    const auto songs = eligible(chosen);
    if (!songs || !context_.hooks.chooseMyAlbum)
        return false;
    const auto albumId = context_.hooks.chooseMyAlbum(songs->records());
    return albumId && send(*albumId, *songs);
}

bool MyAlbumCommand::runInto(const Selection& chosen, const std::string& albumId) const {
    const auto songs = eligible(chosen);
    return songs && send(albumId, *songs);
}

bool MyAlbumCommand::send(const std::string& albumId, const Selection& songs) const {
    const LoginBlock& login = *context_.protocol.login;
    RequestBody body(login);
    body.add(albumId);
    SongIdList::append(body, songs);
    const ProtocolRequest request{ProtocolUrl::command(login, proto::kAddSongToMyAlbum), body.text()};
    const auto reply = ProtocolExchange::run(context_.protocol, request);
    return reply && reply->code() >= 0;
}

} // namespace kesto
