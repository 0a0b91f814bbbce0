#pragma once
// The table of 76 entries that Song_GetPanelInfo hands to the host.

#include "include/kesto/panel_api.h"
#include "platform/failure_guard.h"
#include "platform/message_port.h"

namespace kesto {

// Entry Index runs Fn under the failure guard: what Fn throws is logged in kesto.entry and
// the host gets the entry's failure value (0, NULL or nothing), as the public header says.
template <int Index, auto Fn> struct GuardedEntry;
template <int Index, class R, class... A, R (*Fn)(A...)> struct GuardedEntry<Index, Fn> {
    static constexpr char kName[] = {'e',
                                     'n',
                                     't',
                                     'r',
                                     'y',
                                     ' ',
                                     static_cast<char>('0' + Index / 10),
                                     static_cast<char>('0' + Index % 10),
                                     '\0'};
    static R call(A... args) noexcept {
        return FailureGuard::run(LogCategory::Entry, kName, [&]() -> R { return Fn(args...); });
    }
};

class EntryTable {
public:
    // The table for this host window, or null: window null, a window accepted already, or a
    // panel that exists. Fills the module state's table on success.
    static KestoEntryFn* accept(WindowHandle hostWindow);

    // Fills all 76 slots.
    static void fill(KestoEntryFn* table);

    // Puts the guarded Fn into slot Index; Slot is the slot's typedef, so a wrong signature
    // does not compile.
    template <class Slot, int Index, auto Fn> static void put(KestoEntryFn* table) {
        static_assert(Index >= 0 && Index < KESTO_ENTRY_COUNT);
        const Slot guarded = &GuardedEntry<Index, Fn>::call;
        table[Index] = reinterpret_cast<KestoEntryFn>(guarded);
    }
};

} // namespace kesto
