#include "module/module_state.h"

#include "module/page_operations.h"
#include "songs/list_pages.h"

namespace kesto {

namespace {

constexpr int kNowPlayingViewMode = 4; // the list alone

} // namespace

ModuleState& ModuleState::instance() {
    static ModuleState state;
    return state;
}

bool ModuleState::acceptHostWindow(WindowHandle window) {
    if (window == nullptr || hostAccepted_ || panel_ != nullptr)
        return false;
    hostWindow_ = window;
    hostAccepted_ = true;
    return true;
}

void ModuleState::writeSetting(std::string_view keyPath, std::string_view name,
                               std::string_view value) const {
    if (settingWriter_)
        settingWriter_(keyPath, name, value);
}

bool ModuleState::postToHost(unsigned message, std::intptr_t wParam, std::intptr_t lParam) const {
    return port_ != nullptr && hostWindow_ != nullptr && port_->post(hostWindow_, message, wParam, lParam);
}

void ModuleState::showNowPlayingWhenHostPlays() const {
    if (panel_ == nullptr || panel_->pageKind() == page_kind::kNowPlaying)
        return;
    auto playing = StartupValues::slotAs<KestoSvcIntFn>(startup_.serviceA, KESTO_SVC_A_IS_PLAYING);
    if (playing != nullptr && playing() != 0 && panel_->pages() != nullptr)
        panel_->pages()->showPage({kNowPlayingViewMode, {}, menu::kNowPlaying, {}, 0});
}

void ModuleState::reset() {
    // Windows go first, in the order entry 17 uses, while the rest is still there.
    panel_.reset();
    miniList_.reset();
    songText_.reset();
    hostWindow_ = nullptr;
    hostAccepted_ = false;
    startup_ = StartupValues{};
    login_ = LoginBlock{};
    hostValue0_ = 0;
    hostValue1_ = 0;
    table_.fill(nullptr);
}

} // namespace kesto
