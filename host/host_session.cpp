#include "host/host_session.h"

#include "host/host_panel_area.h"
#include "host/main_window.h"

namespace kesto {

bool HostSession::start(const QString& modulePath) {
    if (!module_.load(modulePath) || module_.open(window_.panelArea()) == nullptr) {
        window_.log(QStringLiteral("module not loaded: %1").arg(module_.error()));
        return false;
    }
    window_.log(QStringLiteral("module loaded: %1").arg(modulePath));
    module_.entry<KestoEntry14>(14)(nullptr, tables_.skin(), tables_.network(), 1, tables_.serviceA(),
                                    tables_.serviceB());
    const QRect area = window_.panelArea()->rect();
    const KestoRect rect{0, 0, area.width(), area.height()};
    const int created = module_.entry<KestoEntry16>(16)(&rect, 0);
    window_.log(QStringLiteral("entry 16 (create panel) returned %1").arg(created));
    return true;
}

HostSession::~HostSession() {
    if (auto destroy = module_.entry<KestoEntry17>(17))
        destroy();
}

} // namespace kesto
