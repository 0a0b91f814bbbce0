#include "pages/show_page.h"

#include "columns/cell_formatter.h"
#include "library/my_album_db.h"
#include "pages/local_page_reader.h"
#include "pages/page_view.h"
#include "platform/cp949.h"
#include "protocol/list_request.h"
#include "protocol/protocol_exchange.h"
#include "protocol/reply_fields.h"
#include "protocol/request_sender.h"
#include "songs/list_pages.h"
#include "songs/panel_messages.h"
#include "songs/song_store.h"

#include <memory>

namespace kesto {

namespace {

bool isDeviceList(int menuId) {
    return menuId >= menu::kFirstDevice && menuId <= menu::kLastDevice;
}

bool looksLikeAddress(std::string_view text) {
    return text.find("://") != std::string_view::npos;
}

// "%d 곡, %02d:%02d:%02d": how many songs and how long they play.
std::string listTotal(SongStore& store) {
    long long seconds = 0;
    store.forEach([&seconds](int, Song& song) { seconds += song.Play_Time; });
    return Cp949::toUtf8(CellFormatter::listTotal(store.count(), seconds));
}

} // namespace

void ShowPage::run(const PageRequest& request) {
    if (request.menuId == menu::kNoChange)
        return;
    PageState& s = *p_.state;
    s.previousViewMode = s.viewMode;
    s.viewMode = request.viewMode;
    p_.view->setViewMode(request.viewMode);
    if (request.viewMode == kHtmlOnlyViewMode && p_.port != nullptr)
        p_.port->post(p_.window, msg::kWindowSize, 0, 0);
    // A reader still filling the list store is waited for, however long it takes.
    p_.folderWorker->wait();
    p_.albumWorker->wait();
    settle(request);
    dispatch(s.shown);
}

void ShowPage::settle(const PageRequest& request) {
    PageState& s = *p_.state;
    s.menuId = request.menuId;
    s.parameter = request.parameter;
    p_.context->login->menuParameter = request.parameter;
    s.pageKind = ListPages::pageKindOf(request.menuId);
    s.listPage = 0;
    s.header = {};
    s.albumPage = request.albumPage;
    s.shown = request;
    if (s.shown.url.empty()) {
        ProtocolRequest built = ListRequest::build(*p_.context->login, request.menuId, 0);
        s.shown.url = std::move(built.url);
        s.shown.body = std::move(built.body);
    }
}

void ShowPage::dispatch(const PageRequest& request) {
    const int menuId = request.menuId;
    if (menuId == menu::kLocalAlbums || menuId == menu::kLocalAlbum)
        startAlbumReader();
    else if (menuId == menu::kDownloadStorage)
        startFolderReader();
    else if (isDeviceList(menuId))
        showDeviceList();
    else if (menuId == menu::kNowPlaying) {
        showStore(*p_.nowPlaying);
        p_.view->showCurrent(p_.nowPlaying->current());
    } else
        fetch(request.url, request.body);
}

void ShowPage::startAlbumReader() {
    const PageState& s = *p_.state;
    AlbumSongList songs;
    if (p_.albumDb != nullptr) {
        // Without a parameter the first album page lists every song.
        const std::string album = s.parameter.empty() && s.menuId == menu::kLocalAlbums
                                      ? std::to_string(MyAlbumDb::kAllSongsAlbum)
                                      : s.parameter;
        p_.albumDb->listAlbumSongs(album, songs);
    }
    p_.view->dropRows();
    p_.list->clear();
    p_.state->deviceFilesHeld = false;
    auto job = std::make_unique<LocalPageJob>(LocalPageJob::ofAlbum(songs, s.viewMode, s.pageKind));
    if (job->paths.empty())
        return showEmpty();
    p_.albumWorker->start(std::move(job), {p_.list, p_.factory, p_.port, p_.window});
}

void ShowPage::startFolderReader() {
    const PageState& s = *p_.state;
    p_.view->dropRows();
    p_.list->clear();
    p_.state->deviceFilesHeld = false;
    const std::vector<std::string> files = p_.folderFiles ? p_.folderFiles() : std::vector<std::string>();
    auto job = std::make_unique<LocalPageJob>(LocalPageJob::ofFiles(files, s.viewMode, s.pageKind));
    if (job->paths.empty())
        return showEmpty();
    p_.folderWorker->start(std::move(job), {p_.list, p_.factory, p_.port, p_.window});
}

void ShowPage::showDeviceList() {
    // The list store holds another page's songs until the host hands the device's files over.
    if (!p_.state->deviceFilesHeld) {
        p_.view->dropRows();
        p_.list->clear();
    }
    showStore(*p_.list);
}

void ShowPage::showStore(SongStore& store) {
    ListHandOver hand = handOver();
    // The now-playing list is headed by its size and length.
    if (&store == p_.nowPlaying)
        hand.title = listTotal(store);
    p_.view->showList(store, hand);
}

void ShowPage::showEmpty() {
    p_.view->showList(*p_.list, handOver());
}

void ShowPage::fetch(const std::string& url, const std::string& body) {
    PageState& s = *p_.state;
    p_.view->dropRows();
    p_.list->clear();
    s.deviceFilesHeld = false;
    s.header = {};
    const std::string reply = RequestSender::send(p_.context->request, url, true, body);
    if (!reply.empty() && ListParser::hasParser(s.pageKind)) {
        s.header = ListParser(*p_.context).parse(reply, s.pageKind, ListParser::into(*p_.list));
        // A reply that does not read as a list leaves the list empty, without a word.
        if (!s.header.ok)
            p_.list->clear();
    } else if (!reply.empty()) {
        // A page without a list (the album scrap) answers with the web page to show.
        // A negative code shows the server's message.
        const auto fields = ProtocolExchange::read(*p_.context, reply);
        if (fields && fields->code() >= 0)
            s.header.headerText2 = fields->text(1);
    }
    p_.view->showList(*p_.list, handOver());
}

void ShowPage::fetchListPage(int page) {
    PageState& s = *p_.state;
    const ListPage* listPage = ListPages::find(s.menuId);
    if (page < 0 || listPage == nullptr || !listPage->sendsListRequest())
        return;
    // An unranked list is one list: it may be fetched again, never paged.
    if (s.unrankedServiceList() && page != s.listPage)
        return;
    ProtocolRequest request = ListRequest::build(*p_.context->login, s.menuId, page);
    s.listPage = page;
    s.shown.url = std::move(request.url);
    s.shown.body = std::move(request.body);
    fetch(s.shown.url, s.shown.body);
}

void ShowPage::localPageReady(int viewMode, int pageKind) {
    // A reader of a page that was left since posts too late to be shown.
    if (pageKind != p_.state->pageKind)
        return;
    ListHandOver hand = handOver();
    hand.viewMode = viewMode;
    p_.view->showList(*p_.list, hand);
}

ListHandOver ShowPage::handOver() const {
    const PageState& s = *p_.state;
    ListHandOver hand{s.viewMode, s.pageKind, {}, s.header, {}};
    if (s.pageKind == page_kind::kSearch)
        hand.webAddress = s.header.headerText;
    else if (looksLikeAddress(s.header.headerText2))
        hand.webAddress = s.header.headerText2;
    else if (s.viewMode == kHtmlOnlyViewMode && looksLikeAddress(s.shown.title))
        hand.webAddress = s.shown.title;
    // A local album is headed by its name.
    if (s.menuId == menu::kLocalAlbum && p_.albumDb != nullptr && !s.parameter.empty())
        hand.title = Cp949::toUtf8(p_.albumDb->albumName(s.parameter));
    return hand;
}

} // namespace kesto
