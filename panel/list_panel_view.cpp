// The list panel toward its views: the list control and the window operations the page side asks for.
#include "panel/list_panel.h"

#include "listview/song_list_view.h"
#include "module/module_state.h"
#include "pages/page_buttons.h"
#include "pages/song_commands.h"
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

void ListPanel::clearSelection() {
    if (listView_ != nullptr)
        listView_->list().uncheckAll();
}

void ListPanel::refreshButtons() {
    if (buttons_ == nullptr || !commands_)
        return;
    buttons_->enableButton(cmd::kPreviousPage, commands_->hasPage(false));
    buttons_->enableButton(cmd::kNextPage, commands_->hasPage(true));
    const ListPage* page = ListPages::find(state().menuId);
    const bool paged = state().pagingOffered(page != nullptr && page->sendsListRequest());
    buttons_->enableButton(cmd::kNextListPage, paged);
    buttons_->enableButton(cmd::kPreviousListPage, paged && state().listPage >= 1);
    for (const int id : cmd::kButtonOrder)
        if (PageButtons::isSongButton(id))
            buttons_->enableButton(id, PageButtons::acts(state().pageKind, id));
}

int ListPanel::selectAll(bool on) {
    if (listView_ == nullptr)
        return 0;
    if (on)
        listView_->list().checkAll();
    else
        listView_->list().uncheckAll();
    return 1;
}

WindowHandle ListPanel::childWindow(int which, KestoRect& screenRect) const {
    QWidget* child = nullptr;
    if (listView_ != nullptr && which == kListControl)
        child = &listView_->list();
    else if (listView_ != nullptr && which == kSecondChild)
        child = listView_->html().widget();
    if (child == nullptr || !child->isVisible())
        return nullptr;
    const QPoint topLeft = child->mapToGlobal(QPoint(0, 0));
    screenRect = {topLeft.x(), topLeft.y(), topLeft.x() + child->width(), topLeft.y() + child->height()};
    return child;
}

// ---- window operations of the page side ----

void ListPanel::layOut() {
    if (window_)
        window_->layOutChildren();
}

void ListPanel::killTimer(int) {
    if (window_)
        window_->stopOneShotTimer();
}

void ListPanel::navigateHtml(const std::string& address) {
    if (listView_ != nullptr)
        listView_->html().navigate(address);
}

void ListPanel::showWebPage(const std::string& address, const std::string& title) {
    if (listView_ != nullptr)
        listView_->showWebPage(address, title);
}

void ListPanel::postHtml(const std::string& address, const std::string& body) {
    if (listView_ != nullptr)
        listView_->html().post(address, body);
}

void ListPanel::openLyrics(std::string_view songId) {
    if (commands_)
        commands_->openLyricsPage(songId);
}

void ListPanel::genericRequest(int value) {
    if (window_ && model_.context().port != nullptr)
        model_.context().port->post(window_.data(), msg::kGenericRequest, value, 0);
}

void ListPanel::forwardToListControl() {
    if (listView_ != nullptr)
        listView_->list().viewport()->update();
}

void ListPanel::updateHost() {
    if (auto* host = static_cast<QWidget*>(module_.hostWindow()))
        host->repaint();
}

bool ListPanel::recordAt(int row, Song& out) const {
    const Song* record = listView_ != nullptr ? listView_->list().record(row) : nullptr;
    if (record == nullptr)
        return false;
    out = *record;
    return true;
}

Selection ListPanel::tickedSongs() const {
    Selection chosen;
    if (listView_ == nullptr)
        return chosen;
    SongListView& list = listView_->list();
    for (int row = 0; row < list.rowCount(); ++row)
        if (list.isChecked(row) && list.record(row) != nullptr)
            chosen.add(*list.record(row), row);
    return chosen;
}

std::string ListPanel::searchWords() const {
    return buttons_ != nullptr ? buttons_->searchWords() : std::string();
}

} // namespace kesto
