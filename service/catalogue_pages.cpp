#include "service/catalogue_pages.h"

#include "service/html_page.h"
#include "service/korean_text.h"
#include "service/page_links.h"
#include "service/service_context.h"

#include <cstdio>

namespace kesto::service {
namespace {

constexpr std::size_t kPageSongs = 50;
constexpr std::size_t kStartAlbums = 12;

const std::string& ko(const char* utf8) {
    return KoreanText::of(utf8);
}

} // namespace

void CataloguePages::songLine(HtmlPage& page, const Song& song) const {
    page.songRow({{PageLinks::song(song.id), song.name},
                  {PageLinks::artist(song.artistId), context_.catalogue().artistName(song)},
                  {PageLinks::album(song.albumId), context_.catalogue().albumName(song)}},
                 {{PageLinks::buy(song.id), ko("구매")}, {PageLinks::gift(song.id), ko("선물")}});
}

std::string CataloguePages::notFound() const {
    return HtmlPage(ko("페이지를 찾을 수 없습니다")).titleLink(ko("홈"), "/").str();
}

std::string CataloguePages::start(const PageRequest& request) const {
    (void)request;
    const Catalogue& all = context_.catalogue().all();
    HtmlPage page(ko("케스토 뮤직"));
    page.titleLink(ko("실시간 차트"), PageLinks::category("00101"));
    page.titleLink(ko("최신 음악"), PageLinks::category("00102"));
    page.section(ko("차트"));
    for (const Chart& c : all.charts)
        page.link(PageLinks::category(c.code), c.title);
    page.section(ko("테마"));
    for (const Theme& t : all.themes)
        page.link(PageLinks::theme(t.id), t.title);
    page.section(ko("새 앨범"));
    for (std::size_t i = 0; i < kStartAlbums && i < all.albums.size(); ++i)
        page.tile(PageLinks::album(all.albums[i].id), all.albums[i].name);
    page.section(ko("내 정보"));
    page.link(PageLinks::command("buyingHistory"), ko("스트리밍 구매내역"));
    page.link(PageLinks::command("giftBox"), ko("보낸 선물함"));
    page.link(PageLinks::search(0, ko("사랑")), ko("'사랑' 검색"));
    page.link("/artist_index.jsp", ko("아티스트별 보기"));
    page.link("/kesto_player_faqlist.jsp", ko("자주 묻는 질문"));
    return page.str();
}

std::string CataloguePages::chart(const PageRequest& request) const {
    const Chart* chart = context_.catalogue().chart(request.params.get("code"));
    if (chart == nullptr)
        return notFound();
    HtmlPage page(chart->title);
    page.titleLink(chart->title, PageLinks::category(chart->code));
    for (std::size_t i = 0; i < chart->entries.size() && i < kPageSongs; ++i)
        if (const Song* song = context_.catalogue().song(chart->entries[i].songId))
            songLine(page, *song);
    return page.str();
}

std::string CataloguePages::album(const PageRequest& request) const {
    const Album* album = context_.catalogue().album(request.params.get("album_id"));
    if (album == nullptr)
        return notFound();
    const Artist* artist = context_.catalogue().artist(album->artistId);
    HtmlPage page(album->name);
    page.titleLink(album->name, PageLinks::album(album->id));
    page.tile(PageLinks::album(album->id), album->name);
    if (artist != nullptr)
        page.titleLink(artist->name, PageLinks::artist(artist->id));
    page.paragraph(ko("발매일 ") + album->released);
    for (const Song* song : context_.catalogue().albumSongs(album->id))
        songLine(page, *song);
    return page.str();
}

std::string CataloguePages::artist(const PageRequest& request) const {
    const Artist* artist = context_.catalogue().artist(request.params.get("artist_id"));
    if (artist == nullptr)
        return notFound();
    HtmlPage page(artist->name);
    page.titleLink(artist->name, PageLinks::artist(artist->id));
    for (const Album& album : context_.catalogue().all().albums)
        if (album.artistId == artist->id)
            page.tile(PageLinks::album(album.id), album.name);
    for (const Song* song : context_.catalogue().artistSongs(artist->id))
        songLine(page, *song);
    return page.str();
}

std::string CataloguePages::artistIndex(const PageRequest& request) const {
    (void)request;
    HtmlPage page(ko("아티스트별 보기"));
    page.titleLink(ko("아티스트별 보기"), "/artist_index.jsp");
    for (const Artist& artist : context_.catalogue().all().artists)
        page.link(PageLinks::artist(artist.id), artist.name);
    return page.str();
}

std::string CataloguePages::search(const PageRequest& request) const {
    const std::string& keyword = request.params.get("keyword");
    const auto type = std::atoi(request.params.get("type").c_str());
    HtmlPage page(ko("검색 결과: ") + keyword);
    page.titleLink(ko("곡명으로 검색"), PageLinks::search(1, keyword));
    page.titleLink(ko("아티스트로 검색"), PageLinks::search(2, keyword));
    const auto kind = type >= 1 && type <= 4 ? static_cast<SearchType>(type) : SearchType::All;
    const auto songs = context_.catalogue().search(kind, keyword);
    page.paragraph(std::to_string(songs.size()) + ko("곡"));
    for (std::size_t i = 0; i < songs.size() && i < kPageSongs; ++i)
        songLine(page, *songs[i]);
    return page.str();
}

std::string CataloguePages::lyrics(const PageRequest& request) const {
    const Song* song = context_.catalogue().song(request.params.get("song_id"));
    if (song == nullptr)
        return notFound();
    HtmlPage page(song->name);
    page.titleLink(song->name, PageLinks::song(song->id));
    page.paragraph(context_.catalogue().artistName(*song));
    page.paragraph(song->lyrics.empty() ? ko("가사가 지원되지 않는 곡입니다") : song->lyrics);
    return page.str();
}

std::string CataloguePages::songInfo(const PageRequest& request) const {
    const Song* song = context_.catalogue().song(request.params.get("song_id"));
    if (song == nullptr) {
        HtmlPage page(ko("곡 정보"));
        page.paragraph(ko("곡을 먼저 선택하세요."));
        return page.str();
    }
    HtmlPage page(song->name);
    page.titleLink(song->name, PageLinks::song(song->id));
    page.link(PageLinks::artist(song->artistId), context_.catalogue().artistName(*song));
    if (const Album* album = context_.catalogue().album(song->albumId))
        page.link(PageLinks::album(album->id), album->name);
    char length[16];
    std::snprintf(length, sizeof length, "%d:%02d", song->playTime / 60, song->playTime % 60);
    page.paragraph(length);
    page.paragraph(song->lyrics.empty() ? ko("가사가 지원되지 않는 곡입니다") : song->lyrics);
    return page.str();
}

} // namespace kesto::service
