#include "platform/failure_log.h"

#include <array>
#include <atomic>

namespace kesto {

namespace {

constexpr std::array<const char*, FailureLog::kCategoryCount> kNames = {
    "kesto.entry",    "kesto.panel", "kesto.pages",   "kesto.commands", "kesto.protocol", "kesto.library",
    "kesto.settings", "kesto.songs", "kesto.columns", "kesto.platform", "kesto.host",     "kesto.web"};

std::atomic<FailureLog::Sink> sink{nullptr};

} // namespace

const char* FailureLog::name(LogCategory category) {
    return kNames[static_cast<std::size_t>(category)];
}

void FailureLog::setSink(Sink newSink) {
    sink.store(newSink);
}

void FailureLog::write(LogCategory category, std::string_view line) noexcept {
    const Sink current = sink.load();
    if (current == nullptr)
        return;
    try {
        current(category, line);
    } catch (...) {
        // A log line that cannot be written is dropped: logging never fails its caller.
    }
}

} // namespace kesto
