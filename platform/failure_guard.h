#pragma once
// Runs work that must not let an exception past it: an entry called by the host, a handler
// called from Qt's event loop. What escapes is logged and the caller gets its failure value.

#include "platform/failure_log.h"

#include <exception>
#include <new>
#include <string>
#include <type_traits>

namespace kesto {

class FailureGuard {
public:
    // fn's result, or R{} (0, null, nothing) when it throws.
    template <class Fn> static auto run(LogCategory category, const char* where, Fn&& fn) noexcept {
        using R = std::invoke_result_t<Fn>;
        try {
            return fn();
        } catch (const std::bad_alloc&) {
            report(category, where, "out of memory");
        } catch (const std::exception& error) {
            report(category, where, error.what());
        } catch (...) {
            report(category, where, "unknown exception");
        }
        if constexpr (!std::is_void_v<R>)
            return R{};
    }

    static void report(LogCategory category, const char* where, const char* what) noexcept {
        try {
            FailureLog::write(category, std::string(where) + " failed: " + what);
        } catch (...) {
            // Not even the line fits in memory: the failure value alone tells the caller.
        }
    }
};

} // namespace kesto
