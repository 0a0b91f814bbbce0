#include "service/account_pages.h"

#include "service/html_page.h"
#include "service/korean_text.h"
#include "service/page_links.h"
#include "service/service_context.h"

namespace kesto::service {
namespace {

const std::string& ko(const char* utf8) {
    return KoreanText::of(utf8);
}

// The value after `name=` up to the next VT in a web parameter.
std::string webParamValue(const std::string& webParam, const std::string& name) {
    const std::size_t at = webParam.find(name + "=");
    if (at == std::string::npos)
        return {};
    const std::size_t start = at + name.size() + 1;
    return webParam.substr(start, webParam.find('\x0B', start) - start);
}

} // namespace

bool AccountPages::loggedIn(const PageParams& params) const {
    const std::string& user = params.get("userid").empty() ? params.get("u_id") : params.get("userid");
    return context_.accounts().checkKey(user, params.get("u_key"), context_.now(),
                                        context_.config().keyLifetimeSeconds) == ServiceCode::Ok;
}

std::string AccountPages::loginNeeded() const {
    return HtmlPage(ko("로그인이 필요합니다"))
        .titleLink(ko("홈"), "/")
        .paragraph(ko("다시 로그인해 주세요."))
        .str();
}

std::string AccountPages::userPage(const std::string& user) const {
    HtmlPage page(ko("마이 페이지"));
    page.titleLink(ko("마이 페이지"), "/");
    page.paragraph(user + ko(" 님의 캐쉬: ") + std::to_string(context_.accounts().cash(user)));
    page.link(PageLinks::command("buyingHistory"), ko("구매내역"));
    page.link(PageLinks::command("giftBox"), ko("보낸 선물함"));
    return page.str();
}

std::string AccountPages::loginAppToWeb(const PageRequest& request) const {
    const PageParams& p = request.params;
    if (!loggedIn(p))
        return loginNeeded();
    const std::string& app = p.get("appParam");
    if (app == "9")
        return help("/cus_machine_mp3.jsp");
    if (app == "10")
        return help("/cus_machine_player.jsp");
    if (app == "1") {
        const Song* song = context_.catalogue().song(webParamValue(p.get("webParam"), "p_songid"));
        if (song != nullptr) {
            HtmlPage page(song->name);
            page.titleLink(song->name, PageLinks::song(song->id));
            page.link(PageLinks::album(song->albumId), context_.catalogue().albumName(*song));
            page.link(PageLinks::artist(song->artistId), context_.catalogue().artistName(*song));
            page.paragraph(ko("메뉴 ") + webParamValue(p.get("webParam"), "p_menuid"));
            return page.str();
        }
    }
    return userPage(p.get("userid"));
}

std::string AccountPages::message(const PageRequest& request) const {
    const auto gift = context_.gifts().gift(std::atoll(request.params.get("gift_id").c_str()));
    // Only the gift's sender or receiver, logged in, reads its message; ids are easy to guess.
    const std::string& user = request.params.get("userid");
    if (!gift || !loggedIn(request.params) || (user != gift->sender && user != gift->receiver))
        return HtmlPage(ko("선물 메시지"))
            .titleLink(ko("선물함"), "/")
            .paragraph(ko("메시지가 없습니다."))
            .str();
    const bool sent = request.params.get("is_send") == "1";
    HtmlPage page(ko("선물 메시지"));
    page.titleLink(ko("선물 메시지"), PageLinks::song(gift->songId));
    page.paragraph((sent ? ko("받는사람: ") + gift->receiver : ko("보낸사람: ") + gift->sender));
    page.paragraph(gift->message.empty() ? ko("메시지가 없습니다.") : gift->message);
    page.paragraph(gift->sent);
    return page.str();
}

std::string AccountPages::phoneDeco(const PageRequest& request) const {
    if (!loggedIn(request.params))
        return loginNeeded();
    const Song* song = context_.catalogue().song(request.params.get("song_id"));
    HtmlPage page(ko("폰꾸미기"));
    page.titleLink(ko("폰꾸미기"), "/phone_deco.jsp");
    page.paragraph(song == nullptr ? ko("곡 정보가 없습니다.") : song->name);
    page.paragraph(ko("종류 ") + request.params.get("Phone_Deco_Flag") + " / " +
                   request.params.get("transaction_id"));
    return page.str();
}

std::string AccountPages::musicVideo(const PageRequest& request) const {
    const MusicVideo* mv = context_.catalogue().video(request.params.get("p_mvid"));
    if (mv == nullptr)
        if (const Song* song = context_.catalogue().song(request.params.get("song_id")))
            mv = context_.catalogue().video(song->mvId);
    if (mv == nullptr)
        return HtmlPage(ko("뮤직비디오"))
            .titleLink(ko("홈"), "/")
            .paragraph(ko("뮤직비디오가 없습니다."))
            .str();
    HtmlPage page(mv->name);
    page.titleLink(mv->name, PageLinks::song(mv->songId));
    page.paragraph(ko("출연진: ") + mv->cast);
    page.link("/mv_down.jsp?p_mvid=" + mv->id, ko("다운로드"));
    return page.str();
}

std::string AccountPages::mvDownload(const PageRequest& request) const {
    const MusicVideo* mv = context_.catalogue().video(request.params.get("p_mvid"));
    HtmlPage page(ko("뮤직비디오 다운로드"));
    page.titleLink(ko("뮤직비디오 다운로드"), "/mv_down.jsp");
    page.paragraph(mv == nullptr ? ko("뮤직비디오가 없습니다.") : mv->name + " (" + mv->size + ")");
    page.paragraph(ko("받을 번호: ") + request.params.get("p_mdn"));
    return page.str();
}

std::string AccountPages::authBuy(const PageRequest& request) const {
    if (!loggedIn(request.params))
        return loginNeeded();
    HtmlPage page(ko("구매 인증"));
    page.titleLink(ko("구매 인증"), "/auth_buy.jsp");
    page.paragraph(ko("휴대폰 인증이 완료되었습니다."));
    return page.str();
}

std::string AccountPages::cashCharge(const PageRequest& request) const {
    if (!loggedIn(request.params))
        return loginNeeded();
    const std::string& user = request.params.get("userid");
    HtmlPage page(ko("캐쉬 충전"));
    page.titleLink(ko("캐쉬 충전"), "/cash_charge.jsp");
    page.paragraph(ko("현재 캐쉬: ") + std::to_string(context_.accounts().cash(user)));
    page.form("/cash_charge.jsp", {{"userid", user}, {"u_key", request.params.get("u_key")}}, ko("충전하기"));
    return page.str();
}

std::string AccountPages::albumScrap(const PageRequest& request) const {
    (void)request;
    HtmlPage page(ko("앨범 스크랩"));
    page.titleLink(ko("앨범 스크랩"), "/album_scrap.jsp");
    const Catalogue& all = context_.catalogue().all();
    for (std::size_t i = 0; i < all.albums.size() && i < 10; ++i)
        page.link(PageLinks::album(all.albums[i].id), all.albums[i].name);
    return page.str();
}

std::string AccountPages::help(const std::string& path) const {
    const char* title = "도움말";
    if (path == "/kesto_player_faqlist.jsp")
        title = "자주 묻는 질문";
    else if (path == "/counselCate.jsp")
        title = "고객 상담";
    else if (path == "/cus_machine_player.jsp")
        title = "MP3 플레이어 도움말";
    else if (path == "/cus_machine_mp3.jsp")
        title = "MP3폰 도움말";
    else if (path == "/free_download.jsp")
        title = "무료 다운로드 안내";
    HtmlPage page(ko(title));
    page.titleLink(ko(title), path);
    page.paragraph(ko("궁금한 점은 고객센터로 문의해 주세요."));
    page.link("/kesto_player_faqlist.jsp", ko("자주 묻는 질문"));
    page.link("/counselCate.jsp", ko("고객 상담"));
    return page.str();
}

} // namespace kesto::service
