#pragma once
// Where a song command was started: from the shown list, from the host's now-playing list
// (panel entry 62), or by a panel message. Some commands word their messages differently.

#include <cstdint>

namespace kesto {

enum class CommandOrigin : std::uint8_t { List, NowPlaying, PanelMessage };

} // namespace kesto
