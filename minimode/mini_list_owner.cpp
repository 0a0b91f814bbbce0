#include "minimode/mini_list_owner.h"

#include "listview/song_list_view.h"
#include "minimode/mini_now_playing.h"
#include "module/module_state.h"
#include "songs/song_store.h"

#include <QAbstractButton>

namespace kesto {

namespace {
constexpr int kDefaultSkin = 1;
}

void MiniListOwner::attach(SongListView& list) {
    list.setMessageBox(messageBox());
    list.setHostSideWindow(hostSideWindow());
    list.setAnswers({[this] { return skinType(); }, {}, {}, [this] { return dropPageKind(); }});
    QObject::connect(&list, &SongListView::checkChanged, &list,
                     [this](int row, bool on) { checkChanged(row, on); });
    QObject::connect(&list, &SongListView::allCheckedChanged, &list,
                     [this](bool all) { allCheckedChanged(all); });
    QObject::connect(&list, &SongListView::rowsSorted, &list, [this] { rowsSorted(); });
    QObject::connect(&list, &SongListView::rowsMoved, &list, [this] { rowsMoved(); });
    QObject::connect(&list, &SongListView::songsDropped, &list,
                     [this](const DropDecision& decision, const std::vector<Song>& songs) {
                         songsDropped(decision, songs);
                     });
    QObject::connect(&list, &SongListView::filesDropped, &list,
                     [this](const std::vector<std::string>& paths) { filesDropped(paths); });
    QObject::connect(&list, &SongListView::forwardCommand, &list, [this](int id) { forwardCommand(id); });
}

int MiniListOwner::dropPageKind() const {
    const PanelOperations* panel = p_.module->panel();
    return panel != nullptr ? panel->pageKind() : 0;
}

int MiniListOwner::skinType() const {
    const int skin = p_.module->hostValue(0);
    return skin != 0 ? skin : kDefaultSkin;
}

WindowHandle MiniListOwner::hostSideWindow() const {
    return p_.module->hostWindow();
}

void MiniListOwner::checkChanged(int row, bool checked) {
    SongStore* store = p_.nowPlaying->store();
    if (Song* record = store != nullptr ? store->get(row) : nullptr)
        record->Marked = checked ? 1 : 0;
}

void MiniListOwner::allCheckedChanged(bool allChecked) {
    SongListView* list = p_.list();
    if (QAbstractButton* checkAll = p_.checkAll())
        checkAll->setChecked(allChecked && list != nullptr && list->rowCount() > 0);
}

void MiniListOwner::rowsSorted() {
    p_.nowPlaying->followRows();
}

void MiniListOwner::rowsMoved() {
    p_.nowPlaying->followRows();
}

// The mini list takes songs in wherever they are dropped: the page's operation is the panel's.
void MiniListOwner::songsDropped(const DropDecision&, const std::vector<Song>& songs) {
    SongListView* list = p_.list();
    p_.nowPlaying->insertSongs(list != nullptr ? list->dropRow() : -1, songs);
}

void MiniListOwner::filesDropped(const std::vector<std::string>& paths) {
    p_.nowPlaying->addPaths(paths);
}

} // namespace kesto
