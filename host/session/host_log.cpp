#include "host/session/host_log.h"

namespace kesto {
namespace {
HostLog::Sink& sink() {
    static HostLog::Sink s;
    return s;
}
HostLog::Sink& statusSink() {
    static HostLog::Sink s;
    return s;
}
} // namespace

void HostLog::setSink(Sink s) {
    sink() = std::move(s);
}

void HostLog::write(const QString& line) {
    if (sink())
        sink()(line);
}

void HostLog::setStatusSink(Sink s) {
    statusSink() = std::move(s);
}

void HostLog::say(const QString& line) {
    if (statusSink())
        statusSink()(line);
    else
        write(line);
}

} // namespace kesto
