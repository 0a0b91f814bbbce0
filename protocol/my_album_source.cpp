#include "protocol/my_album_source.h"

#include "platform/failure_log.h"
#include "protocol/protocol_url.h"
#include "protocol/request_body.h"
#include "protocol/request_sender.h"

#include <algorithm>

namespace kesto {

namespace {
constexpr std::size_t kFirstAlbumField = 1;
constexpr std::size_t kFieldsPerAlbum = 2;
} // namespace

std::optional<std::vector<SourceAlbum>> MyAlbumSource::read(const ReplyFields& reply) {
    if (reply.code() < 0)
        return std::nullopt;
    std::vector<SourceAlbum> albums;
    const auto count = std::min(static_cast<std::size_t>(reply.code()), MyAlbumSource::kMaxAlbums);
    for (std::size_t field = kFirstAlbumField; albums.size() < count && field + 1 < reply.size();
         field += kFieldsPerAlbum)
        albums.push_back({reply.text(field), reply.text(field + 1)});
    return albums;
}

std::optional<std::vector<SourceAlbum>> MyAlbumSource::ask(const ProtocolContext& context,
                                                           std::string_view songId) {
    if (context.login == nullptr)
        return std::nullopt;
    RequestBody body(*context.login);
    body.add(songId);
    const std::string reply = RequestSender::send(
        context.request, ProtocolUrl::command(*context.login, proto::kMyAlbumSource), true, body.text());
    if (reply.empty()) {
        FailureLog::write(LogCategory::Protocol, "myAlbumSource: no reply");
        return std::nullopt;
    }
    auto albums = read(ReplyFields(reply));
    if (!albums)
        FailureLog::write(LogCategory::Protocol, "myAlbumSource: refused by the store");
    return albums;
}

} // namespace kesto
