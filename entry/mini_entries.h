#pragma once
// Entries of mini mode: the mini play list, the song-text window, and the entries that go to the mini list in
// mini mode and to the panel otherwise.

#include "include/kesto/panel_api.h"

namespace kesto {

class MiniEntries {
public:
    static void install(KestoEntryFn* table);
};

} // namespace kesto
