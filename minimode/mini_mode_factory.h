#pragma once
// Hands the module state the factories of the mini play list and the song-text window when
// the module is loaded.

namespace kesto {

class MiniModeFactory {
public:
    // Registers both factories; called once at static-init time, harmless when called again.
    static bool install();
};

} // namespace kesto
