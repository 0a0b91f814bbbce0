#include "host/window/player_settings.h"

#include "host/session/host_log.h"
#include "host/session/private_files.h"

#include <QSettings>

#include <memory>

namespace kesto {
namespace {

std::unique_ptr<QSettings>& store() {
    static std::unique_ptr<QSettings> settings;
    return settings;
}

} // namespace

void PlayerSettings::useFolder(const std::filesystem::path& dataFolder) {
    const std::filesystem::path path = dataFolder / kFileName;
    // Made (or tightened) before Qt writes it: a file saved over an existing one keeps its mode.
    std::string why;
    if (!PrivateFiles::file(path, why)) {
        HostLog::write(QStringLiteral("player settings not kept: %1").arg(QString::fromStdString(why)));
        store().reset();
        return;
    }
    store() = std::make_unique<QSettings>(QString::fromStdString(path.string()), QSettings::IniFormat);
}

QVariant PlayerSettings::value(const char* key, const QVariant& fallback) {
    return store() ? store()->value(QString::fromLatin1(key), fallback) : fallback;
}

void PlayerSettings::setValue(const char* key, const QVariant& value) {
    if (store())
        store()->setValue(QString::fromLatin1(key), value);
}

void PlayerSettings::sync() {
    if (store())
        store()->sync();
}

} // namespace kesto
