#include "minimode/mini_mode_factory.h"

#include "minimode/mini_play_list.h"
#include "minimode/mini_song_text.h"
#include "module/module_state.h"

namespace kesto {

bool MiniModeFactory::install() {
    ModuleState& state = ModuleState::instance();
    state.setMiniListFactory([](ModuleState& module) -> std::unique_ptr<MiniListOperations> {
        return std::make_unique<MiniPlayList>(module);
    });
    state.setSongTextFactory([](ModuleState& module) -> std::unique_ptr<SongTextOperations> {
        return std::make_unique<MiniSongText>(module);
    });
    return true;
}

namespace {
// Runs when the module is loaded; the library is linked in whole for this.
[[maybe_unused]] const bool installed = MiniModeFactory::install();
} // namespace

} // namespace kesto
