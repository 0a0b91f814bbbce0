#include "pages/page_navigator.h"

#include "links/link_scheme.h"
#include "pages/page_buttons.h"
#include "pages/page_state.h"
#include "pages/panel_window_ops.h"
#include "pages/show_page.h"
#include "protocol/link_commands.h"
#include "protocol/link_item_rule.h"
#include "protocol/web_handoff.h"
#include "songs/list_pages.h"
#include "songs/panel_messages.h"
#include "songs/song.h"

#include <algorithm>

namespace kesto {

namespace {
// Link items after the id: the album form's page type (1: the album page) and a first page.
constexpr char kRowLinkItems[] = ";1;0";
// Entries 47 and 48: 1 the next page of the history.
constexpr int kNextDirection = 1;
} // namespace

void PageNavigator::open(const PageRequest& request) {
    if (request.menuId == menu::kNoChange)
        return;
    history_.record(request);
    p_.showPage->run(request);
    p_.window->refreshButtons();
}

void PageNavigator::followLink(std::string_view link) {
    const auto action = LinkScheme::match(link);
    // A refused link is still a scheme link: it is swallowed, never loaded.
    if (!action || !LinkItemRule::accepts(action->argument))
        return;
    const LinkCommands commands(*p_.context);
    LinkRequest request;
    switch (action->code) {
    case LinkScheme::kSong:
        if (p_.playSong)
            p_.playSong(commands.song(action->argument));
        return;
    case LinkScheme::kAlbum:
        request = commands.album(action->argument);
        break;
    case LinkScheme::kArtist:
        request = commands.artist(action->argument);
        break;
    case LinkScheme::kCategory:
        request = commands.serviceList(action->argument);
        break;
    case LinkScheme::kUrl:
        request = commands.generic(action->argument);
        if (request.refused)
            return;
        break;
    case LinkScheme::kTheme:
        request = commands.theme(action->argument);
        break;
    case LinkScheme::kSearch:
        request = commands.search(action->argument);
        break;
    default:
        return; // buying and gifting links only swallow the click
    }
    openLink(request, action->argument);
}

void PageNavigator::followLabelLink(std::string_view link) {
    const auto action = LinkScheme::match(link);
    if (action && action->code != LinkScheme::kSearch)
        followLink(link);
    else if (!link.empty())
        WebHandoff(*p_.context).handOff(KESTO_MSG_OPEN_WEB_PAGE, link, {});
}

bool PageNavigator::openNamedPage(std::string_view parameter) {
    // "/protocol.jsp?buyingHistory;1": the word after the path, then the link's first item.
    const std::string_view first = parameter.substr(0, parameter.find(';'));
    const std::size_t wordStart = first.find_last_of("?/");
    const std::string_view word = wordStart == std::string_view::npos ? first : first.substr(wordStart + 1);
    const std::string_view rest = parameter.size() > first.size() ? parameter.substr(first.size() + 1) : "";
    const std::string_view item = rest.substr(0, rest.find(';'));
    const ListPage* named = ListPages::findByCommand(word, item);
    if (named == nullptr)
        return false;
    PageRequest page;
    page.viewMode = kLinkedListViewMode;
    page.menuId = named->menuId;
    const auto items = named->bodyItems();
    if (!items.empty() && items[0].kind == BodyItem::Kind::MenuParameter)
        page.parameter = item;
    open(page);
    return true;
}

void PageNavigator::openLink(const LinkRequest& link, std::string_view parameter) {
    if (link.webPage) {
        p_.window->navigateHtml(link.request.url);
        return;
    }
    // A generic link that names a list page shows that page, its layout and its request.
    if (link.menuId == 0 && openNamedPage(parameter))
        return;
    PageRequest page;
    // A link that names no page or view mode keeps the current ones.
    page.viewMode = link.viewMode != 0 ? link.viewMode : p_.state->viewMode;
    page.menuId = link.menuId != 0 ? link.menuId : p_.state->menuId;
    page.parameter = parameter;
    page.url = link.request.url;
    page.body = link.request.body;
    page.albumPage = link.albumPage;
    open(page);
}

void PageNavigator::showPage(const PageChoice& choice) {
    PageRequest request;
    request.viewMode = choice.viewMode;
    request.title = std::string(choice.title);
    request.menuId = choice.menuId;
    request.parameter = std::string(choice.parameter);
    request.reserved = choice.reserved;
    open(request);
}

void PageNavigator::openDeviceList(int device, std::string_view title, std::string_view parameter) {
    const int menuId = device == 0 ? menu::kFirstDevice : menu::kLastDevice;
    showPage({kDeviceListViewMode, title, menuId, parameter, 0});
}

void PageNavigator::goToPage(int direction) {
    step(direction == kNextDirection);
}

bool PageNavigator::hasPage(int direction) const {
    return canStep(direction == kNextDirection);
}

void PageNavigator::genericRequest(int value) {
    if (p_.port != nullptr && p_.panelWindow != nullptr)
        p_.port->post(p_.panelWindow, msg::kGenericRequest, value, 0);
}

void PageNavigator::openMenu(int menuId, int viewMode) {
    PageRequest request;
    request.menuId = menuId;
    request.viewMode = viewMode;
    open(request);
}

void PageNavigator::step(bool forward) {
    if (auto page = history_.step(forward)) {
        p_.showPage->run(*page);
        p_.window->refreshButtons();
    }
}

bool PageNavigator::commandActs(unsigned controlId) const {
    // A host or a key can post a button's command while the button is off.
    return PageButtons::acts(p_.state->pageKind, static_cast<int>(controlId));
}

void PageNavigator::search() {
    std::string words = p_.window->searchWords();
    // The link form cuts its items at ';'.
    std::replace(words.begin(), words.end(), ';', ' ');
    if (words.empty())
        return;
    const LinkRequest link = LinkCommands(*p_.context).search("0;" + words);
    PageRequest request;
    request.viewMode = link.viewMode != 0 ? link.viewMode : kSearchViewMode;
    request.menuId = link.menuId != 0 ? link.menuId : menu::kSearch;
    request.parameter = words;
    request.url = link.request.url;
    request.body = link.request.body;
    open(request);
}

void PageNavigator::startPage() {
    p_.window->navigateHtml(std::string(p_.context->login->protocolBase) + "/");
}

void PageNavigator::toListControl() {
    if (p_.state->pageKind != 0)
        p_.window->forwardToListControl();
}

void PageNavigator::nextListPage() {
    p_.port->post(p_.panelWindow, msg::kNextListPage, p_.state->listPage + 1, 0);
}

void PageNavigator::previousListPage() {
    if (p_.state->listPage >= 1)
        p_.port->post(p_.panelWindow, msg::kPreviousListPage, p_.state->listPage, 0);
}

void PageNavigator::reloadPage() {
    const ListPage* page = ListPages::find(p_.state->menuId);
    if (page != nullptr && page->sendsListRequest())
        p_.showPage->fetchListPage(p_.state->listPage);
    else if (p_.state->menuId >= 0)
        p_.showPage->run(p_.state->shown);
}

void PageNavigator::showNextListPage(PageNumber page) {
    p_.showPage->fetchListPage(page.page);
    p_.window->refreshButtons(); // the previous list page exists now
}

void PageNavigator::showPreviousListPage(PageNumber page) {
    if (page.page < 1)
        return;
    p_.showPage->fetchListPage(page.page - 1);
    p_.window->refreshButtons();
}

void PageNavigator::localPageReady(LocalPageDone done) {
    p_.showPage->localPageReady(done.viewMode, done.pageKind);
}

void PageNavigator::updateAndReload(ReloadAsk ask) {
    if (ask.token != msg::kReloadToken)
        return;
    p_.window->updateHost();
    p_.port->post(p_.panelWindow, msg::kReloadPage, msg::kReloadToken, ask.passOn);
}

void PageNavigator::fetchShownListPage() {
    const ListPage* shown = ListPages::find(p_.state->menuId);
    if (shown != nullptr && shown->sendsListRequest())
        p_.showPage->fetchListPage(p_.state->listPage);
}

std::string PageNavigator::rowLinkParameter(const char* id) {
    return std::string(id) + kRowLinkItems;
}

void PageNavigator::artistPage(ListRow row) {
    showRowList(row, true);
}

void PageNavigator::albumPage(ListRow row) {
    showRowList(row, false);
}

void PageNavigator::showRowList(ListRow row, bool artist) {
    Song song;
    const SongField id = artist ? SongField::Artist_ID : SongField::Album_ID;
    if (!p_.window->recordAt(row.row, song) || song.isEmpty(id))
        return;
    const std::string parameter = rowLinkParameter(song.text(id));
    const LinkCommands commands(*p_.context);
    openLink(artist ? commands.artist(parameter) : commands.album(parameter), parameter);
}

} // namespace kesto
