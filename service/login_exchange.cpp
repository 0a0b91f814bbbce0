#include "service/login_exchange.h"

#include "service/korean_text.h"
#include "service/service_context.h"
#include "service/wire_reply.h"

#include <sys/random.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <system_error>

namespace kesto::service {
namespace {

constexpr const char* kGiftSender = "kesto";
constexpr std::int64_t kDay = 24 * 60 * 60;

constexpr std::size_t kKeyBytes = 16;

// Bytes from the system's random source; it only blocks before the kernel has seeded it.
std::array<unsigned char, kKeyBytes> randomBytes() {
    std::array<unsigned char, kKeyBytes> bytes{};
    std::size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::getrandom(bytes.data() + got, bytes.size() - got, 0);
        if (n > 0)
            got += static_cast<std::size_t>(n);
        else if (n < 0 && errno != EINTR)
            throw std::system_error(errno, std::generic_category(), "getrandom");
    }
    return bytes;
}

} // namespace

std::string LoginExchange::newKey() {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string key = "K";
    for (const unsigned char byte : randomBytes()) {
        key += kDigits[byte >> 4];
        key += kDigits[byte & 0xF];
    }
    return key;
}

void LoginExchange::seedNewUser(const std::string& userId) {
    const Catalogue& all = context_.catalogue().all();
    const auto albumId = context_.myAlbums().create(userId, KoreanText::of("내 앨범"));
    context_.myAlbums().add(userId, albumId, {all.songs[0].id, all.songs[1].id, all.songs[12].id}, "00101",
                            context_.stamp());
    auto buy = [&](PurchaseKind kind, const std::string& id, std::int64_t expires) {
        PurchaseRow row{0, kind, id, context_.stamp(-kDay), expires == 0 ? "" : context_.stamp(expires), 600};
        context_.history().addPurchase(userId, row);
    };
    buy(PurchaseKind::Streaming, all.songs[3].id, 0);
    buy(PurchaseKind::Streaming, all.songs[5].id, 0); // stopped by the rights holders
    buy(PurchaseKind::Download, all.songs[20].id, 30 * kDay);
    buy(PurchaseKind::Album, all.albums[4].id, 0);
    buy(PurchaseKind::RingCut, all.ringCuts[0].songId, 0);
    buy(PurchaseKind::MusicVideo, all.musicVideos[0].id, 0);
    GiftRow gift;
    gift.sender = kGiftSender;
    gift.receiver = userId;
    gift.message = KoreanText::of("가입을 환영합니다; 좋은 음악과 함께하세요!");
    gift.sent = gift.received = context_.stamp(-kDay);
    gift.status = kGiftReceived;
    context_.gifts().send(gift, {all.songs[30].id});
}

std::string LoginExchange::login(const std::string& userId, const std::string& password,
                                 const std::string& baseUrl) {
    // The reply carries both as they are: a control character would break its fields.
    auto plain = [](const std::string& text) {
        return !text.empty() && std::none_of(text.begin(), text.end(),
                                             [](char c) { return static_cast<unsigned char>(c) < 0x20; });
    };
    if (!plain(userId) || !plain(password))
        return WireReply::error(ServiceCode::LoginFailed);
    const auto check = context_.accounts().checkPassword(userId, password);
    if (check == AccountStore::PasswordCheck::Differs)
        return WireReply::error(ServiceCode::LoginFailed);
    if (check == AccountStore::PasswordCheck::NoAccount) {
        if (!context_.accounts().createAccount(userId, password, kStartingCash))
            return WireReply::error(ServiceCode::StoreFailure);
        seedNewUser(userId);
    }
    const std::string key = newKey();
    if (!context_.accounts().storeKey(userId, key, context_.now()))
        return WireReply::error(ServiceCode::StoreFailure);
    return reply(userId, key, password, baseUrl);
}

std::string LoginExchange::reply(const std::string& userId, const std::string& key,
                                 const std::string& password, const std::string& baseUrl) const {
    std::string phone = kPhoneNumber;
    std::reverse(phone.begin(), phone.end()); // the reader turns it round again
    const std::array<std::string, kReplyFields> fields = {
        "1", key, password, "0",        userId, "3CA7", "kesto", "user",  "0",
        "0", "1", "KS",     "20070101", "0",    "0",    "0",     "M",     context_.stamp(),
        "",  "",  "0",      "0",        "0",    phone,  baseUrl, baseUrl, "0",
        "1", "0", "0",      "",         "",     "",     "0"};
    // Login replies are read by position without the list decoding: written as they are.
    WireReply out;
    for (const std::string& field : fields)
        out.raw(field);
    return out.str();
}

} // namespace kesto::service
