#pragma once
// Where the host's own table functions report their calls: the main window's log pane; and
// what a user cares about (the song that plays, what failed) also in the status line.

#include <QString>
#include <functional>

namespace kesto {

class HostLog {
public:
    using Sink = std::function<void(const QString&)>;
    static void setSink(Sink sink);
    static void write(const QString& line);
    static void setStatusSink(Sink sink);
    // In the user's words: the status line shows it, the log keeps it.
    static void say(const QString& line);
};

} // namespace kesto
