#include "service/cart_commands.h"

#include "platform/cp949.h"
#include "service/id_list.h"
#include "service/list_codes.h"
#include "service/list_page.h"
#include "service/service_context.h"
#include "service/song_fields.h"
#include "service/wire_reply.h"

namespace kesto::service {
namespace {

constexpr std::size_t kMenuIdLength = 5;
// Music-video rows: eight fields, and the reader takes a ninth (Serviceable) from the next
// row's first field, so every row starts with 1 and one more 1 closes the list.
constexpr std::int64_t kMvRowStart = 1;

const std::string& cartTitle() {
    static const std::string text = Cp949::fromUtf8("장바구니");
    return text;
}

} // namespace

void CartCommands::install(CommandRouter& router) {
    router.add("cartPage", 3, [this](const CommandCall& c) { return cartPage(c); });
    router.add("addToCart", 6, [this](const CommandCall& c) { return addToCart(c); });
    router.add("deleteFromCart", 3, [this](const CommandCall& c) { return deleteFromCart(c); });
    router.add("cartForMV", 3, [this](const CommandCall& c) { return cartForMv(c); });
}

bool CartCommands::writeItem(WireReply& reply, const CartItem& item) const {
    const CatalogueStore& catalogue = context_.catalogue();
    const SongFields fields(catalogue);
    if (item.kind == CartKind::Song) {
        const Song* song = catalogue.song(item.itemId);
        if (song == nullptr)
            return false;
        reply.number(1).text(song->id).text(std::to_string(item.id)).text(item.menuId);
        reply.text(song->serviceFlags).text(song->name).number(song->playTime).text(song->qualityFlags);
        fields.artistAlbum(reply, *song);
        reply.number(song->price);
        return true;
    }
    const Album* album = catalogue.album(item.itemId);
    if (album == nullptr)
        return false;
    const auto songs = catalogue.albumSongs(album->id);
    int time = 0;
    int price = 0;
    for (const Song* song : songs) {
        time += song->playTime;
        price += song->price;
    }
    const Artist* artist = catalogue.artist(album->artistId);
    reply.number(2).text("").text(std::to_string(item.id)).text(item.menuId).text("10000").text(album->name);
    reply.number(time).text("110").text(album->artistId).text(artist == nullptr ? "" : artist->name);
    reply.text(album->id).text(album->name).number(price * 8 / 10);
    return true;
}

std::string CartCommands::cartPage(const CommandCall& call) const {
    const std::vector<CartItem> items = context_.carts().items(call.request.userId(), false);
    const ListPage page(call.request.integer(2), items.size(), ListPage::kCartRows);
    WireReply rows;
    std::int64_t written = 0;
    for (const CartItem& item : page.of(items))
        written += writeItem(rows, item) ? 1 : 0;
    WireReply reply;
    reply.plainNumber(written).plainNumber(page.index()).plainNumber(static_cast<std::int64_t>(page.total()));
    reply.text(cartTitle());
    return written == 0 ? reply.str() : reply.str() + '\x0B' + rows.str();
}

std::string CartCommands::addToCart(const CommandCall& call) const {
    // Menu parameter, kind (1 song, 2 album, 3 music video), "0", item id, "0".
    const WireRequest& r = call.request;
    const auto kind = r.integer(3, 1);
    const std::string& id = r.field(5);
    const bool known = (kind == 1 && context_.catalogue().song(id) != nullptr) ||
                       (kind == 2 && context_.catalogue().album(id) != nullptr) ||
                       (kind == 3 && context_.catalogue().video(id) != nullptr);
    if (!known)
        return WireReply::error(ServiceCode::NotFound);
    const std::string menuId = r.field(2).substr(0, kMenuIdLength);
    const auto cartId = context_.carts().add(r.userId(), static_cast<CartKind>(kind), id, menuId);
    if (cartId == 0)
        return WireReply::error(ServiceCode::StoreFailure);
    return WireReply().plainNumber(0).plainNumber(cartId).str();
}

std::string CartCommands::deleteFromCart(const CommandCall& call) const {
    const auto ids = IdList::read(call.request, 2);
    if (!ids)
        return WireReply::error(ServiceCode::TooFewFields);
    const int removed = context_.carts().remove(call.request.userId(), *ids);
    return WireReply().plainNumber(0).plainNumber(removed).str();
}

std::string CartCommands::cartForMv(const CommandCall& call) const {
    const std::vector<CartItem> items = context_.carts().items(call.request.userId(), true);
    const ListPage page(call.request.integer(2), items.size(), ListPage::kCartRows);
    WireReply reply;
    page.header(reply).text(list_codes::kCartForMv);
    for (const CartItem& item : page.of(items)) {
        const MusicVideo* mv = context_.catalogue().video(item.itemId);
        const Song* song = mv == nullptr ? nullptr : context_.catalogue().song(mv->songId);
        reply.plainNumber(kMvRowStart).text(item.itemId).text(mv == nullptr ? "" : mv->name);
        reply.text(song == nullptr ? "" : song->artistId);
        reply.text(song == nullptr ? "" : context_.catalogue().artistName(*song));
        reply.text(mv == nullptr ? "" : mv->cast)
            .text(std::to_string(item.id))
            .text(mv == nullptr ? "" : mv->size);
    }
    reply.plainNumber(kMvRowStart);
    return reply.str();
}

} // namespace kesto::service
