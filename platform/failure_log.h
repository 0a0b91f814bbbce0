#pragma once
// Failures the module swallows leave one line each here, in one of the categories below. The
// Qt half of the module installs a sink that hands the lines to Qt's logging categories (off
// unless QT_LOGGING_RULES switches them on); without a sink, as in the Qt-free builds, the
// lines go nowhere.

#include <string_view>

namespace kesto {

enum class LogCategory {
    Entry,
    Panel,
    Pages,
    Commands,
    Protocol,
    Library,
    Settings,
    Songs,
    Columns,
    Platform,
    Host,
    Web
};

class FailureLog {
public:
    using Sink = void (*)(LogCategory category, std::string_view line);

    static constexpr int kCategoryCount = static_cast<int>(LogCategory::Web) + 1;

    // The category's name for logging rules: "kesto.entry", "kesto.panel", ...
    static const char* name(LogCategory category);

    // Any thread may log; the sink is set once, before the first entry runs.
    static void setSink(Sink sink);
    static void write(LogCategory category, std::string_view line) noexcept;
};

} // namespace kesto
