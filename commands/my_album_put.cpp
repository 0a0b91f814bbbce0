#include "commands/my_album_put.h"

#include "platform/cp949.h"
#include "platform/message_box.h"
#include "protocol/protocol_exchange.h"
#include "protocol/protocol_url.h"
#include "protocol/request_body.h"

namespace kesto {
namespace {

constexpr const char* kListAction = "0";
constexpr int kAllAlbumsMenu = 2100;
constexpr int kOneAlbumMenu = 2200;
constexpr std::size_t kFieldsPerAlbum = 3;
constexpr std::string_view kPut = "선택한 마이앨범으로 곡(들)을 이동하였습니다.";

} // namespace

std::optional<std::vector<OnlineAlbum>> MyAlbumPut::albums(bool& answered) const {
    const LoginBlock& login = *context_.login;
    RequestBody body(login);
    body.add(kListAction);
    const auto reply =
        ProtocolExchange::run(context_, {ProtocolUrl::command(login, proto::kMyAlbum), body.text()});
    answered = reply.has_value();
    if (!reply || reply->code() < 0)
        return std::nullopt;
    std::vector<OnlineAlbum> albums;
    // The count, then id, name and song count per album.
    for (std::size_t field = 1; field + 1 < reply->size(); field += kFieldsPerAlbum) {
        OnlineAlbum album{reply->text(field), reply->text(field + 1)};
        if (album.id.empty())
            break;
        albums.push_back(std::move(album));
    }
    return albums;
}

std::string MyAlbumPut::currentAlbum(int menuId) const {
    if (menuId == kOneAlbumMenu && !context_.login->menuParameter.empty())
        return context_.login->menuParameter;
    return menuId == kAllAlbumsMenu ? "0" : "";
}

bool MyAlbumPut::put(const MyAlbumChoice& choice, const std::string& currentAlbum,
                     const std::vector<Song>& songs) const {
    const LoginBlock& login = *context_.login;
    RequestBody body(login);
    body.add(choice.albumId).add(static_cast<int>(songs.size()));
    for (const Song& song : songs)
        body.add(song.view(SongField::Song_ID));
    body.add(currentAlbum).add(choice.leaveCurrent && !currentAlbum.empty() ? "0" : "1");
    const auto reply =
        ProtocolExchange::run(context_, {ProtocolUrl::command(login, proto::kAddSongToMyAlbum), body.text()});
    if (!reply || reply->code() < 0)
        return false;
    if (context_.box != nullptr) {
        static const std::string text = Cp949::fromUtf8(kPut);
        context_.box->show(text, kMessageBoxCaption, mb::kInformationOk);
    }
    return true;
}

} // namespace kesto
