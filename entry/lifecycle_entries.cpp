#include "entry/lifecycle_entries.h"

#include "entry/entry_args.h"
#include "entry/entry_table.h"
#include "entry/login_reply_loader.h"
#include "module/module_state.h"

namespace kesto {
namespace {

ModuleState& state() {
    return ModuleState::instance();
}

void* loginBlock() {
    return &state().login();
}

int serviceValue() {
    auto fn = StartupValues::slotAs<KestoSvcValueFn>(state().startup().serviceB, KESTO_SVC_B_VALUE);
    return fn != nullptr ? fn() : 0;
}

int takeStartup(void* resource, KestoHostTable skin, KestoHostTable net, int tagService,
                KestoHostTable serviceA, KestoHostTable serviceB) {
    state().setStartup(StartupValues{resource, skin, net, tagService, serviceA, serviceB});
    return 1;
}

void nothing() {}

int createPanel(const KestoRect* rect, int noBlank) {
    ModuleState& s = state();
    if (s.panel() != nullptr || !s.panelFactory())
        return 0;
    s.setPanel(s.panelFactory()(s));
    if (s.panel() == nullptr)
        return 0;
    // A panel whose window fails stays allocated without a window.
    const KestoRect area = rect != nullptr ? *rect : KestoRect{};
    if (!s.panel()->createWindow(s.hostWindow(), area, noBlank != 0))
        return 0;
    // A host that plays already (a panel made again) finds its list on screen.
    s.showNowPlayingWhenHostPlays();
    return 1;
}

int destroyAll() {
    ModuleState& s = state();
    // The mini list shows the panel's now-playing store: it lets go before the store goes.
    if (s.miniList() != nullptr && s.panel() != nullptr)
        s.miniList()->clearList();
    if (s.panel() != nullptr) {
        s.panel()->destroyWindow();
        s.setPanel(nullptr);
    }
    if (s.miniList() != nullptr) {
        s.miniList()->destroyWindow();
        s.setMiniList(nullptr);
    }
    if (s.songText() != nullptr) {
        s.songText()->destroyWindow();
        s.setSongText(nullptr);
    }
    return 1;
}

int setHostValue0(int value) {
    state().setHostValue(0, value);
    return value;
}

int setHostValue1(int value) {
    state().setHostValue(1, value);
    return value;
}

void takeLogin(const char* reply, const char* userId, int c, int d) {
    ModuleState& s = state();
    if (d == 0) {
        const std::string_view id = EntryArgs::text(userId);
        if (!id.empty())
            s.login().userId = std::string(id);
        LoginReplyLoader::load(s.login(), EntryArgs::text(reply));
    }
    if (c == 1 && s.panel() != nullptr)
        s.panel()->startPromotion();
}

int reservedWithValue(int) {
    return 0;
}
int reserved() {
    return 0;
}

} // namespace

void LifecycleEntries::install(KestoEntryFn* t) {
    EntryTable::put<KestoEntry3, 3, &loginBlock>(t);
    EntryTable::put<KestoEntry9, 9, &serviceValue>(t);
    EntryTable::put<KestoEntry14, 14, &takeStartup>(t);
    EntryTable::put<KestoEntry15, 15, &nothing>(t);
    EntryTable::put<KestoEntry16, 16, &createPanel>(t);
    EntryTable::put<KestoEntry17, 17, &destroyAll>(t);
    EntryTable::put<KestoEntry21, 21, &setHostValue0>(t);
    EntryTable::put<KestoEntry22, 22, &setHostValue1>(t);
    EntryTable::put<KestoEntry39, 39, &takeLogin>(t);
    EntryTable::put<KestoEntry54, 54, &reservedWithValue>(t);
    EntryTable::put<KestoEntry61, 61, &reserved>(t);
    EntryTable::put<KestoEntry64, 64, &reserved>(t);
    EntryTable::put<KestoEntry65, 65, &reserved>(t);
    EntryTable::put<KestoEntry66, 66, &reserved>(t);
}

} // namespace kesto
