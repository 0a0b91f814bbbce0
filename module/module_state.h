#pragma once
// Module-wide state: one instance per loaded module, touched only on the host's GUI thread.
// It holds what the host handed over, the login block, and the panel and mini windows while
// they exist. Subsystems that build those objects register a factory at static-init time.

#include "include/kesto/panel_api.h"
#include "module/mini_list_operations.h"
#include "module/now_playing_operations.h"
#include "module/panel_operations.h"
#include "module/song_text_operations.h"
#include "platform/message_box.h"
#include "platform/message_port.h"
#include "songs/login_block.h"
#include "songs/startup_values.h"

#include <array>
#include <functional>
#include <memory>
#include <string_view>

namespace kesto {

class ModuleState {
public:
    using PanelFactory = std::function<std::unique_ptr<PanelOperations>(ModuleState&)>;
    using MiniListFactory = std::function<std::unique_ptr<MiniListOperations>(ModuleState&)>;
    using SongTextFactory = std::function<std::unique_ptr<SongTextOperations>(ModuleState&)>;
    // Writes one text value of the settings store (key path under HKEY_CURRENT_USER).
    using SettingWriter =
        std::function<void(std::string_view keyPath, std::string_view name, std::string_view value)>;

    static ModuleState& instance();

    // Host window: accepted once; null again once the host destroyed it, so that nothing
    // posts to a freed window (a second one is still refused).
    WindowHandle hostWindow() const { return hostWindow_; }
    bool acceptHostWindow(WindowHandle window);
    void forgetHostWindow() { hostWindow_ = nullptr; }

    const StartupValues& startup() const { return startup_; }
    void setStartup(const StartupValues& values) { startup_ = values; }

    LoginBlock& login() { return login_; }

    int hostValue(int which) const { return which == 0 ? hostValue0_ : hostValue1_; }
    void setHostValue(int which, int value) { (which == 0 ? hostValue0_ : hostValue1_) = value; }

    // The objects, null while absent.
    PanelOperations* panel() const { return panel_.get(); }
    MiniListOperations* miniList() const { return miniList_.get(); }
    SongTextOperations* songText() const { return songText_.get(); }
    void setPanel(std::unique_ptr<PanelOperations> panel) { panel_ = std::move(panel); }
    void setMiniList(std::unique_ptr<MiniListOperations> list) { miniList_ = std::move(list); }
    void setSongText(std::unique_ptr<SongTextOperations> text) { songText_ = std::move(text); }

    // The mini list exists and the panel's mini-mode flag is set.
    bool miniMode() const {
        return miniList_ != nullptr && panel_ != nullptr && panel_->nowPlaying().miniModeFlag();
    }

    const PanelFactory& panelFactory() const { return panelFactory_; }
    const MiniListFactory& miniListFactory() const { return miniListFactory_; }
    const SongTextFactory& songTextFactory() const { return songTextFactory_; }
    void setPanelFactory(PanelFactory factory) { panelFactory_ = std::move(factory); }
    void setMiniListFactory(MiniListFactory factory) { miniListFactory_ = std::move(factory); }
    void setSongTextFactory(SongTextFactory factory) { songTextFactory_ = std::move(factory); }

    void setSettingWriter(SettingWriter writer) { settingWriter_ = std::move(writer); }
    void writeSetting(std::string_view keyPath, std::string_view name, std::string_view value) const;

    // Window messages and message boxes; null until the module installs its own.
    MessagePort* port() const { return port_; }
    void setPort(MessagePort* port) { port_ = port; }
    MessageBox* messageBox() const { return messageBox_; }
    void setMessageBox(MessageBox* box) { messageBox_ = box; }
    // While host service table A's entry 4 says the host plays the now-playing list, the panel
    // shows that list (unless it does already), so the user sees what plays.
    void showNowPlayingWhenHostPlays() const;
    // Posts to the host window; false without a port or a host window.
    bool postToHost(unsigned message, std::intptr_t wParam, std::intptr_t lParam) const;

    KestoEntryFn* table() { return table_.data(); }

    // Back to the state of a freshly loaded module; factories, port and box are kept.
    void reset();

private:
    WindowHandle hostWindow_ = nullptr;
    bool hostAccepted_ = false;
    StartupValues startup_;
    LoginBlock login_;
    int hostValue0_ = 0;
    int hostValue1_ = 0;
    std::unique_ptr<PanelOperations> panel_;
    std::unique_ptr<MiniListOperations> miniList_;
    std::unique_ptr<SongTextOperations> songText_;
    PanelFactory panelFactory_;
    MiniListFactory miniListFactory_;
    SongTextFactory songTextFactory_;
    SettingWriter settingWriter_;
    MessagePort* port_ = nullptr;
    MessageBox* messageBox_ = nullptr;
    std::array<KestoEntryFn, KESTO_ENTRY_COUNT> table_{};
};

} // namespace kesto
