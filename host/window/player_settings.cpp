#include "host/window/player_settings.h"

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
    const QString file = QString::fromStdString((dataFolder / kFileName).string());
    store() = std::make_unique<QSettings>(file, QSettings::IniFormat);
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
