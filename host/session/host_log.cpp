#include "host/session/host_log.h"

namespace kesto {
namespace {
HostLog::Sink& sink() {
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

} // namespace kesto
