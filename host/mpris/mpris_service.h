#pragma once
// Offers the player on the session bus as an MPRIS 2 media player, so that media keys and the
// desktop's media controls drive it. Without a session bus the player runs as before.

#include "host/mpris/mpris_player.h"

#include <QObject>
#include <QString>

class QWidget;

namespace kesto {

class MprisService : public QObject {
public:
    static constexpr const char* kServiceName = "org.mpris.MediaPlayer2.kesto";

    MprisService(QWidget& window, PlayController& controller, MprisHooks hooks);
    ~MprisService() override;

    // The bus name taken, empty when there is no bus or the name could not be had.
    const QString& busName() const { return busName_; }

private:
    QString busName_;
};

} // namespace kesto
