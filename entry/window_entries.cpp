#include "entry/window_entries.h"

#include "entry/entry_table.h"
#include "module/list_control_operations.h"
#include "module/module_state.h"

namespace kesto {
namespace {

constexpr int kListControl = 1;
constexpr int kPanelSecondChild = 2;
constexpr int kMiniListList = 3;
constexpr int kSongTextView = 4;

ModuleState& state() {
    return ModuleState::instance();
}

int setWindowPos(void* insertAfter, int x, int y, int cx, int cy, unsigned flags) {
    PanelOperations* panel = state().panel();
    return panel != nullptr ? panel->setWindowPos(insertAfter, x, y, cx, cy, flags) : 0;
}

void moveWindow(int x, int y, int cx, int cy, int repaint) {
    if (state().panel() != nullptr)
        state().panel()->moveWindow(x, y, cx, cy, repaint != 0);
}

void* panelWindow() {
    return state().panel() != nullptr ? state().panel()->window() : nullptr;
}

void* miniListWindow() {
    return state().miniList() != nullptr ? state().miniList()->window() : nullptr;
}

void* songTextWindow() {
    return state().songText() != nullptr ? state().songText()->window() : nullptr;
}

void* childWindow(int which, KestoRect* out) {
    KestoRect rect{};
    WindowHandle window = nullptr;
    const ModuleState& s = state();
    if ((which == kListControl || which == kPanelSecondChild) && s.panel() != nullptr &&
        s.panel()->listControl() != nullptr)
        window = s.panel()->listControl()->childWindow(which, rect);
    else if (which == kMiniListList && s.miniList() != nullptr)
        window = s.miniList()->listWindow(rect);
    else if (which == kSongTextView && s.songText() != nullptr)
        window = s.songText()->viewWindow(rect);
    if (window != nullptr && out != nullptr)
        *out = rect;
    return window;
}

} // namespace

void WindowEntries::install(KestoEntryFn* t) {
    EntryTable::put<KestoEntry18, 18, &setWindowPos>(t);
    EntryTable::put<KestoEntry19, 19, &moveWindow>(t);
    EntryTable::put<KestoEntry20, 20, &panelWindow>(t);
    EntryTable::put<KestoEntry31, 31, &miniListWindow>(t);
    EntryTable::put<KestoEntry32, 32, &songTextWindow>(t);
    EntryTable::put<KestoEntry74, 74, &childWindow>(t);
}

} // namespace kesto
