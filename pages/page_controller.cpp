#include "pages/page_controller.h"

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

#include <algorithm>

namespace kesto {

void PageController::open(const PageRequest& request) {
    if (request.menuId == menu::kNoChange)
        return;
    history_.record(request);
    p_.showPage->run(request);
    p_.window->refreshButtons();
}

bool PageController::followLink(std::string_view link) {
    const auto action = LinkScheme::match(link);
    if (!action)
        return false;
    // A refused link is still a scheme link: it is swallowed, never loaded.
    if (!LinkItemRule::accepts(action->argument))
        return true;
    const LinkCommands commands(*p_.context);
    LinkRequest request;
    switch (action->code) {
    case LinkScheme::kSong:
        playSongLink(commands.song(action->argument), action->argument);
        return true;
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
            return true;
        break;
    case LinkScheme::kTheme:
        request = commands.theme(action->argument);
        break;
    case LinkScheme::kSearch:
        request = commands.search(action->argument);
        break;
    default:
        return true; // buying and gifting links only swallow the click
    }
    openLink(request, action->argument);
    return true;
}

void PageController::followLabelLink(std::string_view link) {
    const auto action = LinkScheme::match(link);
    if (action && action->code != LinkScheme::kSearch)
        followLink(link);
    else if (!link.empty())
        WebHandoff(*p_.context).handOff(KESTO_MSG_OPEN_WEB_PAGE, link, {});
}

bool PageController::openNamedPage(std::string_view parameter) {
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

void PageController::openLink(const LinkRequest& link, std::string_view parameter) {
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

void PageController::step(bool forward) {
    if (auto page = history_.step(forward)) {
        p_.showPage->run(*page);
        p_.window->refreshButtons();
    }
}

bool PageController::commandActs(unsigned controlId) const {
    // A host or a key can post a button's command while the button is off.
    return PageButtons::acts(p_.state->pageKind, static_cast<int>(controlId));
}

void PageController::layOut(W, L) {
    p_.window->layOut();
}

void PageController::timerFired(W timerId, L) {
    if (timerId == kOneShotTimer)
        p_.window->killTimer(kOneShotTimer);
}

void PageController::search(W, L) {
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

void PageController::previousPage(W, L) {
    step(false);
}

void PageController::nextPage(W, L) {
    step(true);
}

void PageController::startPage(W, L) {
    p_.window->navigateHtml(std::string(p_.context->login->protocolBase) + "/");
}

void PageController::toListControl(W, L) {
    if (p_.state->pageKind != 0)
        p_.window->forwardToListControl();
}

void PageController::nextListPage(W, L) {
    p_.port->post(p_.panelWindow, msg::kNextListPage, p_.state->listPage + 1, 0);
}

void PageController::previousListPage(W, L) {
    if (p_.state->listPage >= 1)
        p_.port->post(p_.panelWindow, msg::kPreviousListPage, p_.state->listPage, 0);
}

void PageController::reloadPage(W, L) {
    const ListPage* page = ListPages::find(p_.state->menuId);
    if (page != nullptr && page->sendsListRequest())
        p_.showPage->fetchListPage(p_.state->listPage);
    else if (p_.state->menuId >= 0)
        p_.showPage->run(p_.state->shown);
}

void PageController::showNextListPage(W page, L) {
    p_.showPage->fetchListPage(static_cast<int>(page));
    p_.window->refreshButtons(); // the previous list page exists now
}

void PageController::showPreviousListPage(W page, L) {
    if (page < 1)
        return;
    p_.showPage->fetchListPage(static_cast<int>(page) - 1);
    p_.window->refreshButtons();
}

void PageController::localPageReady(W viewMode, L pageKind) {
    p_.showPage->localPageReady(static_cast<int>(viewMode), static_cast<int>(pageKind));
}

void PageController::updateAndReload(W token, L lParam) {
    if (token != msg::kReloadToken)
        return;
    p_.window->updateHost();
    p_.port->post(p_.panelWindow, msg::kReloadPage, msg::kReloadToken, lParam);
}

} // namespace kesto
