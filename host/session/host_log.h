#pragma once
// Where the host's own table functions report their calls: the main window's log pane.

#include <QString>
#include <functional>

namespace kesto {

class HostLog {
public:
    using Sink = std::function<void(const QString&)>;
    static void setSink(Sink sink);
    static void write(const QString& line);
};

} // namespace kesto
