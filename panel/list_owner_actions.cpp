#include "panel/list_owner_actions.h"

#include "columns/list_command_ids.h"
#include "commands/menu_eligibility.h"
#include "commands/selection.h"
#include "listview/song_list_view.h"
#include "pages/song_commands.h"
#include "pages/song_drops.h"
#include "songs/list_pages.h"
#include "songs/song_store.h"

namespace kesto {

namespace {
constexpr int kDefaultSkin = 1;
}

bool ListOwnerActions::onGiftBoxPage() const {
    const int kind = p_.pageKind ? p_.pageKind() : 0;
    return kind == kReceivedGifts || kind == page_kind::kSentGifts;
}

bool ListOwnerActions::onNowPlayingPage() const {
    return p_.pageKind && p_.pageKind() == ListPages::pageKindOf(menu::kNowPlaying);
}

void ListOwnerActions::checkChanged(int row, bool checked) {
    SongListView* list = p_.list ? p_.list() : nullptr;
    if (list == nullptr || p_.nowPlaying == nullptr || !onNowPlayingPage())
        return;
    // The rows of the now-playing page are the store's own records, in the store's order.
    Song* shown = list->record(row);
    if (shown != nullptr && p_.nowPlaying->get(row) == shown)
        shown->Marked = checked ? 1 : 0;
}

void ListOwnerActions::rowsSorted() {
    SongListView* list = p_.list ? p_.list() : nullptr;
    if (list == nullptr || p_.nowPlaying == nullptr || !onNowPlayingPage())
        return;
    std::vector<const Song*> order;
    order.reserve(static_cast<std::size_t>(list->rowCount()));
    for (int row = 0; row < list->rowCount(); ++row)
        order.push_back(list->record(row));
    p_.nowPlaying->reorder(order);
    list->setCurrentRow(p_.nowPlaying->current());
}

bool ListOwnerActions::commandEnabled(int commandId) const {
    SongListView* list = p_.list ? p_.list() : nullptr;
    std::vector<const Song*> chosen;
    if (list != nullptr)
        for (const int row : list->selectedRows())
            chosen.push_back(list->record(row));
    const SongDrops* drops = p_.drops ? p_.drops() : nullptr;
    if (drops != nullptr && (commandId == listcmd::kCut || commandId == listcmd::kCut2) && !drops->canCut())
        return false;
    if (commandId == listcmd::kPaste || commandId == listcmd::kPaste2)
        return drops != nullptr && drops->canPaste();
    // Only a gift carries a message: the gift box pages.
    if ((commandId == listcmd::kGiftMessage || commandId == listcmd::kGiftMessage2) && !onGiftBoxPage())
        return false;
    return MenuEligibility::enabled(commandId, chosen);
}

void ListOwnerActions::clipboard(int commandId) {
    SongDrops* drops = p_.drops ? p_.drops() : nullptr;
    if (drops == nullptr)
        return;
    if (commandId == listcmd::kCut || commandId == listcmd::kCut2)
        drops->cut();
    else if (commandId == listcmd::kCopy || commandId == listcmd::kCopy2)
        drops->copy();
    else if (commandId == listcmd::kPaste || commandId == listcmd::kPaste2)
        drops->paste();
}

void ListOwnerActions::putInto(int commandId, const std::vector<Song*>& records) {
    SongCommands* commands = p_.songs ? p_.songs() : nullptr;
    if (commands == nullptr)
        return;
    Selection chosen;
    SongListView* list = p_.list ? p_.list() : nullptr;
    for (Song* record : records) {
        int row = -1;
        for (int i = 0; list != nullptr && i < list->rowCount() && row < 0; ++i)
            if (list->record(i) == record)
                row = i;
        chosen.add(*record, row);
    }
    commands->putInto(commandId, chosen);
}

void ListOwnerActions::loadList(int which) {
    if (!p_.showPage)
        return;
    if (which == kLoadPlayList)
        p_.showPage(menu::kLocalAlbums, kLoadViewMode);
    else if (which == kLoadMyAlbum)
        p_.showPage(menu::kOnlineAlbums, kOnlineAlbumViewMode);
}

void ListOwnerActions::clearNowPlaying() {
    if (p_.nowPlaying == nullptr)
        return;
    // The rows point into the store: they go first.
    if (onNowPlayingPage() && p_.dropRows)
        p_.dropRows();
    p_.nowPlaying->clear();
    if (onNowPlayingPage() && p_.showPage)
        p_.showPage(menu::kNowPlaying, kLoadViewMode);
}

void ListOwnerActions::deleteFromNowPlaying() {
    SongListView* list = p_.list ? p_.list() : nullptr;
    if (list == nullptr || p_.nowPlaying == nullptr || !onNowPlayingPage())
        return;
    std::vector<const Song*> leaving;
    for (int row = 0; row < list->rowCount(); ++row)
        if (list->isChecked(row) && list->record(row) != nullptr)
            leaving.push_back(list->record(row));
    if (leaving.empty())
        return;
    // The rows point into the store: they go first.
    if (p_.dropRows)
        p_.dropRows();
    for (const Song* record : leaving)
        p_.nowPlaying->remove(record);
    if (p_.showPage)
        p_.showPage(menu::kNowPlaying, kLoadViewMode);
}

int ListOwnerActions::skinType() const {
    const int value = p_.skinValue ? p_.skinValue() : 0;
    return value == 0 ? kDefaultSkin : value;
}

bool ListOwnerActions::currentMarking() const {
    return !p_.markingValue || p_.markingValue() == 0;
}

} // namespace kesto
