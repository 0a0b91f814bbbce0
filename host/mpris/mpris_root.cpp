#include "host/mpris/mpris_root.h"

#include <QWidget>

namespace kesto {

MprisRoot::MprisRoot(QObject* holder, QWidget& window) : QDBusAbstractAdaptor(holder), window_(window) {}

void MprisRoot::Raise() {
    window_.showNormal();
    window_.raise();
    window_.activateWindow();
}

void MprisRoot::Quit() {
    window_.close();
}

} // namespace kesto
