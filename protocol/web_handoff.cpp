#include "protocol/web_handoff.h"
#include "songs/list_pages.h"

#include "platform/failure_log.h"
#include "platform/host_block.h"
#include "protocol/percent_encoder.h"
#include "protocol/protocol_words.h"
#include "songs/store_address.h"

#include <array>
#include <cstdlib>

namespace kesto {

namespace {

constexpr std::string_view kPhoneDecoPage = "/phone_deco.jsp";
constexpr std::string_view kMusicVideoPage = "/music_video.jsp?";
constexpr std::string_view kMvDownloadPage = "/mv_down.jsp?";
constexpr std::string_view kLoginBridgePage = "/LoginAppToWeb.jsp";
constexpr std::string_view kAuthBuyPage = "/auth_buy.jsp";
constexpr std::string_view kCashChargePage = "/cash_charge.jsp";
constexpr std::string_view kFaqPage = "/kesto_player_faqlist.jsp";
constexpr std::string_view kCounselPage = "/counselCate.jsp";

// The application parameter under which the log-in bridge opens each hyperlink target.
struct BridgeTarget {
    std::string_view path;
    std::string_view appParam;
};
constexpr std::array kBridgeTargets = {BridgeTarget{kLoginBridgePage, "8"},
                                       BridgeTarget{WebHandoff::kMp3PlayerHelpPage, "10"},
                                       BridgeTarget{WebHandoff::kPhoneHelpPage, "9"}};

// Values come from the store and the user: encoded, none can add a field of its own.
std::string& field(std::string& form, std::string_view name, std::string_view value) {
    return form.append("&").append(name).append("=").append(PercentEncoder::formValue(value));
}

std::string firstField(std::string_view name, std::string_view value) {
    return std::string(name).append("=").append(PercentEncoder::formValue(value));
}

} // namespace

std::string WebHandoff::credentials() const {
    const LoginBlock& login = *context_.login;
    std::string form = firstField("userid", login.userId);
    return field(form, "password", login.password);
}

std::string WebHandoff::keyForm() const {
    const LoginBlock& login = *context_.login;
    std::string form = firstField("userid", login.userId);
    return field(form, "u_key", login.uKey);
}

std::string WebHandoff::webPage(std::string_view path) const {
    return std::string(context_.login->webBase).append(path);
}

WebForm WebHandoff::phoneDecoWithTransactionForm(const Song& song) const {
    std::string body = credentials();
    field(body, "song_id", song.text(SongField::Song_ID));
    field(body, "transaction_id", song.text(SongField::Transaction_ID));
    field(body, "u_key", context_.login->uKey);
    return {webPage(kPhoneDecoPage), body};
}

WebForm WebHandoff::phoneDecoForm(const Song& song, int decorationKind) const {
    std::string body = credentials();
    field(body, "song_id", song.text(SongField::Song_ID));
    field(body, "Phone_Deco_Flag", std::to_string(decorationKind));
    field(body, "u_key", context_.login->uKey);
    return {webPage(kPhoneDecoPage), body};
}

WebForm WebHandoff::musicVideoOfSongForm(const Song& song) const {
    std::string body = credentials();
    field(body, "song_id", song.text(SongField::Song_ID));
    field(body, "u_key", context_.login->uKey);
    return {webPage(kMusicVideoPage), body};
}

WebForm WebHandoff::musicVideoForm(const Song& song) const {
    std::string body = credentials();
    field(body, "song_id", "");
    field(body, "u_key", context_.login->uKey);
    field(body, "p_mvid", song.text(SongField::MV_ID));
    return {webPage(kMusicVideoPage), body};
}

WebForm WebHandoff::musicVideoDownloadForm(const Song& song) const {
    std::string body = credentials();
    field(body, "u_key", context_.login->uKey);
    field(body, "p_mvid", song.text(SongField::MV_ID));
    field(body, "p_mdn", context_.login->phoneNumber);
    return {webPage(kMvDownloadPage), body};
}

std::string WebHandoff::webParameter(const Song& song) {
    std::string parameter(1, proto::kVt);
    parameter.append("p_songid=").append(song.text(SongField::Song_ID));
    parameter += proto::kVt;
    return parameter.append("p_menuid=").append(song.text(SongField::Menu_ID));
}

WebForm WebHandoff::songWebPageForm(const Song& song) const {
    std::string body = credentials();
    field(body, "u_key", context_.login->uKey);
    field(body, "appParam", "1");
    field(body, "webParam", webParameter(song));
    return {webPage(kLoginBridgePage).append("?"), body};
}

WebForm WebHandoff::authBuyForm() const {
    std::string body = credentials();
    field(body, "u_key", context_.login->uKey);
    return {webPage(kAuthBuyPage), body};
}

std::string WebHandoff::songInformationForm(const Song* song) const {
    std::string body = credentials();
    field(body, "song_id", song ? song->text(SongField::Song_ID) : "");
    field(body, "album_id", song ? song->text(SongField::Album_ID) : "");
    field(body, "artist_id", song ? song->text(SongField::Artist_ID) : "");
    return field(body, "u_key", context_.login->uKey);
}

bool WebHandoff::handOff(unsigned message, std::string_view address, std::string_view body) const {
    if (context_.port == nullptr)
        return false;
    // The host opens what it is handed, maybe with the desktop's opener: only the store's pages.
    if (!StoreAddress::isStorePage(*context_.login, address)) {
        FailureLog::write(LogCategory::Web,
                          "page outside the store not handed to the host: " + std::string(address));
        return false;
    }
    char* addressCopy = HostBlock::copyForHost(address, kAddressBuffer);
    char* bodyCopy = HostBlock::copyForHost(body, kBodyBuffer);
    if (addressCopy == nullptr || bodyCopy == nullptr ||
        !context_.port->post(context_.host, message, reinterpret_cast<std::intptr_t>(addressCopy),
                             reinterpret_cast<std::intptr_t>(bodyCopy))) {
        std::free(addressCopy);
        std::free(bodyCopy);
        return false;
    }
    return true;
}

bool WebHandoff::phoneDecoWithTransaction(const Song& song) const {
    const WebForm form = phoneDecoWithTransactionForm(song);
    return handOff(KESTO_MSG_OPEN_WEB_PAGE, form.address, form.body);
}

bool WebHandoff::phoneDeco(const Song& song, int decorationKind) const {
    const WebForm form = phoneDecoForm(song, decorationKind);
    return handOff(KESTO_MSG_PHONE_DECO_PAGE, form.address, form.body);
}

bool WebHandoff::musicVideoOfSong(const Song& song) const {
    const WebForm form = musicVideoOfSongForm(song);
    return handOff(KESTO_MSG_OPEN_WEB_PAGE, form.address, form.body);
}

bool WebHandoff::musicVideo(const Song& song) const {
    const WebForm form = musicVideoForm(song);
    return handOff(KESTO_MSG_MUSIC_VIDEO_PAGE, form.address, form.body);
}

bool WebHandoff::musicVideoDownload(const Song& song) const {
    const WebForm form = musicVideoDownloadForm(song);
    return handOff(KESTO_MSG_MV_DOWNLOAD_PAGE, form.address, form.body);
}

bool WebHandoff::songWebPage(const Song& song) const {
    const WebForm form = songWebPageForm(song);
    return handOff(KESTO_MSG_SONG_WEB_PAGE, form.address, form.body);
}

bool WebHandoff::authBuy() const {
    const WebForm form = authBuyForm();
    return handOff(KESTO_MSG_OPEN_WEB_PAGE, form.address, form.body);
}

bool WebHandoff::songInformation(const Song* song) const {
    if (context_.port == nullptr)
        return false;
    char* text = HostBlock::copyForHost(songInformationForm(song), kAddressBuffer);
    if (text == nullptr)
        return false;
    if (!context_.port->post(context_.host, KESTO_MSG_SONG_INFO_PAGE, reinterpret_cast<std::intptr_t>(text),
                             0)) {
        std::free(text);
        return false;
    }
    return true;
}

std::string WebHandoff::giftMessagePage(int pageKind, std::string_view giftId) const {
    const bool sentGiftBox = pageKind == page_kind::kSentGifts;
    std::string address(context_.login->protocolBase);
    address.append("/message.jsp?is_send=").append(sentGiftBox ? "1" : "0");
    return address.append("&gift_id=").append(PercentEncoder::encode(giftId));
}

std::string WebHandoff::lyricsPage(std::string_view songId) const {
    return std::string(context_.login->protocolBase)
        .append("/lyrics.jsp?song_id=")
        .append(PercentEncoder::encode(songId));
}

std::optional<WebForm> WebHandoff::loginBridgeFor(std::string_view target) const {
    for (const BridgeTarget& bridge : kBridgeTargets) {
        if (target != webPage(bridge.path))
            continue;
        std::string body = credentials();
        field(body, "u_key", context_.login->uKey);
        field(body, "appParam", bridge.appParam);
        field(body, "webParam", "");
        return WebForm{webPage(kLoginBridgePage), body};
    }
    return std::nullopt;
}

WebForm WebHandoff::cashCharge() const {
    std::string body = credentials();
    field(body, "u_key", context_.login->uKey);
    return {webPage(kCashChargePage), body};
}

std::string WebHandoff::faqPage() const {
    return webPage(kFaqPage);
}

std::string WebHandoff::userPage() const {
    return webPage(kLoginBridgePage);
}

std::string WebHandoff::counselPage() const {
    return webPage(kCounselPage);
}

} // namespace kesto
