#include "host/mpris/mpris_service.h"

#include "host/mpris/mpris_root.h"
#include "host/session/host_log.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusError>

namespace kesto {

MprisService::MprisService(QWidget& window, PlayController& controller, MprisHooks hooks) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    new MprisRoot(this, window);
    new MprisPlayer(this, controller, std::move(hooks));
    if (!bus.registerObject(QString::fromLatin1(MprisPlayer::kObjectPath), this)) {
        HostLog::write(QStringLiteral("media controls: %1").arg(bus.lastError().message()));
        return;
    }
    // A second player on the desktop takes a name of its own.
    const QString name = QString::fromLatin1(kServiceName);
    const QString instance = name + QStringLiteral(".instance%1").arg(QCoreApplication::applicationPid());
    for (const QString& wanted : {name, instance})
        if (bus.registerService(wanted)) {
            busName_ = wanted;
            return;
        }
    HostLog::write(QStringLiteral("media controls: %1").arg(bus.lastError().message()));
}

MprisService::~MprisService() {
    if (busName_.isEmpty())
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.unregisterObject(QString::fromLatin1(MprisPlayer::kObjectPath));
    bus.unregisterService(busName_);
}

} // namespace kesto
