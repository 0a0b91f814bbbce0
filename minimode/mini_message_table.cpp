#include "minimode/mini_message_table.h"

#include "listview/song_list_view.h"
#include "minimode/mini_ids.h"
#include "minimode/mini_play_list.h"
#include "minimode/mini_song_pages.h"
#include "songs/panel_messages.h"

#include <algorithm>
#include <array>

namespace kesto {

namespace {

using P = MiniParts;
using M = MessageWords;

struct MiniEntry {
    unsigned id;
    void (*run)(P&, M);
};

ListRow rowInFirst(M m) {
    return {static_cast<int>(m.first)};
}

const std::array kMessages = {
    MiniEntry{msg::kWindowCommand,
              [](P& p, M m) { MiniMessageTable::command(p, static_cast<int>(m.first)); }},
    MiniEntry{msg::kMiniPlayRow, [](P& p, M m) { p.list.playFrom(static_cast<int>(m.second)); }},
    MiniEntry{msg::kMiniLyrics, [](P& p, M m) { p.pages.showLyrics(rowInFirst(m)); }},
    MiniEntry{msg::kMiniIconClick, [](P& p, M m) { p.pages.songInformation(rowInFirst(m)); }},
    MiniEntry{msg::kMiniPhoneDeco, [](P& p, M m) { p.pages.phoneDecoPage(rowInFirst(m)); }},
    // A ticked box: the list draws its ticks and totals anew.
    MiniEntry{msg::kToListControl, [](P& p, M) { p.control.viewport()->update(); }},
    // Rows dragged within the list; the list tells back when they moved.
    MiniEntry{msg::kMoveRows, [](P& p, M) { p.control.moveDraggedRows(); }},
};

const std::array kCommands = {
    MiniEntry{mini::kAddButton, [](P& p, M) { p.list.openPopup(mini::kAddButton); }},
    MiniEntry{mini::kDeleteButton, [](P& p, M) { p.list.openPopup(mini::kDeleteButton); }},
    MiniEntry{mini::kPutButton, [](P& p, M) { p.list.openPopup(mini::kPutButton); }},
    MiniEntry{mini::kListenButton, [](P& p, M) { p.list.listen(); }},
    MiniEntry{mini::kCloseButton, [](P& p, M) { p.list.close(); }},
    MiniEntry{mini::kCheckAllButton, [](P& p, M) { p.list.toggleAll(); }},
    MiniEntry{mini::kSortByName, [](P& p, M) { p.control.sortByColumn(mini::kSongColumn); }},
    MiniEntry{mini::kSortByTime, [](P& p, M) { p.control.sortByColumn(mini::kTimeColumn); }},
};

template <std::size_t N> const MiniEntry* find(const std::array<MiniEntry, N>& table, unsigned id) {
    const auto* it = std::ranges::find_if(table, [id](const MiniEntry& e) { return e.id == id; });
    return it != table.end() ? it : nullptr;
}

} // namespace

bool MiniMessageTable::dispatch(MiniParts& parts, unsigned message, MessageWords words) {
    const MiniEntry* entry = find(kMessages, message);
    if (entry == nullptr)
        return false;
    entry->run(parts, words);
    return true;
}

void MiniMessageTable::command(MiniParts& parts, int id) {
    // The list's own commands (download, gift, delete, put, add, load) run by their id.
    if (const MiniEntry* entry = find(kCommands, static_cast<unsigned>(id)))
        entry->run(parts, {});
    else
        parts.list.runListCommand(id);
}

} // namespace kesto
