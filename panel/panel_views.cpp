#include "panel/panel_views.h"

#include "listview/song_list_view.h"
#include "module/module_state.h"
#include "pages/page_buttons.h"
#include "pages/page_navigator.h"
#include "pages/page_state.h"
#include "panel/button_bar.h"
#include "panel/list_panel_window.h"
#include "panel/list_view_area.h"
#include "songs/list_pages.h"
#include "songs/panel_messages.h"
#include "songs/song.h"
#include "webview/html_area.h"

namespace kesto {

namespace {

constexpr int kListControl = 1;
constexpr int kSecondChild = 2;

} // namespace

// ---- the list control ----

void PanelViews::clearSelection() {
    p_.listView->list().uncheckAll();
}

void PanelViews::refreshButtons() {
    if (navigator_ == nullptr)
        return;
    ButtonBar& buttons = *p_.buttons;
    const PageState& state = *p_.state;
    buttons.enableButton(cmd::kPreviousPage, navigator_->canStep(false));
    buttons.enableButton(cmd::kNextPage, navigator_->canStep(true));
    const ListPage* page = ListPages::find(state.menuId);
    const bool paged = state.pagingOffered(page != nullptr && page->sendsListRequest());
    buttons.enableButton(cmd::kNextListPage, paged);
    buttons.enableButton(cmd::kPreviousListPage, paged && state.listPage >= 1);
    for (const int id : cmd::kButtonOrder)
        if (PageButtons::isSongButton(id))
            buttons.enableButton(id, PageButtons::acts(state.pageKind, id));
}

int PanelViews::selectAll(bool on) {
    if (on)
        p_.listView->list().checkAll();
    else
        p_.listView->list().uncheckAll();
    return 1;
}

WindowHandle PanelViews::childWindow(int which, KestoRect& screenRect) const {
    QWidget* child = nullptr;
    if (which == kListControl)
        child = &p_.listView->list();
    else if (which == kSecondChild)
        child = p_.listView->html().widget();
    if (child == nullptr || !child->isVisible())
        return nullptr;
    const QPoint topLeft = child->mapToGlobal(QPoint(0, 0));
    screenRect = {topLeft.x(), topLeft.y(), topLeft.x() + child->width(), topLeft.y() + child->height()};
    return child;
}

int PanelViews::showBlankPage() {
    p_.listView->html().navigate(HtmlArea::kBlankPage);
    return 1;
}

// ---- what the parts ask of the window ----

void PanelViews::layOut() {
    p_.window->layOutChildren();
}

void PanelViews::timerFired(TimerId timer) {
    if (timer.id == TimerId::kOneShot)
        p_.window->stopOneShotTimer();
}

void PanelViews::navigateHtml(const std::string& address) {
    p_.listView->html().navigate(address);
}

void PanelViews::showWebPage(const std::string& address, const std::string& title) {
    p_.listView->showWebPage(address, title);
}

void PanelViews::postHtml(const std::string& address, const std::string& body) {
    p_.listView->html().post(address, body);
}

void PanelViews::forwardToListControl() {
    p_.listView->list().viewport()->update();
}

void PanelViews::updateHost() {
    if (auto* host = static_cast<QWidget*>(p_.module->hostWindow()))
        host->repaint();
}

bool PanelViews::recordAt(int row, Song& out) const {
    const Song* record = p_.listView->list().record(row);
    if (record == nullptr)
        return false;
    out = *record;
    return true;
}

Selection PanelViews::tickedSongs() const {
    Selection chosen;
    SongListView& list = p_.listView->list();
    for (int row = 0; row < list.rowCount(); ++row)
        if (list.isChecked(row) && list.record(row) != nullptr)
            chosen.add(*list.record(row), row);
    return chosen;
}

std::string PanelViews::searchWords() const {
    return p_.buttons->searchWords();
}

} // namespace kesto
